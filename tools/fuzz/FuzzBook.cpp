// libFuzzer target: the book builder on arbitrary help file pages. The input
// is cut at each "\n%%PART%%\n" into a topic page, the style sheet it may
// link (style.css), a page saved as MIME HTML, a contents file, an SVG
// picture (p.svg) and a raster picture (p.png, shown by the second page, also
// in a table cell); they are written into a scratch job folder, the contents
// file gives the topics' order, and the book is built from them. Aborts when
// the book names anything outside the job folder (an address that climbs,
// has a scheme other than a web one, or an element that fetches), when a
// cleaned SVG copy refers to anything but itself, or when a file appears
// beside the job folder, or when a picture's drawn size leaves the text area.
#include <libxml/HTMLparser.h>
#include <libxml/parser.h>
#include <libxml/tree.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "convert/book/BookBuilder.h"
#include "convert/book/PictureSizing.h"
#include "convert/chm/ContentsTreeReader.h"
#include "platform/text/AsciiText.h"

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kSeparator = "\n%%PART%%\n";
const char* const kPartFiles[] = {"html/a.htm", "html/style.css", "html/page.mht",
                                  "toc.hhc",    "html/p.svg",     "html/p.png"};

void Check(bool condition) {
    if (!condition) std::abort();
}

const fs::path& Scratch() {
    static const fs::path scratch = [] {
        std::string pattern = (fs::temp_directory_path() / "pellin-fuzz-book-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) std::abort();
        return fs::path(pattern);
    }();
    return scratch;
}

std::string ReadAll(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw std::runtime_error("cannot read " + path);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

void WriteJob(const fs::path& job, std::string_view input) {
    fs::remove_all(job);
    fs::create_directories(job / "html/img");
    std::ofstream(job / "html/img/ok.gif", std::ios::binary) << "GIF89a";
    std::ofstream(job / "html/b.htm", std::ios::binary)
        << "<p>Second <a href=a.htm#x>a</a> <img src=p.png></p><table><tr><td width=90%>x</td>"
           "<td><img src=p.png height=5em></td></tr></table>";
    for (const char* name : kPartFiles) {
        const std::size_t cut = input.find(kSeparator);
        std::ofstream(job / name, std::ios::binary) << input.substr(0, cut);
        input = cut == std::string_view::npos ? std::string_view() : input.substr(cut + 10);
    }
}

// A place below the book's folder written as RelativeUrl writes it.
bool IsEscapedRelativePath(std::string_view address) {
    if (address.empty() || address.front() == '/') return false;
    for (const char c : address)
        if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '.' || c == '_' ||
              c == '~' || c == '/' || c == '%'))
            return false;
    const std::string framed = "/" + std::string(address) + "/";
    return framed.find("/../") == std::string::npos;
}

std::string Content(xmlNode* node) {
    xmlChar* raw = xmlNodeGetContent(node);
    std::string text = raw == nullptr ? "" : reinterpret_cast<const char*>(raw);
    xmlFree(raw);
    return text;
}

// Every url(...) in `css` is a place of the document: "#..." inside an SVG
// picture, an escaped relative path in the book.
void CheckUrls(std::string_view css, bool inPicture) {
    for (std::size_t at = platform::FindNoCase(css, "url("); at != std::string_view::npos;
         at = platform::FindNoCase(css, "url(", at + 4)) {
        if (at > 0 && (std::isalnum(static_cast<unsigned char>(css[at - 1])) ||
                       css[at - 1] == '-' || css[at - 1] == '_'))
            continue;  // part of a longer name
        std::size_t start = at + 4;
        while (start < css.size() && (std::isspace(static_cast<unsigned char>(css[start])) ||
                                      css[start] == '"' || css[start] == '\''))
            ++start;
        const std::size_t end = css.find_first_of("\"')", start);
        const std::string_view address = css.substr(start, end - start);
        Check(inPicture ? (!address.empty() && address.front() == '#')
                        : IsEscapedRelativePath(address));
    }
}

std::string Value(xmlNode* node, xmlAttr* attr) {
    xmlChar* raw = xmlNodeListGetString(node->doc, attr->children, 1);
    std::string value = raw == nullptr ? "" : reinterpret_cast<const char*>(raw);
    xmlFree(raw);
    return value;
}

// A picture the book carries in itself: a raster picture as base64 data,
// which the office cannot resolve to anything outside the book.
bool IsCarriedPicture(std::string_view address) {
    for (const std::string_view kind : {"data:image/png;base64,", "data:image/gif;base64,",
                                        "data:image/jpeg;base64,", "data:image/bmp;base64,"}) {
        if (address.rfind(kind, 0) != 0) continue;
        const std::string_view data = address.substr(kind.size());
        return data.find_first_not_of(
                   "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/=") ==
               std::string_view::npos;
    }
    return false;
}

