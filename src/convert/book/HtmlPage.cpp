#include "convert/book/HtmlPage.h"

#include <libxml/HTMLparser.h>
#include <libxml/tree.h>

#include <climits>
#include <stdexcept>

#include "platform/text/AsciiText.h"

namespace {

const xmlChar* X(const char* text) { return reinterpret_cast<const xmlChar*>(text); }

std::string Text(const xmlChar* text) {
    return text == nullptr ? std::string() : std::string(reinterpret_cast<const char*>(text));
}

// Quiet parser: the page is untrusted and often sloppy; nothing is printed and
// nothing outside the bytes is read.
constexpr int kParseOptions = HTML_PARSE_RECOVER | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING |
                              HTML_PARSE_NONET | HTML_PARSE_NODEFDTD | HTML_PARSE_IGNORE_ENC;

xmlNode* FindBelow(xmlNode* node, const char* name) {
    for (xmlNode* child = node == nullptr ? nullptr : node->children; child; child = child->next) {
        if (child->type != XML_ELEMENT_NODE) continue;
        if (xmlStrcasecmp(child->name, X(name)) == 0) return child;
        if (xmlNode* found = FindBelow(child, name)) return found;
    }
    return nullptr;
}

xmlAttr* FindAttribute(const xmlNode* node, const char* name) {
    if (node == nullptr || node->type != XML_ELEMENT_NODE) return nullptr;
    for (xmlAttr* attr = node->properties; attr; attr = attr->next)
        if (xmlStrcasecmp(attr->name, X(name)) == 0) return attr;
    return nullptr;
}

}  // namespace

HtmlPage::HtmlPage(std::string_view bytes, const std::string& charset) {
    if (bytes.size() > static_cast<std::size_t>(INT_MAX))
        throw std::runtime_error("the page is too large");
    doc_ = htmlReadMemory(bytes.data(), static_cast<int>(bytes.size()), nullptr, charset.c_str(),
                          kParseOptions);
    if (doc_ == nullptr || xmlDocGetRootElement(doc_) == nullptr) {
        if (doc_ != nullptr) xmlFreeDoc(doc_);
        doc_ = nullptr;
        throw std::runtime_error("the page holds no HTML");
    }
}

HtmlPage::~HtmlPage() {
    if (doc_ != nullptr) xmlFreeDoc(doc_);
}

xmlNode* HtmlPage::Root() const { return xmlDocGetRootElement(doc_); }

xmlNode* HtmlPage::Find(const char* name) const {
    xmlNode* root = Root();
    if (root != nullptr && xmlStrcasecmp(root->name, X(name)) == 0) return root;
    return FindBelow(root, name);
}

namespace html {

bool IsElement(const xmlNode* node) { return node != nullptr && node->type == XML_ELEMENT_NODE; }

bool IsHeading(const xmlNode* node) {
    const std::string name = Name(node);
    return name.size() == 2 && name[0] == 'h' && name[1] >= '1' && name[1] <= '6';
}

bool IsText(const xmlNode* node) {
    return node != nullptr && (node->type == XML_TEXT_NODE || node->type == XML_CDATA_SECTION_NODE);
}

std::string Name(const xmlNode* node) {
    if (!IsElement(node)) return {};
    return platform::ToLowerAscii(Text(node->name));
}

bool HasAttribute(const xmlNode* node, const char* name) {
    return FindAttribute(node, name) != nullptr;
}

std::string Attribute(const xmlNode* node, const char* name) {
    const xmlAttr* attr = FindAttribute(node, name);
    if (attr == nullptr) return {};
    xmlChar* value = xmlNodeListGetString(node->doc, attr->children, 1);
    std::string result = Text(value);
    xmlFree(value);
    return result;
}

void SetAttribute(xmlNode* node, const char* name, const std::string& value) {
    if (xmlAttr* attr = FindAttribute(node, name)) xmlRemoveProp(attr);
    xmlSetProp(node, X(name), X(value.c_str()));
}

void RemoveAttribute(xmlNode* node, const char* name) {
    while (xmlAttr* attr = FindAttribute(node, name)) xmlRemoveProp(attr);
}

std::string TextContent(const xmlNode* node) {
    xmlChar* text = xmlNodeGetContent(node);
    std::string result = Text(text);
    xmlFree(text);
    return result;
}

void Unwrap(xmlNode* node) {
    while (xmlNode* child = node->children) {
        xmlUnlinkNode(child);
        xmlAddPrevSibling(node, child);
    }
    Remove(node);
}

void Remove(xmlNode* node) {
    xmlUnlinkNode(node);
    xmlFreeNode(node);
}

void ReplaceWithText(xmlNode* node, const std::string& text) {
    xmlNode* replacement = xmlNewDocText(node->doc, X(text.c_str()));
    xmlAddPrevSibling(node, replacement);
    Remove(node);
}

namespace {

xmlNode* NewAnchor(xmlDoc* doc, const std::string& name) {
    xmlNode* anchor = xmlNewDocNode(doc, nullptr, X("a"), nullptr);
    xmlSetProp(anchor, X("name"), X(name.c_str()));
    return anchor;
}

}  // namespace

void InsertAnchorBefore(xmlNode* node, const std::string& name) {
    xmlAddPrevSibling(node, NewAnchor(node->doc, name));
}

void PrependAnchor(xmlNode* element, const std::string& name) {
    if (element->children != nullptr)
        InsertAnchorBefore(element->children, name);
    else
        xmlAddChild(element, NewAnchor(element->doc, name));
}

}  // namespace html
