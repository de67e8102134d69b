#include "convert/book/HtmlWriter.h"

#include <libxml/tree.h>

#include <array>
#include <string_view>

#include "convert/book/HtmlPage.h"
#include "platform/text/MarkupEscape.h"

namespace html {

namespace {

constexpr std::array<std::string_view, 17> kVoidElements{
    "area",  "base",    "basefont", "br",   "col",  "embed", "frame",  "hr", "img",
    "input", "isindex", "keygen",   "link", "meta", "param", "source", "wbr"};

bool IsVoid(const std::string& name) {
    for (std::string_view element : kVoidElements)
        if (element == name) return true;
    return false;
}

// Style and script text is not escaped: the parser kept it as written.
bool IsRawText(const xmlNode* node) {
    const xmlNode* parent = node->parent;
    if (!IsElement(parent)) return false;
    const std::string name = Name(parent);
    return name == "style" || name == "script";
}

const char* Chars(const xmlChar* text) { return reinterpret_cast<const char*>(text); }

void WriteAttributes(const xmlNode* node, std::string& out) {
    for (const xmlAttr* attr = node->properties; attr; attr = attr->next) {
        out += ' ';
        out += Chars(attr->name);
        out += "=\"";
        xmlChar* value = xmlNodeListGetString(node->doc, attr->children, 1);
        if (value != nullptr) platform::AppendMarkupEscaped(Chars(value), out);
        xmlFree(value);
        out += '"';
    }
}

void WriteElement(const xmlNode* node, std::string& out) {
    const std::string name = Name(node);
    out += '<';
    out += name;
    WriteAttributes(node, out);
    out += '>';
    if (IsVoid(name)) return;
    WriteChildren(node, out);
    out += "</";
    out += name;
    out += '>';
}

}  // namespace

void WriteNode(const xmlNode* node, std::string& out) {
    if (IsElement(node)) {
        WriteElement(node, out);
    } else if (IsText(node) && node->content != nullptr) {
        if (IsRawText(node))
            out += Chars(node->content);
        else
            platform::AppendMarkupEscaped(Chars(node->content), out, platform::Quotes::Kept);
    }
}

void WriteChildren(const xmlNode* node, std::string& out) {
    for (const xmlNode* child = node->children; child; child = child->next) WriteNode(child, out);
}

}  // namespace html
