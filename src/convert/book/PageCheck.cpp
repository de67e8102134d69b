#include "convert/book/PageCheck.h"

#include <libxml/tree.h>

#include "convert/book/HtmlPage.h"

namespace {

// Text pages hold almost no control bytes; a damaged page holds many (zeros,
// or compressed data where the page should be).
constexpr double kMostControlBytes = 0.05;
// Text read in a wrong or damaged encoding is full of replacement characters.
constexpr double kMostUnreadable = 0.25;

bool IsControlByte(unsigned char c) {
    return (c < 0x20 && c != '\t' && c != '\n' && c != '\r' && c != '\f') || c == 0x7F;
}

struct Tally {
    std::size_t chars = 0;
    std::size_t unreadable = 0;
    int pictures = 0;
};

void CountText(const std::string& text, Tally& tally) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == ' ' || (c >= '\t' && c <= '\r') || (c & 0xC0) == 0x80) continue;
        ++tally.chars;
        if (IsControlByte(c) || text.compare(i, 3, "\xEF\xBF\xBD") == 0) ++tally.unreadable;
    }
}

void CountBelow(const xmlNode* node, int depth, Tally& tally) {
    if (depth > 1000) return;
    for (const xmlNode* child = node->children; child; child = child->next) {
        if (html::IsText(child) && child->content != nullptr) {
            CountText(reinterpret_cast<const char*>(child->content), tally);
        } else if (html::IsElement(child)) {
            const std::string name = html::Name(child);
            if (name == "script" || name == "style" || name == "head" || name == "title") continue;
            if (name == "img") ++tally.pictures;
            CountBelow(child, depth + 1, tally);
        }
    }
}

}  // namespace

std::optional<std::string> PageProblem(std::string_view bytes) {
    if (bytes.substr(0, 2) == "\xFF\xFE" || bytes.substr(0, 2) == "\xFE\xFF")
        return std::nullopt;  // UTF-16 text is half zeros
    std::size_t control = 0;
    for (char c : bytes)
        if (IsControlByte(static_cast<unsigned char>(c))) ++control;
    if (bytes.empty()) return "the page is empty";
    if (static_cast<double>(control) > kMostControlBytes * static_cast<double>(bytes.size()))
        return "the page is damaged";
    return std::nullopt;
}

std::optional<std::string> ContentProblem(const HtmlPage& page) {
    Tally tally;
    if (const xmlNode* root = page.Root()) CountBelow(root, 0, tally);
    if (tally.chars == 0 && tally.pictures == 0) return "the page is empty";
    if (static_cast<double>(tally.unreadable) >
            kMostUnreadable * static_cast<double>(tally.chars) &&
        tally.pictures == 0)
        return "the page is damaged";
    return std::nullopt;
}
