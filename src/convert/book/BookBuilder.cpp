#include "convert/book/BookBuilder.h"

#include <libxml/tree.h>

#include <filesystem>
#include <stdexcept>

#include "convert/book/AnchorNames.h"
#include "convert/book/BookLinks.h"
#include "convert/book/BookParts.h"
#include "convert/book/BoxedBlocks.h"
#include "convert/book/CodeBlocks.h"
#include "convert/book/HtmlPage.h"
#include "convert/book/HtmlWriter.h"
#include "convert/book/MimeArchive.h"
#include "convert/book/PageCheck.h"
#include "convert/book/PageFlow.h"
#include "convert/book/PlainTopics.h"
#include "convert/book/TableLayout.h"
#include "convert/book/TopicCharset.h"
#include "convert/book/TopicRewriter.h"
#include "platform/files/FileWrite.h"
#include "platform/text/TextEncoding.h"

namespace fs = std::filesystem;

struct BookBuilder::Reading {
    int topic = -1;
    std::string path;  // where the page's own addresses are relative to
    std::string bytes;
    std::string charset;
    std::vector<std::string> links;  // the page's link addresses
};

namespace {

std::string FolderOfPath(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

// A page saved as MIME HTML is unpacked beside the book and read from there.
bool UnpackIfArchive(BookBuilder::ReadFile& read, const std::string& bookFolder, int topic,
                     std::string& path, std::string& bytes, std::string& charset) {
    if (!IsMimeArchive(bytes)) return true;
    const auto page =
        UnpackMimeArchive(bytes, bookFolder + "/#pellin-page-" + std::to_string(topic));
    if (!page) return false;
    path = page->PagePath;
    bytes = read(path);
    charset = page->Charset;
    return true;
}

// The element the topic's start anchor goes into: the first block that holds
// text, so that the anchor adds no empty line of its own.
xmlNode* FirstTextBlock(xmlNode* body) {
    static const char* const containers[] = {"div",        "section", "article", "center", "table",
                                             "tbody",      "tr",      "ul",      "ol",     "dl",
                                             "blockquote", "main",    "header",  "font",   "form"};
    xmlNode* node = body;
    for (int depth = 0; depth < 20; ++depth) {
        xmlNode* first = node->children;
        while (first != nullptr && html::IsText(first) &&
               html::TextContent(first).find_first_not_of(" \t\r\n") == std::string::npos)
            first = first->next;
        if (!html::IsElement(first)) return node == body ? nullptr : node;
        const std::string name = html::Name(first);
        bool container = false;
        for (const char* c : containers) container = container || name == c;
        if (!container)
            return first->children != nullptr && name != "img" && name != "br" && name != "hr"
                       ? first
                       : nullptr;
        node = first;
    }
    return nullptr;
}

void AppendTopic(int topic, xmlNode* body, bool newPage, std::string& out) {
    const std::string anchor = "<a name=\"" + TopicAnchor(topic) + "\"></a>";
    xmlNode* block = newPage ? StartOnNewPage(body) : nullptr;
    if (block == nullptr) block = FirstTextBlock(body);
    if (block == nullptr) {
        out += anchor;
        html::WriteChildren(body, out);
    } else {
        html::PrependAnchor(block, TopicAnchor(topic));
        html::WriteChildren(body, out);
    }
    out += '\n';
}

// The book carries no style sheet: each topic's styles are written into its elements.
void WriteBookFile(const std::string& bookPath, const std::string& body) {
    const std::string head =
        "<!DOCTYPE html>\n<html><head>\n"
        "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">\n"
        "</head>\n<body>\n";
    platform::WriteFileParts(bookPath, {head, body, "</body></html>\n"}, bookPath);
}

// Each part is a book file of its own; the topics' texts go as they are
// written.
void WriteParts(const std::string& bookPath, std::vector<std::string>& texts,
                const std::vector<int>& partOfTopic, Book& book) {
    const int parts = partOfTopic.empty() ? 1 : partOfTopic.back() + 1;
    std::size_t next = 0;
    for (int part = 0; part < parts; ++part) {
        std::string body;
        for (; next < texts.size() && partOfTopic[next] == part; ++next) {
            body += texts[next];
            std::string().swap(texts[next]);
        }
        const std::string path = BookPartPath(bookPath, part);
        WriteBookFile(path, body);
        if (parts > 1) book.Parts.push_back(path);
    }
}

}  // namespace

BookBuilder::BookBuilder(const TopicPathResolver& resolver, std::string helpFileCharset,
                         ReadFile readFile)
    : resolver_(resolver),
      helpFileCharset_(std::move(helpFileCharset)),
      readFile_(std::move(readFile)) {}

std::vector<BookBuilder::Reading> BookBuilder::ReadTopics(const std::vector<std::string>& topics,
                                                          const std::set<int>& skipped,
                                                          Book& book) const {
    std::vector<Reading> readings;
    ReadFile read = readFile_;
    const std::string bookFolder = FolderOfPath(book.Path);
    for (std::size_t i = 0; i < topics.size(); ++i) {
        const int topic = static_cast<int>(i);
        if (skipped.count(topic) != 0) continue;
        if (OnTopic) OnTopic(topic);
        Reading reading;
        reading.topic = topic;
        reading.path = topics[i];
        try {
            reading.bytes = read(reading.path);
            book.HtmlBytes += reading.bytes.size();
            if (!UnpackIfArchive(read, bookFolder, topic, reading.path, reading.bytes,
                                 reading.charset))
                throw std::runtime_error("the saved web page holds no HTML");
            if (auto page = PageForPlainTopic(reading.path, reading.bytes, reading.charset))
                reading.bytes = std::move(*page);
            if (const auto problem = PageProblem(reading.bytes)) throw std::runtime_error(*problem);
            if (reading.charset.empty() || !platform::IsKnownCharset(reading.charset))
                reading.charset = TopicCharset(reading.bytes, helpFileCharset_);
            const HtmlPage page(reading.bytes, reading.charset);
            if (const auto problem = ContentProblem(page)) throw std::runtime_error(*problem);
            book.Anchors.Include(topic, CollectAnchors(page));
            reading.links = CollectLinks(page);
        } catch (const std::exception& error) {
            book.LeftOut.push_back({topics[i], error.what()});
            continue;
        }
        readings.push_back(std::move(reading));
    }
    return readings;
}

// The places the topics' links point at, now that every topic is known, so
// that a link may point forward.
void BookBuilder::TargetLinkedPlaces(std::vector<Reading>& readings, const BookLinks& links,
                                     Book& book) const {
    for (Reading& reading : readings) {
        for (const std::string& address : reading.links) {
            const BookTarget target = links.Resolve(reading.topic, reading.path, address);
            if (target.kind == BookTarget::Kind::Topic)
                book.Anchors.Target({target.topic, target.fragment});
        }
        reading.links = {};
    }
    for (const BookPlace& place : OutlinePlaces) book.Anchors.Target(place);
    book.Anchors.KeepTargetsOnly();
}

BookBuilder::WrittenTopic BookBuilder::WriteTopic(TopicRewriter& rewriter, Reading& reading,
                                                  Book& book) const {
    if (OnTopic) OnTopic(reading.topic);
    HtmlPage page(reading.bytes, reading.charset);
    const TopicContent content = rewriter.Rewrite(reading.topic, reading.path, page);
    xmlNode* pageBody = page.Find("body");
    xmlNode* shown = pageBody != nullptr ? pageBody : page.Root();
    LayOutCodeBlocks(shown);
    DrawBoxedBlocks(shown);
    LayOutTables(shown);
    KeepHeadingsWithText(shown);
    WrittenTopic written;
    AppendTopic(reading.topic, shown, PageBreakBeforeTopics && !book.Included.empty(),
                written.Text);
    book.Included.push_back(reading.topic);
    written.Pictures = content.Pictures;
    written.TextChars = content.TextChars - content.Unreadable;
    book.TextChars += written.TextChars;
    book.Pictures += content.Pictures;
    book.LinkedPictures += content.LinkedPictures;
    std::string().swap(reading.bytes);
    return written;
}

Book BookBuilder::Build(const std::vector<std::string>& topics, const std::string& bookPath,
                        const std::set<int>& skipped) const {
    Book book;
    book.Path = bookPath;
    book.Anchors = BookAnchors(topics.size());
    std::vector<Reading> readings = ReadTopics(topics, skipped, book);
    const BookLinks links(resolver_, topics);
    TargetLinkedPlaces(readings, links, book);
    TopicRewriter rewriter(links, book.Anchors, FolderOfPath(bookPath), readFile_);
    std::vector<std::string> texts;
    std::vector<int> pictures;
    std::vector<std::size_t> textChars;
    for (Reading& reading : readings) {
        WrittenTopic written = WriteTopic(rewriter, reading, book);
        texts.push_back(std::move(written.Text));
        pictures.push_back(written.Pictures);
        textChars.push_back(written.TextChars);
    }
    WriteParts(bookPath, texts, SplitIntoParts(pictures, textChars, Parts), book);
    return book;
}
