#include "convert/book/PageFlow.h"

#include <libxml/tree.h>

#include <array>
#include <string>
#include <string_view>

#include "convert/book/HtmlPage.h"
#include "platform/text/AsciiText.h"

namespace {

constexpr std::string_view kBreak = "page-break-before: always";
// Keeps a paragraph or a table, not a division, with what follows.
constexpr std::string_view kKeepWithNext = "page-break-after: avoid";
constexpr int kMaxDepth = 500;  // the rewriter cuts deeper content

// Blocks the break is set on.
constexpr std::array<std::string_view, 9> kTakesBreak{"p",  "h1", "h2",  "h3",   "h4",
                                                      "h5", "h6", "pre", "table"};
// Elements looked into for the first such block.
constexpr std::array<std::string_view, 8> kLookedInto{"div",    "section", "article", "main",
                                                      "header", "center",  "font",    "form"};

template <std::size_t N>
bool OneOf(const std::string& name, const std::array<std::string_view, N>& names) {
    for (std::string_view candidate : names)
        if (candidate == name) return true;
    return false;
}

// `node` or the first sibling after it that is not blank text.
xmlNode* SkipBlanks(xmlNode* node) {
    while (node != nullptr && html::IsText(node) &&
           html::TextContent(node).find_first_not_of(" \t\r\n") == std::string::npos)
        node = node->next;
    return node;
}

// The first child that is not blank text.
xmlNode* FirstContent(xmlNode* node) { return SkipBlanks(node->children); }

void AddDeclaration(xmlNode* element, std::string_view declaration) {
    std::string style = html::Attribute(element, "style");
    if (!style.empty()) style += "; ";
    html::SetAttribute(element, "style", style + std::string(declaration));
}

bool IsLoneAnchor(const xmlNode* node) {
    return html::IsElement(node) && html::Name(node) == "a" && html::HasAttribute(node, "name") &&
           !html::HasAttribute(node, "href") && node->children == nullptr;
}

// The next sibling that is not blank text.
xmlNode* NextContent(xmlNode* node) { return SkipBlanks(node->next); }

// Moves the anchors that open the blocks after `heading` (before any text,
// picture or table) to the heading's end.
void TakeInAnchors(xmlNode* heading) {
    xmlNode* node = NextContent(heading);
    for (int depth = 0; node != nullptr && depth < 20; ++depth) {
        while (IsLoneAnchor(node)) {
            xmlNode* next = NextContent(node);
            xmlUnlinkNode(node);
            xmlAddChild(heading, node);
            node = next;
        }
        if (!html::IsElement(node)) return;
        const std::string name = html::Name(node);
        if (!OneOf(name, kLookedInto) && name != "span") return;
        node = FirstContent(node);
    }
}

// The first row of `table` (directly or in its first row group), after the
// columns' widths.
xmlNode* FirstRow(xmlNode* table) {
    xmlNode* node = FirstContent(table);
    while (html::IsElement(node) && (html::Name(node) == "col" || html::Name(node) == "colgroup"))
        node = NextContent(node);
    const std::string name = html::IsElement(node) ? html::Name(node) : std::string();
    if (name == "thead" || name == "tbody") node = FirstContent(node);
    return html::IsElement(node) && html::Name(node) == "tr" ? node : nullptr;
}

// Drawn as nothing but its content: no border or background of its own.
bool IsPlainBox(const xmlNode* element) {
    const std::string style = html::Attribute(element, "style");
    const std::string border = html::Attribute(element, "border");
    return style.find("border") == std::string::npos &&
           style.find("background") == std::string::npos &&
           !html::HasAttribute(element, "bgcolor") && !html::HasAttribute(element, "background") &&
           (border.empty() || border == "0");
}

// A table whose first row is one cell holding only a heading (after the
// anchors that open it) loses the row; the heading goes before the table.
// A plain table of that row alone (Sandcastle's title) becomes its heading:
// the office keeps a heading, not a table, with what follows.
// Returns the heading when it took the table's place, else the table.
xmlNode* TakeOutHeadingRow(xmlNode* table) {
    xmlNode* row = FirstRow(table);
    xmlNode* cell = row != nullptr ? FirstContent(row) : nullptr;
    if (!html::IsElement(cell) || NextContent(cell) != nullptr) return table;
    xmlNode* heading = FirstContent(cell);
    while (IsLoneAnchor(heading)) heading = NextContent(heading);
    if (!html::IsHeading(heading) || NextContent(heading) != nullptr) return table;
    const bool alone = NextContent(row) == nullptr &&
                       (row->parent == table || NextContent(row->parent) == nullptr);
    if (alone && !(IsPlainBox(table) && IsPlainBox(row) && IsPlainBox(cell))) return table;
    xmlNode* first = heading->children;
    for (xmlNode* anchor = FirstContent(cell); anchor != heading;) {
        xmlNode* next = NextContent(anchor);
        xmlUnlinkNode(anchor);
        if (first != nullptr)
            xmlAddPrevSibling(first, anchor);
        else
            xmlAddChild(heading, anchor);
        anchor = next;
    }
    xmlUnlinkNode(heading);
    xmlAddPrevSibling(table, heading);
    if (!alone) {
        html::Remove(row);
        return table;
    }
    html::Remove(table);
    return heading;
}

void KeepWithText(xmlNode* element, int depth) {
    if (depth > kMaxDepth) return;
    for (xmlNode* child = element->children; child != nullptr; child = child->next) {
        if (!html::IsElement(child)) continue;
        if (html::Name(child) == "table") child = TakeOutHeadingRow(child);
        if (html::IsHeading(child))
            TakeInAnchors(child);
        else
            KeepWithText(child, depth + 1);
    }
}

// Inline elements a title's text may be set in.
constexpr std::array<std::string_view, 16> kInline{"a",    "b",   "strong", "i",   "em",    "span",
                                                   "font", "u",   "code",   "tt",  "small", "big",
                                                   "sup",  "sub", "nobr",   "abbr"};
constexpr std::size_t kTitleBytes = 160;  // a line, also in a script of three bytes a sign

bool HoldsOnlyInlineText(const xmlNode* element, int depth) {
    if (depth > 20) return false;
    for (const xmlNode* child = element->children; child != nullptr; child = child->next) {
        if (!html::IsElement(child)) continue;
        if (!OneOf(html::Name(child), kInline) || !HoldsOnlyInlineText(child, depth + 1))
            return false;
    }
    return true;
}

bool StyledBold(const xmlNode* element) {
    const std::string name = html::Name(element);
    return name == "b" || name == "strong" ||
           html::Attribute(element, "style").find("font-weight: bold") != std::string::npos;
}

// Bold text of a line at most, set in inline elements only.
bool IsBoldLine(xmlNode* element) {
    if (!HoldsOnlyInlineText(element, 0)) return false;
    const std::string content = html::TextContent(element);
    const std::string_view text = platform::Trim(content);
    if (text.empty() || text.size() > kTitleBytes) return false;
    if (StyledBold(element)) return true;
    // Or all of its text in one bold element, after the anchors that open it.
    xmlNode* child = FirstContent(element);
    while (IsLoneAnchor(child)) child = NextContent(child);
    return html::IsElement(child) && NextContent(child) == nullptr && StyledBold(child) &&
           platform::Trim(html::TextContent(child)) == text;
}

// A line of bold text standing alone as a paragraph or division: a title
// the page sets without a heading element (Doxygen's, Help & Manual's).
bool IsTitleLine(xmlNode* element) {
    const std::string name = html::Name(element);
    return (name == "div" || name == "p") && IsBoldLine(element);
}

bool HoldsTitleLine(xmlNode* element, int depth) {
    if (depth > 20) return false;
    for (xmlNode* child = element->children; child != nullptr; child = child->next)
        if (IsTitleLine(child) ||
            (OneOf(html::Name(child), kLookedInto) && HoldsTitleLine(child, depth + 1)))
            return true;
    return false;
}

// A table of one cell round a title and little else: the band a page's
// title sits in, or a boxed division holding it.
bool IsTitleBox(xmlNode* table) {
    xmlNode* row = FirstRow(table);
    xmlNode* cell = row != nullptr ? FirstContent(row) : nullptr;
    if (!html::IsElement(cell) || NextContent(cell) != nullptr || NextContent(row) != nullptr ||
        (row->parent != table && NextContent(row->parent) != nullptr))
        return false;
    return platform::Trim(html::TextContent(table)).size() <= 2 * kTitleBytes &&
           (IsBoldLine(cell) || HoldsTitleLine(cell, 0));
}

// Whether text, a picture or a table comes after `node` before the end of
// `top`: a bold line that ends the page is its footer, not a title.
bool FollowedByContent(const xmlNode* node, const xmlNode* top) {
    for (; node != nullptr && node != top; node = node->parent)
        for (const xmlNode* next = node->next; next != nullptr; next = next->next) {
            const std::string name = html::Name(next);
            if (name == "img" || name == "table" ||
                !platform::Trim(html::TextContent(next)).empty())
                return true;
        }
    return false;
}

// Title lines and title boxes in the flow of `top`, outside tables and
// lists. A title division holds nothing a paragraph would not and becomes one.
void KeepTitlesWithText(xmlNode* element, const xmlNode* top, int depth) {
    if (depth > kMaxDepth) return;
    for (xmlNode* child = element->children; child != nullptr; child = child->next) {
        if (!html::IsElement(child)) continue;
        const std::string name = html::Name(child);
        if (IsTitleLine(child) && FollowedByContent(child, top)) {
            xmlNodeSetName(child, BAD_CAST "p");
            AddDeclaration(child, kKeepWithNext);
        } else if (name == "table" && IsTitleBox(child) && FollowedByContent(child, top)) {
            AddDeclaration(child, kKeepWithNext);
        } else if (OneOf(name, kLookedInto)) {
            KeepTitlesWithText(child, top, depth + 1);
        }
    }
}

}  // namespace

void KeepHeadingsWithText(xmlNode* element) {
    KeepWithText(element, 0);
    KeepTitlesWithText(element, element, 0);
}

xmlNode* StartOnNewPage(xmlNode* body) {
    xmlNode* node = body;
    for (int depth = 0; depth < 20; ++depth) {
        xmlNode* first = FirstContent(node);
        if (!html::IsElement(first)) break;
        const std::string name = html::Name(first);
        if (OneOf(name, kTakesBreak)) {
            AddDeclaration(first, kBreak);
            return nullptr;
        }
        if (!OneOf(name, kLookedInto)) break;
        node = first;
    }
    xmlNode* paragraph = xmlNewDocNode(body->doc, nullptr, BAD_CAST "p", nullptr);
    html::SetAttribute(paragraph, "style", std::string(kBreak) + "; margin: 0");
    if (body->children != nullptr)
        xmlAddPrevSibling(body->children, paragraph);
    else
        xmlAddChild(body, paragraph);
    return paragraph;
}
