#include "convert/book/TopicRewriter.h"

#include <libxml/tree.h>

#include <array>
#include <fstream>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "convert/book/AnchorNames.h"
#include "convert/book/HtmlPage.h"
#include "convert/book/PictureSizing.h"
#include "convert/book/ScriptFilledText.h"
#include "convert/book/SvgPicture.h"
#include "convert/book/TopicStyles.h"
#include "platform/text/AsciiText.h"

namespace {

// Deeper than this, a page is hostile; its content below that depth goes.
constexpr int kMaxDepth = 400;
// Style sheets importing sheets importing sheets: a few levels are real.
constexpr int kMaxImportDepth = 4;

template <std::size_t N>
bool OneOf(const std::string& name, const std::array<std::string_view, N>& names) {
    for (std::string_view candidate : names)
        if (candidate == name) return true;
    return false;
}

// Elements whose content is code or drawing instructions: removed with it.
constexpr std::array<std::string_view, 6> kRemoved{"script", "title",    "svg",
                                                   "math",   "template", "xml"};
// Elements that embed other documents or media, fetch or redirect: the element
// goes, what is written inside it stays (fallback text, and whatever a
// forgiving parser put inside an element it does not know to be empty).
constexpr std::array<std::string_view, 18> kUnwrapped{
    "iframe", "frame",   "frameset", "noframes", "object", "embed", "applet",   "param", "base",
    "meta",   "bgsound", "audio",    "video",    "source", "track", "noscript", "form",  "portal"};
// Attributes that hold an address; those not handled on purpose are dropped.
constexpr std::array<std::string_view, 21> kAddressAttributes{
    "href",     "src",      "background", "lowsrc",  "dynsrc",     "longdesc", "usemap",
    "data",     "codebase", "action",     "poster",  "cite",       "srcset",   "formaction",
    "manifest", "profile",  "classid",    "archive", "xlink:href", "ping",     "icon"};
// Elements that may hold an anchor as their first child; others get it before them.
constexpr std::array<std::string_view, 24> kTakesInlineAnchor{
    "p",          "h1",      "h2",   "h3", "h4", "h5",      "h6",      "div",
    "li",         "dt",      "dd",   "td", "th", "section", "article", "pre",
    "blockquote", "caption", "span", "b",  "i",  "em",      "strong",  "code"};

bool IsBlankChar(unsigned char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// UTF-8 bytes of U+FFFD, which the parser puts where the bytes made no sense.
bool IsReplacementAt(const std::string& text, std::size_t i) {
    return text.compare(i, 3, "\xEF\xBF\xBD") == 0;
}

// Whether a sheet for these media ("screen", "print, projection", "only
// screen and (max-width: 600px)") styles a printed page.
bool PrintsWith(const std::string& media) {
    std::size_t start = 0;
    while (start <= media.size()) {
        std::size_t end = media.find(',', start);
        if (end == std::string::npos) end = media.size();
        std::string query = platform::ToLowerAscii(
            platform::Trim(std::string_view(media).substr(start, end - start)));
        if (query.rfind("only ", 0) == 0) query.erase(0, 5);
        const std::string type = query.substr(0, query.find_first_of(" \t\r\n("));
        if (type.empty() || type == "all" || type == "print") return true;
        start = end + 1;
    }
    return false;
}

}  // namespace

TopicRewriter::TopicRewriter(const BookLinks& links, const BookAnchors& anchors,
                             std::string bookFolder, ReadFile readFile)
    : links_(links),
      anchors_(anchors),
      bookFolder_(std::move(bookFolder)),
      readFile_(std::move(readFile)),
      carried_(readFile_) {}

TopicContent TopicRewriter::Rewrite(int topic, const std::string& path, HtmlPage& page) {
    topic_ = topic;
    path_ = path;
    content_ = {};
    if (xmlNode* root = page.Root()) {
        FillScriptFilledText(root);
        ResolveTopicStyles(root, CollectSheets(root));
        if (RewriteElement(root, 0)) RewriteAttributes(root);
    }
    return content_;
}

void TopicRewriter::RewriteChildren(xmlNode* parent, int depth) {
    xmlNode* child = parent->children;
    while (child != nullptr) {
        xmlNode* next = child->next;
        if (html::IsText(child)) {
            Count(child);
        } else if (!html::IsElement(child)) {
            html::Remove(child);  // comments, conditional comments, instructions
        } else if (depth >= kMaxDepth) {
            html::Remove(child);
        } else if (RewriteElement(child, depth + 1)) {
            RewriteAttributes(child);
            RenameAnchors(child);
        }
        child = next;
    }
}

bool TopicRewriter::RewriteElement(xmlNode* element, int depth) {
    const std::string name = html::Name(element);
    if (name == "style" || name == "link") {
        html::Remove(element);
        return false;
    }
    if (OneOf(name, kRemoved)) {
        html::Remove(element);
        return false;
    }
    if (name == "img" && !RewritePicture(element)) return false;
    if ((name == "a" || name == "area") && !RewriteLink(element)) return false;
    RewriteChildren(element, depth);
    if (OneOf(name, kUnwrapped)) {
        html::Unwrap(element);
        return false;
    }
    return true;
}

bool TopicRewriter::RewriteLink(xmlNode* element) {
    if (!html::HasAttribute(element, "href")) return true;
    const BookTarget target = links_.Resolve(topic_, path_, html::Attribute(element, "href"));
    std::string address;
    if (target.kind == BookTarget::Kind::Web) address = target.address;
    if (target.kind == BookTarget::Kind::Topic) {
        const std::string place = anchors_.Destination(target.topic, target.fragment);
        if (!place.empty()) address = (target.topic == topic_ ? "#" : kPlaceAddress) + place;
    }
    html::RemoveAttribute(element, "href");
    html::RemoveAttribute(element, "target");
    if (!address.empty()) html::SetAttribute(element, "href", address);
    return true;
}

bool TopicRewriter::RewritePicture(xmlNode* element) {
    const std::string address = html::Attribute(element, "src");
    const auto file = address.empty() ? std::nullopt : links_.LocalFile(path_, address);
    const std::string source = file ? PictureAddress(*file) : std::string();
    if (source.empty()) {
        const std::string alt = html::Attribute(element, "alt");
        if (alt.empty())
            html::Remove(element);
        else
            html::ReplaceWithText(element, alt);
        return false;
    }
    const auto pixels = pixelSizes_.find(source);
    if (!SetDrawnSize(element,
                      pixels != pixelSizes_.end() ? std::optional(pixels->second) : std::nullopt)) {
        html::Remove(element);
        return false;
    }
    const std::string carried = carried_.AddressOf(*file, source);
    html::SetAttribute(element, "src", carried);
    ++content_.Pictures;
    if (carried == source) ++content_.LinkedPictures;
    // A browser may break the line between two pictures side by side; the
    // office only where there is a space, and lets the second run off the page.
    if (element->next != nullptr && html::IsElement(element->next) &&
        html::Name(element->next) == "img")
        xmlAddNextSibling(element, xmlNewText(reinterpret_cast<const xmlChar*>(" ")));
    return true;
}

std::vector<std::string> TopicRewriter::CollectSheets(xmlNode* root) {
    std::vector<std::string> sheets;
    std::vector<std::pair<xmlNode*, int>> pending{{root, 0}};
    while (!pending.empty()) {
        const auto [node, depth] = pending.back();
        pending.pop_back();
        const std::string name = html::Name(node);
        if (name == "style" || name == "link") {
            if (auto sheet = SheetOf(node)) sheets.push_back(std::move(*sheet));
            continue;
        }
        if (depth >= kMaxDepth) continue;
        for (xmlNode* child = node->last; child != nullptr; child = child->prev)
            if (html::IsElement(child)) pending.emplace_back(child, depth + 1);
    }
    return sheets;
}

std::optional<std::string> TopicRewriter::SheetOf(xmlNode* element) {
    if (html::HasAttribute(element, "media") && !PrintsWith(html::Attribute(element, "media")))
        return std::nullopt;
    if (html::Name(element) == "style") return SafeCss(html::TextContent(element), path_, 0);
    const std::string rel = platform::ToLowerAscii(html::Attribute(element, "rel"));
    if (rel.find("stylesheet") == std::string::npos) return std::nullopt;
    const auto sheet = links_.LocalFile(path_, html::Attribute(element, "href"));
    if (!sheet) return std::nullopt;
    try {
        return SafeSheet(*sheet);
    } catch (const std::exception&) {
        return std::nullopt;  // an unreadable sheet is as good as none
    }
}

const std::string& TopicRewriter::SafeSheet(const std::string& file) {
    if (const auto known = safeSheets_.find(file); known != safeSheets_.end()) return known->second;
    return safeSheets_[file] = SafeCss(readFile_(file), file, 0);
}

void TopicRewriter::RewriteAttributes(xmlNode* element) {
    const std::string name = html::Name(element);
    std::vector<std::string> names;
    for (const xmlAttr* attr = element->properties; attr; attr = attr->next)
        names.emplace_back(reinterpret_cast<const char*>(attr->name));
    for (const std::string& attributeName : names) {
        const std::string attribute = platform::ToLowerAscii(attributeName);
        if (attribute.rfind("on", 0) == 0) {
            html::RemoveAttribute(element, attribute.c_str());
        } else if (attribute == "style") {
            html::SetAttribute(element, "style",
                               SafeCss(html::Attribute(element, "style"), path_, 0));
        } else if (attribute == "background") {
            const std::string local = LocalAddress(path_, html::Attribute(element, "background"));
            html::RemoveAttribute(element, "background");
            if (!local.empty()) html::SetAttribute(element, "background", local);
        } else if (OneOf(attribute, kAddressAttributes)) {
            const bool kept =
                (attribute == "href" && (name == "a" || name == "area")) ||
                (attribute == "src" && name == "img") ||
                (attribute == "usemap" && html::Attribute(element, "usemap").rfind("#", 0) == 0);
            if (!kept) html::RemoveAttribute(element, attribute.c_str());
        }
    }
}

// An anchor nothing points at goes: the office makes a bookmark of each.
void TopicRewriter::RenameAnchors(xmlNode* element) {
    const std::string name = html::Name(element);
    if (name == "a" && html::HasAttribute(element, "name")) {
        const std::string own = html::Attribute(element, "name");
        if (anchors_.Kept(topic_, own))
            html::SetAttribute(element, "name", FragmentAnchor(topic_, own));
        else
            html::RemoveAttribute(element, "name");
    }
    if (!html::HasAttribute(element, "id")) return;
    const std::string id = html::Attribute(element, "id");
    html::RemoveAttribute(element, "id");
    if (!anchors_.Kept(topic_, id)) return;
    const std::string anchor = FragmentAnchor(topic_, id);
    if (name == "a" && !html::HasAttribute(element, "name")) {
        html::SetAttribute(element, "name", anchor);
    } else if (OneOf(name, kTakesInlineAnchor) && element->children != nullptr) {
        html::PrependAnchor(element, anchor);
    } else {
        html::InsertAnchorBefore(element, anchor);
    }
}

void TopicRewriter::Count(const xmlNode* text) {
    if (text->content == nullptr) return;
    const std::string value(reinterpret_cast<const char*>(text->content));
    for (std::size_t i = 0; i < value.size(); ++i) {
        const auto c = static_cast<unsigned char>(value[i]);
        if (IsBlankChar(c) || (c & 0xC0) == 0x80) continue;  // blanks and continuation bytes
        ++content_.TextChars;
        if (c < 0x20 || c == 0x7F || IsReplacementAt(value, i)) ++content_.Unreadable;
    }
}

std::string TopicRewriter::LocalAddress(const std::string& fromPath, const std::string& address) {
    if (address.empty()) return {};
    const auto file = links_.LocalFile(fromPath, address);
    return file ? PictureAddress(*file) : std::string();
}

std::string TopicRewriter::PictureAddress(const std::string& file) {
    if (const auto known = pictures_.find(file); known != pictures_.end()) return known->second;
    std::string bytes;
    try {
        bytes = readFile_(file);
    } catch (const std::exception&) {
        return pictures_[file] = {};  // an unreadable picture is as good as none
    }
    const PictureKind kind = KindOfPicture(bytes);
    if (kind == PictureKind::Plain) {
        const std::string address = RelativeUrl(bookFolder_, file);
        if (const auto pixels = PicturePixelSize(bytes)) pixelSizes_[address] = *pixels;
        return pictures_[file] = address;
    }
    const auto cleaned = kind == PictureKind::Markup ? CleanedSvg(bytes) : std::nullopt;
    if (!cleaned) return pictures_[file] = {};
    const std::string copy =
        bookFolder_ + "/#pellin-picture-" + std::to_string(pictures_.size()) + ".svg";
    std::ofstream out(copy, std::ios::binary | std::ios::trunc);
    out << *cleaned;
    out.close();
    if (!out) throw std::runtime_error("Cannot write the picture " + copy);
    return pictures_[file] = RelativeUrl(bookFolder_, copy);
}

std::string TopicRewriter::SafeCss(const std::string& css, const std::string& sheetPath,
                                   int depth) {
    const CssSanitizer sanitizer(
        [this, sheetPath](std::string_view address) -> std::optional<std::string> {
            const std::string local = LocalAddress(sheetPath, std::string(address));
            if (local.empty()) return std::nullopt;
            return local;
        },
        [this, sheetPath, depth](std::string_view address) -> std::optional<std::string> {
            if (depth >= kMaxImportDepth) return std::nullopt;
            const auto sheet = links_.LocalFile(sheetPath, address);
            if (!sheet) return std::nullopt;
            try {
                return SafeCss(readFile_(*sheet), *sheet, depth + 1);
            } catch (const std::exception&) {
                return std::nullopt;
            }
        });
    return sanitizer.Sanitize(css);
}
