#include "convert/book/PageFlow.h"

#include <libxml/tree.h>

#include <array>
#include <string>
#include <string_view>

#include "convert/book/HtmlPage.h"

namespace {

constexpr std::string_view kBreak = "page-break-before: always";

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

// The first child that is not blank text.
xmlNode* FirstContent(xmlNode* node) {
    xmlNode* child = node->children;
    while (child != nullptr && html::IsText(child) &&
           html::TextContent(child).find_first_not_of(" \t\r\n") == std::string::npos)
        child = child->next;
    return child;
}

void AddBreak(xmlNode* element) {
    std::string style = html::Attribute(element, "style");
    if (!style.empty()) style += "; ";
    html::SetAttribute(element, "style", style + std::string(kBreak));
}

}  // namespace

xmlNode* StartOnNewPage(xmlNode* body) {
    xmlNode* node = body;
    for (int depth = 0; depth < 20; ++depth) {
        xmlNode* first = FirstContent(node);
        if (!html::IsElement(first)) break;
        const std::string name = html::Name(first);
        if (OneOf(name, kTakesBreak)) {
            AddBreak(first);
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
