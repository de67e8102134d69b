#include "convert/book/SvgPicture.h"

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <array>
#include <memory>
#include <vector>

#include "convert/book/CssSanitizer.h"
#include "platform/text/AsciiText.h"

namespace {

// Real pictures are far smaller; a larger one is taken for an attack.
constexpr std::size_t kMaxSvgBytes = 8u << 20;
// Below this depth elements go; the parser itself stops at 256 levels.
constexpr int kMaxDepth = 300;
// Never the network, never the entities' replacement text nor a DTD from
// elsewhere; errors are not printed.
constexpr int kParseOptions = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING |
                              XML_PARSE_NOCDATA | XML_PARSE_NOXINCNODE;

constexpr const char* kSvgNamespace = "http://www.w3.org/2000/svg";
constexpr const char* kXlinkNamespace = "http://www.w3.org/1999/xlink";
constexpr const char* kXmlNamespace = "http://www.w3.org/XML/1998/namespace";

// Elements that run code, embed other documents or change attributes
// (possibly an address) over time: a still picture needs none of them.
constexpr std::array<std::string_view, 10> kRemovedElements{
    "script",  "foreignobject", "handler",          "listener",     "set",
    "animate", "animatemotion", "animatetransform", "animatecolor", "discard"};

// Inline raster pictures name no other file and may stay.
constexpr std::array<std::string_view, 4> kInlinePictures{"data:image/png", "data:image/jpeg",
                                                          "data:image/jpg", "data:image/gif"};

std::string Text(const xmlChar* text) {
    return text == nullptr ? std::string() : std::string(reinterpret_cast<const char*>(text));
}

bool HasNamespace(const xmlNs* ns, const char* href) {
    return ns != nullptr && Text(ns->href) == href;
}

template <std::size_t N>
bool StartsWithOneOf(std::string_view text, const std::array<std::string_view, N>& prefixes) {
    for (std::string_view prefix : prefixes)
        if (platform::StartsWithNoCase(text, prefix)) return true;
    return false;
}

bool IsOwnAddress(std::string_view address) {
    const std::string_view text = platform::Trim(address);
    return (!text.empty() && text.front() == '#') || StartsWithOneOf(text, kInlinePictures);
}

// Style text with every url() that leaves the picture turned into "none"
// and @import taken out. Text that names nothing outside stays as written,
// so that a drawing reader which knows only url(#id) still finds its places.
std::string SafeStyle(const std::string& css) {
    bool refused = false;
    const CssSanitizer sanitizer(
        [&refused](std::string_view address) -> std::optional<std::string> {
            const std::string_view text = platform::Trim(address);
            refused = refused || text.empty() || text.front() != '#';
            if (text.empty() || text.front() != '#') return std::nullopt;
            return std::string(text);
        },
        [&refused](std::string_view) -> std::optional<std::string> {
            refused = true;
            return std::nullopt;
        });
    std::string safe = sanitizer.Sanitize(css);
    const bool plain =
        css.find_first_of("\\<") == std::string::npos && css.find("/*") == std::string::npos;
    return !refused && plain ? css : safe;
}

void FreeNode(xmlNode* node) {
    xmlUnlinkNode(node);
    xmlFreeNode(node);
}

// Entity references stay unexpanded in the tree; they go with their DTD.
void RemoveEntityReferences(xmlNode* first) {
    for (xmlNode* node = first; node != nullptr;) {
        xmlNode* next = node->next;
        if (node->type == XML_ENTITY_REF_NODE) FreeNode(node);
        node = next;
    }
}

bool AttributeStays(const xmlAttr* attr, const std::string& name) {
    if (name.rfind("on", 0) == 0) return false;
    if (attr->ns == nullptr) return true;
    if (HasNamespace(attr->ns, kXmlNamespace)) return name != "base";
    return HasNamespace(attr->ns, kXlinkNamespace);
}

void CleanAttributes(xmlNode* element) {
    std::vector<xmlAttr*> attributes;
    for (xmlAttr* attr = element->properties; attr != nullptr; attr = attr->next)
        attributes.push_back(attr);
    for (xmlAttr* attr : attributes) {
        RemoveEntityReferences(attr->children);
        const std::string name = platform::ToLowerAscii(Text(attr->name));
        if (!AttributeStays(attr, name)) {
            xmlRemoveProp(attr);
            continue;
        }
        xmlChar* raw = xmlNodeListGetString(element->doc, attr->children, 1);
        const std::string value = Text(raw);
        xmlFree(raw);
        if (name == "href" || name == "src") {
            if (!IsOwnAddress(value)) xmlRemoveProp(attr);
        } else if (name == "style" || platform::FindNoCase(value, "url(") != std::string::npos ||
                   platform::FindNoCase(value, "@import") != std::string::npos) {
            const std::string safe = SafeStyle(value);
            xmlSetNsProp(element, attr->ns, attr->name,
                         reinterpret_cast<const xmlChar*>(safe.c_str()));
        }
    }
}

bool ElementStays(const xmlNode* element, int depth) {
    if (depth >= kMaxDepth || !HasNamespace(element->ns, kSvgNamespace)) return false;
    const std::string name = platform::ToLowerAscii(Text(element->name));
    for (std::string_view removed : kRemovedElements)
        if (name == removed) return false;
    return true;
}

void ReplaceStyleText(xmlNode* style) {
    xmlChar* raw = xmlNodeGetContent(style);
    const std::string css = SafeStyle(Text(raw));
    xmlFree(raw);
    xmlNodeSetContent(style, nullptr);
    xmlNodeAddContent(style, reinterpret_cast<const xmlChar*>(css.c_str()));
}

void CleanChildren(xmlNode* parent, int depth) {
    for (xmlNode* node = parent->children; node != nullptr;) {
        xmlNode* next = node->next;
        if (node->type == XML_TEXT_NODE) {
            // Kept as it is: text and the white space between elements.
        } else if (node->type != XML_ELEMENT_NODE || !ElementStays(node, depth + 1)) {
            FreeNode(node);  // comments, instructions, entity references, foreign elements
        } else {
            CleanAttributes(node);
            if (platform::EqualsNoCase(Text(node->name), "style"))
                ReplaceStyleText(node);
            else
                CleanChildren(node, depth + 1);
        }
        node = next;
    }
}

struct DocFree {
    void operator()(xmlDoc* doc) const { xmlFreeDoc(doc); }
};

bool StartsWithBytes(std::string_view bytes, std::string_view prefix) {
    return bytes.substr(0, prefix.size()) == prefix;
}

}  // namespace

