#pragma once
// A topic page parsed by libxml2's forgiving HTML parser. The parser is told
// the character set, never reads the network or another file, and gives a
// tree whose text is UTF-8 whatever the page was written in.

#include <string>
#include <string_view>

typedef struct _xmlDoc xmlDoc;
typedef struct _xmlNode xmlNode;

class HtmlPage {
public:
    // Throws std::runtime_error when the bytes hold nothing a parser can read.
    HtmlPage(std::string_view bytes, const std::string& charset);
    ~HtmlPage();
    HtmlPage(const HtmlPage&) = delete;
    HtmlPage& operator=(const HtmlPage&) = delete;

    xmlDoc* Document() const { return doc_; }
    xmlNode* Root() const;
    // The first element of that name below the root, or nullptr.
    xmlNode* Find(const char* name) const;

private:
    xmlDoc* doc_ = nullptr;
};

// Element and attribute access in UTF-8 terms, so the callers need not know
// libxml2's character type.
namespace html {

bool IsElement(const xmlNode* node);
bool IsText(const xmlNode* node);
// Lower-case element name; empty for anything but an element.
std::string Name(const xmlNode* node);
// Whether the node is a heading element, h1 to h6.
bool IsHeading(const xmlNode* node);
// The attribute's value (name matched without regard to case), or nothing.
bool HasAttribute(const xmlNode* node, const char* name);
std::string Attribute(const xmlNode* node, const char* name);
void SetAttribute(xmlNode* node, const char* name, const std::string& value);
void RemoveAttribute(xmlNode* node, const char* name);
std::string TextContent(const xmlNode* node);
// Replaces the element by its children (for a link that must not stay one).
void Unwrap(xmlNode* node);
// Removes and frees the node and everything below it.
void Remove(xmlNode* node);
// Replaces the node by a text node.
void ReplaceWithText(xmlNode* node, const std::string& text);
// Inserts an empty element <a name="..."> before `node`.
void InsertAnchorBefore(xmlNode* node, const std::string& name);
// Makes an empty element <a name="..."> the first child of `element`, which
// may have no children at all.
void PrependAnchor(xmlNode* element, const std::string& name);

}  // namespace html
