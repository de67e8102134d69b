#include "convert/book/BoxedBlocks.h"

#include <libxml/tree.h>

#include <string>
#include <string_view>
#include <vector>

#include "convert/book/HtmlPage.h"
#include "platform/text/AsciiText.h"

namespace {

struct Declaration {
    std::string property;
    std::string value;
};

std::vector<Declaration> Declarations(const std::string& style) {
    std::vector<Declaration> out;
    std::size_t start = 0;
    while (start < style.size()) {
        auto end = style.find(';', start);
        if (end == std::string::npos) end = style.size();
        const std::string_view item = std::string_view(style).substr(start, end - start);
        if (const auto colon = item.find(':'); colon != std::string_view::npos)
            out.push_back({std::string(platform::Trim(item.substr(0, colon))),
                           std::string(platform::Trim(item.substr(colon + 1)))});
        start = end + 1;
    }
    return out;
}

std::string StyleOf(const std::vector<Declaration>& declarations) {
    std::string out;
    for (const Declaration& declaration : declarations)
        out += (out.empty() ? "" : "; ") + declaration.property + ": " + declaration.value;
    return out;
}

bool IsBorder(const Declaration& declaration) { return declaration.property.starts_with("border"); }

// A white background on the white page is no box.
bool IsBoxed(const std::vector<Declaration>& declarations) {
    for (const Declaration& declaration : declarations)
        if (IsBorder(declaration) ||
            (declaration.property == "background-color" && declaration.value != "#ffffff"))
            return true;
    return false;
}

bool HoldsHeading(const xmlNode* element) {
    for (const xmlNode* child = element->children; child != nullptr; child = child->next) {
        if (html::IsHeading(child) || HoldsHeading(child)) return true;
    }
    return false;
}

bool ShowsSomething(const xmlNode* element) {
    for (const xmlNode* child = element->children; child != nullptr; child = child->next) {
        if (html::IsText(child) &&
            html::TextContent(child).find_first_not_of(" \t\r\n\xC2\xA0") != std::string::npos)
            return true;
        if (html::IsElement(child) && (html::Name(child) == "img" || ShowsSomething(child)))
            return true;
    }
    return false;
}

void CollectDivisions(xmlNode* element, std::vector<xmlNode*>& divisions) {
    for (xmlNode* child = element->children; child != nullptr; child = child->next) {
        if (!html::IsElement(child)) continue;
        if (html::Name(child) == "div") divisions.push_back(child);
        CollectDivisions(child, divisions);
    }
}

// The division becomes the cell; its margins go to the table round it.
void MakeCell(xmlNode* division, const std::vector<Declaration>& declarations) {
    std::vector<Declaration> outside;
    std::vector<Declaration> inside;
    for (const Declaration& declaration : declarations)
        (declaration.property.starts_with("margin") ? outside : inside).push_back(declaration);
    xmlNode* table = xmlNewDocNode(division->doc, nullptr, BAD_CAST "table", nullptr);
    xmlNode* row = xmlNewDocNode(division->doc, nullptr, BAD_CAST "tr", nullptr);
    xmlAddPrevSibling(division, table);
    xmlAddChild(table, row);
    xmlUnlinkNode(division);
    xmlAddChild(row, division);
    xmlNodeSetName(division, BAD_CAST "td");
    html::SetAttribute(table, "width", "100%");
    html::SetAttribute(table, "cellspacing", "0");
    html::SetAttribute(table, "cellpadding", "0");
    if (!outside.empty()) html::SetAttribute(table, "style", StyleOf(outside));
    html::SetAttribute(division, "style", StyleOf(inside));
}

}  // namespace

void DrawBoxedBlocks(xmlNode* element) {
    std::vector<xmlNode*> divisions;
    CollectDivisions(element, divisions);
    for (xmlNode* division : divisions) {
        std::vector<Declaration> declarations = Declarations(html::Attribute(division, "style"));
        if (!IsBoxed(declarations) || !ShowsSomething(division)) continue;
        if (!HoldsHeading(division)) {
            MakeCell(division, declarations);
            continue;
        }
        std::erase_if(declarations, IsBorder);
        html::SetAttribute(division, "style", StyleOf(declarations));
    }
}
