#include "convert/book/ComputedStyle.h"

#include <charconv>

namespace {

constexpr const char* kSides[] = {"top", "right", "bottom", "left"};

std::string Points(double value) {
    char buffer[32];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
    std::string text(buffer, result.ptr);
    while (!text.empty() && text.back() == '0') text.pop_back();
    if (!text.empty() && text.back() == '.') text.pop_back();
    return (text == "-0" ? "0" : text) + "pt";
}

void Add(std::string& out, const char* property, const std::string& value) {
    if (!out.empty()) out += "; ";
    out += property;
    out += ": ";
    out += value;
}

// The properties the content inherits: those that differ from `around`, and
// the font and colour in any case when `all`. Weight and slant are left to
// the office where it shows them so already: its bold and italic of "b" and
// "em" would lose against a "normal" written on their paragraph.
void AddInherited(std::string& out, const ComputedStyle& style, const ComputedStyle& around,
                  bool all) {
    if (!style.fontFamily.empty() && (all || style.fontFamily != around.fontFamily))
        Add(out, "font-family", style.fontFamily);
    if (all || style.fontSizePt != around.fontSizePt)
        Add(out, "font-size", Points(style.fontSizePt));
    if (style.bold != around.bold) Add(out, "font-weight", style.bold ? "bold" : "normal");
    if (style.italic != around.italic) Add(out, "font-style", style.italic ? "italic" : "normal");
    if (!style.color.empty() && (all || style.color != around.color))
        Add(out, "color", style.color);
}

void AddOwn(std::string& out, const ComputedStyle& style) {
    if (!style.backgroundColor.empty()) Add(out, "background-color", style.backgroundColor);
    for (int side = 0; side < 4; ++side) {
        if (!style.border[side].empty())
            Add(out, ("border-" + std::string(kSides[side])).c_str(), style.border[side]);
        if (style.padding[side] != 0)
            Add(out, ("padding-" + std::string(kSides[side])).c_str(), Points(style.padding[side]));
    }
}

}  // namespace

std::string BlockDeclarations(const ComputedStyle& style, const ComputedStyle& plain) {
    std::string out;
    AddInherited(out, style, plain, true);
    if (!style.textDecoration.empty()) Add(out, "text-decoration", style.textDecoration);
    if (!style.textAlign.empty()) Add(out, "text-align", style.textAlign);
    // The office spaces paragraphs by its own measure unless told.
    for (int side = 0; side < 4; ++side)
        if (side % 2 == 0 || style.margin[side] != 0)
            Add(out, ("margin-" + std::string(kSides[side])).c_str(), Points(style.margin[side]));
    AddOwn(out, style);
    if (style.keepsSpaces) Add(out, "white-space", "pre-wrap");
    if (!style.listStyle.empty()) Add(out, "list-style-type", style.listStyle);
    return out;
}

std::string InlineDeclarations(const ComputedStyle& style, const ComputedStyle& around) {
    std::string out;
    AddInherited(out, style, around, false);
    if (style.textDecoration != around.textDecoration)
        Add(out, "text-decoration", style.textDecoration.empty() ? "none" : style.textDecoration);
    AddOwn(out, style);
    return out;
}
