#include "convert/book/ScriptFilledText.h"

#include <libxml/tree.h>

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "convert/book/HtmlPage.h"
#include "convert/chm/HtmlValueText.h"

namespace {

constexpr std::string_view kCall = "AddLanguageSpecificTextSet(";
constexpr int kMaxDepth = 500;

struct TextSet {
    std::string id;
    std::string values;       // "cs=.|vb=.|cpp=::"
    xmlNode* node = nullptr;  // the element itself, when it carries the values
};

constexpr const char* kValuesAttribute = "data-languageSpecificText";

// The element a set's text goes into: the one carrying the values, else the
// one its id names.
xmlNode* FilledElement(const TextSet& set, const std::unordered_map<std::string, xmlNode*>& byId) {
    if (set.node != nullptr) return set.node;
    const auto found = byId.find(set.id);
    return found == byId.end() ? nullptr : found->second;
}

// The language the body's onload="OnLoad('vb')" asks for, else C#.
std::string PageLanguage(xmlNode* body) {
    const std::string onload = body == nullptr ? std::string() : html::Attribute(body, "onload");
    const auto open = onload.find("OnLoad(");
    if (open == std::string::npos) return "cs";
    const auto start = onload.find_first_of("'\"", open);
    const auto end = start == std::string::npos ? start : onload.find(onload[start], start + 1);
    if (end == std::string::npos || end == start + 1) return "cs";
    return onload.substr(start + 1, end - start - 1);
}

void CollectSets(const std::string& script, std::vector<TextSet>& sets) {
    for (auto at = script.find(kCall); at != std::string::npos; at = script.find(kCall, at + 1)) {
        const auto start = script.find_first_of("'\"", at + kCall.size());
        if (start != at + kCall.size()) continue;
        const auto end = script.find(script[start], start + 1);
        if (end == std::string::npos) return;
        const std::string argument = script.substr(start + 1, end - start - 1);
        const auto question = argument.find('?');
        if (question != std::string::npos && question > 0)
            sets.push_back({argument.substr(0, question), argument.substr(question + 1)});
    }
}

void Walk(xmlNode* node, int depth, std::unordered_map<std::string, xmlNode*>& byId,
          std::vector<TextSet>& sets, xmlNode*& body) {
    if (depth > kMaxDepth) return;
    for (xmlNode* child = node->children; child != nullptr; child = child->next) {
        if (!html::IsElement(child)) continue;
        const std::string name = html::Name(child);
        if (name == "script") {
            CollectSets(html::TextContent(child), sets);
            continue;
        }
        if (name == "body") body = child;
        if (html::HasAttribute(child, "id")) byId.emplace(html::Attribute(child, "id"), child);
        if (html::HasAttribute(child, kValuesAttribute))
            sets.push_back({{}, html::Attribute(child, kValuesAttribute), child});
        Walk(child, depth + 1, byId, sets, body);
    }
}

// The value `language` has in "cs=.|vb=.|nu=.", else the neutral one, else none.
std::string ValueFor(std::string_view values, const std::string& language) {
    std::string neutral;
    while (!values.empty()) {
        const auto bar = values.find('|');
        const std::string_view pair = values.substr(0, bar);
        values = bar == std::string_view::npos ? std::string_view() : values.substr(bar + 1);
        const auto equals = pair.find('=');
        if (equals == std::string_view::npos) continue;
        const std::string_view key = pair.substr(0, equals);
        const std::string_view value = pair.substr(equals + 1);
        if (key == language) return std::string(value);
        if (key == "nu") neutral = value;
    }
    return neutral;
}

// A line break before the span would show as a space between "System" and ".".
void TrimTextBefore(xmlNode* span) {
    xmlNode* before = span->prev;
    if (before == nullptr || !html::IsText(before)) return;
    std::string text = html::TextContent(before);
    const auto end = text.find_last_not_of(" \t\r\n");
    text.erase(end == std::string::npos ? 0 : end + 1);
    xmlNodeSetContentLen(before, BAD_CAST text.data(), static_cast<int>(text.size()));
}

}  // namespace

void FillScriptFilledText(xmlNode* root) {
    if (root == nullptr) return;
    std::unordered_map<std::string, xmlNode*> byId;
    std::vector<TextSet> sets;
    xmlNode* body = nullptr;
    Walk(root, 0, byId, sets, body);
    if (sets.empty()) return;
    const std::string language = PageLanguage(body);
    for (const TextSet& set : sets) {
        xmlNode* span = FilledElement(set, byId);
        if (span == nullptr || span->children != nullptr) continue;
        const std::string text =
            DecodeValueText(ValueFor(set.values, language), "UTF-8", ReferenceReading::AsCharacter);
        if (text.empty()) continue;
        TrimTextBefore(span);
        xmlNodeAddContentLen(span, BAD_CAST text.data(), static_cast<int>(text.size()));
    }
}
