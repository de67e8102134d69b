#pragma once
// Pictures of a help file are as untrusted as its pages. The office tells a
// picture's format from its bytes, not its name, and an SVG picture is a
// document of its own that may name other files (<image xlink:href>, <use>,
// filters, style sheets, entities), which the office would read while
// drawing it. So a picture written in markup reaches the book only as a
// cleaned copy that refers to nothing but itself.

#include <optional>
#include <string>
#include <string_view>

enum class PictureKind {
    Plain,    // a format that names no other file (PNG, GIF, JPEG, BMP, ...)
    Markup,   // XML, possibly SVG: only a cleaned copy may be shown
    Refused,  // compressed or PostScript drawings, which are not looked into
};

// What the office would take the picture for, judged by its first bytes.
PictureKind KindOfPicture(std::string_view bytes);

// The SVG document rewritten in UTF-8 without anything that could make the
// office read another file or the network: no DOCTYPE or entities, no
// processing instructions, no scripts, foreign or animation elements, no
// event handlers, no xml:base, no address other than "#place" (and inline
// PNG, JPEG and GIF pictures), and style sheets whose url() lead only to
// places inside the picture. Nothing when the bytes are not an SVG document
// that parses within bounds.
std::optional<std::string> CleanedSvg(std::string_view bytes);