PictureKind KindOfPicture(std::string_view bytes) {
    if (StartsWithBytes(bytes, "\x1F\x8B") || StartsWithBytes(bytes, "%!") ||
        StartsWithBytes(bytes, "\xC5\xD0\xD3\xC6"))
        return PictureKind::Refused;
    std::string_view text = bytes;
    if (StartsWithBytes(text, "\xEF\xBB\xBF")) text.remove_prefix(3);
    if (StartsWithBytes(text, "\xFF\xFE") || StartsWithBytes(text, "\xFE\xFF"))
        return PictureKind::Markup;  // UTF-16 text: no raster format starts so
    while (!text.empty() && (text.front() == ' ' || (text.front() >= '\t' && text.front() <= '\r')))
        text.remove_prefix(1);
    return StartsWithBytes(text, "<") ? PictureKind::Markup : PictureKind::Plain;
}

std::optional<std::string> CleanedSvg(std::string_view bytes) {
    if (bytes.empty() || bytes.size() > kMaxSvgBytes) return std::nullopt;
    const std::unique_ptr<xmlDoc, DocFree> doc(xmlReadMemory(
        bytes.data(), static_cast<int>(bytes.size()), nullptr, nullptr, kParseOptions));
    if (doc == nullptr) return std::nullopt;
    xmlNode* root = xmlDocGetRootElement(doc.get());
    if (root == nullptr || Text(root->name) != "svg" || !HasNamespace(root->ns, kSvgNamespace))
        return std::nullopt;
    CleanAttributes(root);
    CleanChildren(root, 0);
    // Everything beside the root element goes: DOCTYPE, instructions, comments.
    for (xmlNode* node = doc->children; node != nullptr;) {
        xmlNode* next = node->next;
        if (node != root) FreeNode(node);
        node = next;
    }
    xmlChar* text = nullptr;
    int size = 0;
    xmlDocDumpMemoryEnc(doc.get(), &text, &size, "UTF-8");
    if (text == nullptr) return std::nullopt;
    std::string cleaned(reinterpret_cast<const char*>(text), static_cast<std::size_t>(size));
    xmlFree(text);
    return cleaned;
}
