#pragma once
// How big the book draws a picture, as a browser sizes it: the width and
// height the page asks for (attributes, or the style attribute's width and
// height, which win), one side alone keeping the picture's proportions,
// else the picture's pixels at 96 to the inch. It is scaled down, never up,
// to fit the room it has; never stretched in one direction only.
//
// Measured on LibreOffice 7.4 with the book as the converter loads it: a
// picture without a size is laid out before its file is read and keeps the
// import's stand-in size of 2 x 1 cm (a 354 x 391 screenshot 0.79 x 0.39
// inch), and a picture with one side given keeps the stand-in's other side.
// Both sides as width and height attributes in pixels, or as the style's
// width and height in px, pt or in, are drawn as given, at 96 pixels to the
// inch. So the book writes both sides as pixel attributes.

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "convert/book/PictureHeader.h"

typedef struct _xmlNode xmlNode;

// A size in CSS pixels (96 to the inch).
struct PictureBox {
    double Width = 0;
    double Height = 0;
};

// The room for pictures on the office's page for HTML: A4 or Letter by its
// locale (the narrower width and the shorter height of the two), margins of
// 2 cm on the left and 1 cm elsewhere.
constexpr PictureBox kTextArea{680, 980};

struct CssLength {
    double Value = 0;
    bool Percent = false;  // a share of the width of the room
};

// "200", "200px", "12pt", "2em", "1in", "2.5cm", "10mm", "50%"; nothing for
// "auto", negative numbers and anything else.
std::optional<CssLength> ParseCssLength(std::string_view text);

// The value of the last declaration of a property in a style attribute.
std::string StyleProperty(std::string_view style, std::string_view property);
// The style attribute without the declarations of these properties.
std::string StyleWithout(std::string_view style, std::initializer_list<std::string_view> names);

struct PictureRequest {
    std::optional<CssLength> Width, Height;
    std::optional<PixelSize> Pixels;  // from the file's header
};

// Nothing when the size cannot be told (no pixel size and not both sides).
std::optional<PictureBox> DrawnPictureSize(const PictureRequest& request, PictureBox room);

// The room of a picture element: the text area, less what the other cells
// of each table row around it need at the least (their widest word or
// picture), as a browser narrows cells that ask for more.
PictureBox RoomOfPicture(const xmlNode* picture, PictureBox textArea);

// Gives the picture element width and height attributes of its drawn size
// and takes width and height out of its style. Leaves it alone when the
// size cannot be told. False when the page draws it with no width or height:
// a browser shows nothing of it.
bool SetDrawnSize(xmlNode* picture, const std::optional<PixelSize>& pixels);