// A picture given both sides by the book fits the text area in whole pixels.
void CheckDrawnSize(xmlNode* picture) {
    const auto pixels = [&](const char* name, long most) {
        xmlChar* raw = xmlGetProp(picture, reinterpret_cast<const xmlChar*>(name));
        const std::string value = raw == nullptr ? "" : reinterpret_cast<const char*>(raw);
        xmlFree(raw);
        if (value.empty() || value.find_first_not_of("0123456789") != std::string::npos) return;
        Check(value.size() < 8 && std::stol(value) >= 1 && std::stol(value) <= most);
    };
    if (xmlHasProp(picture, reinterpret_cast<const xmlChar*>("width")) == nullptr ||
        xmlHasProp(picture, reinterpret_cast<const xmlChar*>("height")) == nullptr)
        return;
    pixels("width", static_cast<long>(kTextArea.Width));
    pixels("height", static_cast<long>(kTextArea.Height));
}

void CheckBookNode(xmlNode* node, int depth) {
    for (xmlNode* child = node->children; child != nullptr && depth < 1000; child = child->next) {
        if (child->type != XML_ELEMENT_NODE) continue;
        const std::string name = platform::ToLowerAscii(reinterpret_cast<const char*>(child->name));
        for (const char* fetching : {"script", "iframe", "frame", "object", "embed", "applet",
                                     "link", "base", "svg", "audio", "video"})
            Check(name != fetching);
        if (name == "style") CheckUrls(Content(child), false);
        for (xmlAttr* attr = child->properties; attr != nullptr; attr = attr->next) {
            const std::string attribute =
                platform::ToLowerAscii(reinterpret_cast<const char*>(attr->name));
            const std::string value = Value(child, attr);
            Check(attribute.rfind("on", 0) != 0);
            if (attribute == "src" && name == "img" && value.rfind("data:", 0) == 0)
                Check(IsCarriedPicture(value));
            else if (attribute == "src" || attribute == "background")
                Check(IsEscapedRelativePath(value));
            if (attribute == "href")
                Check(value.rfind('#', 0) == 0 || platform::StartsWithNoCase(value, "http") ||
                      platform::StartsWithNoCase(value, "ftp:") ||
                      platform::StartsWithNoCase(value, "mailto:") ||
                      platform::StartsWithNoCase(value, "news:"));
            if (attribute == "style") CheckUrls(value, false);
        }
        if (name == "img") CheckDrawnSize(child);
        CheckBookNode(child, depth + 1);
    }
}

void CheckPictureNode(xmlNode* node) {
    for (xmlNode* child = node->children; child != nullptr; child = child->next) {
        Check(child->type == XML_ELEMENT_NODE || child->type == XML_TEXT_NODE);
        if (child->type != XML_ELEMENT_NODE) continue;
        for (xmlAttr* attr = child->properties; attr != nullptr; attr = attr->next) {
            const std::string value = Value(child, attr);
            if (platform::EqualsNoCase(reinterpret_cast<const char*>(attr->name), "href"))
                Check(value.rfind('#', 0) == 0 || platform::StartsWithNoCase(value, "data:image/"));
            CheckUrls(value, true);
        }
        if (platform::EqualsNoCase(reinterpret_cast<const char*>(child->name), "style"))
            CheckUrls(Content(child), true);
        CheckPictureNode(child);
    }
}

void CheckBook(const fs::path& job, const std::string& bookPath) {
    const std::string book = ReadAll(bookPath);
    xmlDoc* doc = htmlReadMemory(book.data(), static_cast<int>(book.size()), nullptr, "UTF-8",
                                 HTML_PARSE_RECOVER | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING |
                                     HTML_PARSE_NONET | HTML_PARSE_NOIMPLIED);
    Check(doc != nullptr);
    CheckBookNode(reinterpret_cast<xmlNode*>(doc), 0);
    xmlFreeDoc(doc);
    for (const auto& entry : fs::directory_iterator(job)) {
        if (entry.path().filename().string().rfind("#pellin-picture-", 0) != 0) continue;
        const std::string svg = ReadAll(entry.path());
        xmlDoc* picture = xmlReadMemory(svg.data(), static_cast<int>(svg.size()), nullptr, nullptr,
                                        XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING);
        Check(picture != nullptr && picture->intSubset == nullptr);
        CheckPictureNode(reinterpret_cast<xmlNode*>(picture));
        xmlFreeDoc(picture);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fs::path job = Scratch() / "job";
    WriteJob(job, std::string_view(reinterpret_cast<const char*>(data), size));
    const std::string root = job.string();
    const DecompiledFiles files(root);
    const ContentsTree tree =
        ContentsTreeReader(files, "WINDOWS-1252").Read(ReadAll(job / "toc.hhc"), "toc.hhc");
    std::vector<std::string> topics = TopicsOfTree(tree);
    for (const char* page : {"html/a.htm", "html/page.mht", "html/b.htm"}) {
        const std::string path = root + "/" + page;
        if (std::find(topics.begin(), topics.end(), path) == topics.end()) topics.push_back(path);
    }
    const TopicPathResolver resolver(root);
    const std::string bookPath = root + "/#pellin-book.html";
    BookBuilder builder(resolver, "WINDOWS-1252", ReadAll);
    if (size % 2 == 1) builder.Parts = {1, 0};  // as many parts as pictures
    Book book;
    try {
        book = builder.Build(topics, bookPath);
    } catch (const std::exception&) {
        std::abort();  // only a failed write may throw, and the scratch folder is writable
    }
    CheckBook(job, bookPath);
    for (const std::string& part : book.Parts) CheckBook(job, part);
    for (const auto& entry : fs::directory_iterator(Scratch())) Check(entry.path() == job);
    return 0;
}
