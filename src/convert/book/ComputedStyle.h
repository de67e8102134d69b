#pragma once
// The style one element of a topic has once its cascade is resolved, kept
// in the terms the office's HTML import understands, and the declarations
// that give it to the element in the book.

#include <array>
#include <string>

struct ComputedStyle {
    enum class Display { None, Block, Inline, ListItem, Table, TablePart };
    Display display = Display::Block;
    // Inherited by the element's content.
    std::string color;       // "#rrggbb", empty when no rule sets one
    std::string fontFamily;  // as the sheet lists it, empty when no rule sets one
    double fontSizePt = 12;
    bool bold = false;
    bool italic = false;
    std::string textAlign;  // empty for the start of the line
    // The element's own, in points; sides in the order top, right, bottom, left.
    std::string backgroundColor;        // empty when transparent
    std::string textDecoration;         // "underline", "line-through" or empty
    std::array<double, 4> margin{};     //
    std::array<double, 4> padding{};    //
    std::array<std::string, 4> border;  // "1pt solid #rrggbb", empty for none
    bool keepsSpaces = false;           // white-space pre or pre-wrap
    std::string listStyle;              // a list's marker other than its name's own
};

// The declarations of a style= attribute giving `style` to an element. A
// block takes its font, colour and box whatever they are, and its weight and
// slant where they differ from `plain`, what the office gives the element of
// that name (bold for "h1"); an inline element only what differs from
// `around`, its surrounding text's style with what its name gives (bold for "b").
std::string BlockDeclarations(const ComputedStyle& style, const ComputedStyle& plain);
std::string InlineDeclarations(const ComputedStyle& style, const ComputedStyle& around);
