#include "convert/book/CodeBlocks.h"

#include <libxml/tree.h>

#include <string>
#include <string_view>
#include <vector>

#include "convert/book/HtmlPage.h"
#include "platform/text/AsciiText.h"

namespace {

constexpr std::size_t kTabColumns = 8;
// Past this depth a page is hostile; the rewriter has cut deeper content.
constexpr int kMaxDepth = 500;
constexpr std::string_view kNoBreakSpace = "\xC2\xA0";
// What a browser's own sheet gives a <pre>; the element's style follows and wins.
constexpr std::string_view kCodeStyle =
    "font-family: monospace; font-size: 13px; margin-top: 1em; margin-bottom: 1em";

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

bool KeepsWhiteSpace(const xmlNode* element) {
    std::string style = platform::ToLowerAscii(html::Attribute(element, "style"));
    std::erase(style, ' ');
    return style.find("white-space:pre") != std::string::npos;
}

bool IsCodeBlock(const xmlNode* element) {
    const std::string name = html::Name(element);
    return name == "pre" || ((name == "div" || name == "p") && KeepsWhiteSpace(element));
}

bool IsBlank(const xmlNode* text) {
    return html::TextContent(text).find_first_not_of(" \t\r\n") == std::string::npos;
}

// Two or more code lines and nothing else but blanks.
bool IsBlockOfCodeLines(const xmlNode* element) {
    int lines = 0;
    for (const xmlNode* child = element->children; child != nullptr; child = child->next) {
        if (html::IsElement(child) && IsCodeBlock(child) && html::Name(child) != "pre")
            ++lines;
        else if (!(html::IsText(child) && IsBlank(child)))
            return false;
    }
    return lines >= 2;
}

// The code lines become the block's own content, with a line end between them.
void MergeLines(xmlNode* block) {
    for (xmlNode* child = block->children; child != nullptr;) {
        xmlNode* next = child->next;
        if (html::IsText(child)) {
            html::Remove(child);
        } else {
            if (next != nullptr) xmlAddNextSibling(child, xmlNewDocText(block->doc, BAD_CAST "\n"));
            html::Unwrap(child);
        }
        child = next;
    }
}

void CollectText(xmlNode* element, std::vector<xmlNode*>& texts, int depth) {
    if (depth > kMaxDepth) return;
    for (xmlNode* child = element->children; child != nullptr; child = child->next) {
        if (html::IsText(child))
            texts.push_back(child);
        else if (html::IsElement(child))
            CollectText(child, texts, depth + 1);
    }
}

// A space between two other characters of the text stays one the office may
// break the line at; the others would be folded and become no-break spaces.
void AppendLine(std::string& line, std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool between =
            i > 0 && text[i - 1] != ' ' && i + 1 < text.size() && text[i + 1] != ' ';
        if (text[i] != ' ' || between)
            line += text[i];
        else
            line += kNoBreakSpace;
    }
}

// Splits `text` at its line ends, tabs expanded from `column`, which is left
// at the column the text ends on.
std::vector<std::string> Lines(const std::string& text, std::size_t& column) {
    std::vector<std::string> lines(1);
    std::string plain;
    const auto flush = [&] {
        AppendLine(lines.back(), plain);
        plain.clear();
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            flush();
            lines.emplace_back();
            column = 0;
        } else if (c == '\t') {
            const std::size_t spaces = kTabColumns - column % kTabColumns;
            plain.append(spaces, ' ');
            column += spaces;
        } else {
            plain += c;
            if (!IsContinuationByte(c)) ++column;
        }
    }
    flush();
    return lines;
}

void SetText(xmlNode* text, const std::string& value) {
    xmlNodeSetContentLen(text, BAD_CAST value.data(), static_cast<int>(value.size()));
}

void BreakLines(xmlNode* text, std::size_t& column) {
    const std::vector<std::string> lines = Lines(html::TextContent(text), column);
    SetText(text, lines.front());
    xmlNode* last = text;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        last = xmlAddNextSibling(last, xmlNewDocNode(text->doc, nullptr, BAD_CAST "br", nullptr));
        if (!lines[i].empty())
            last = xmlAddNextSibling(last, xmlNewDocTextLen(text->doc, BAD_CAST lines[i].data(),
                                                            static_cast<int>(lines[i].size())));
    }
}

// A browser shows neither the line end right after <pre> nor the one right
// before </pre>.
void TrimOuterLineEnds(const std::vector<xmlNode*>& texts) {
    std::string first = html::TextContent(texts.front());
    if (first.rfind("\r\n", 0) == 0)
        first.erase(0, 2);
    else if (!first.empty() && first.front() == '\n')
        first.erase(0, 1);
    SetText(texts.front(), first);
    std::string last = html::TextContent(texts.back());
    if (!last.empty() && last.back() == '\n') last.pop_back();
    if (!last.empty() && last.back() == '\r') last.pop_back();
    SetText(texts.back(), last);
}

void WriteAsParagraph(xmlNode* block) {
    std::vector<xmlNode*> texts;
    CollectText(block, texts, 0);
    if (!texts.empty()) TrimOuterLineEnds(texts);
    std::size_t column = 0;
    for (xmlNode* text : texts) BreakLines(text, column);
    const std::string own = html::Attribute(block, "style");
    html::SetAttribute(block, "style", std::string(kCodeStyle) + (own.empty() ? "" : "; " + own));
    xmlNodeSetName(block, BAD_CAST "p");
}

void Visit(xmlNode* element, int depth) {
    if (depth > kMaxDepth) return;
    if (IsBlockOfCodeLines(element)) {
        MergeLines(element);
        WriteAsParagraph(element);
        return;
    }
    if (IsCodeBlock(element)) {
        WriteAsParagraph(element);
        return;
    }
    for (xmlNode* child = element->children; child != nullptr; child = child->next)
        if (html::IsElement(child)) Visit(child, depth + 1);
}

}  // namespace

void LayOutCodeBlocks(xmlNode* element) {
    if (html::IsElement(element)) Visit(element, 0);
}
