#pragma once
// The width and height in pixels written in a picture file's header (PNG,
// GIF, JPEG, BMP). The bytes come from a help file: every read is checked
// against their length, and sizes no real picture has are refused. The
// resolution a header may also carry is not read: a page shows a picture at
// its pixel size whatever it says.

#include <optional>
#include <string_view>

struct PixelSize {
    int Width = 0;
    int Height = 0;
};

// Nothing for another format, a cut header, or a zero or huge side.
std::optional<PixelSize> PicturePixelSize(std::string_view bytes);

// The media type ("image/png", "image/gif", "image/jpeg", "image/bmp") of a
// picture whose header gives its size; empty for anything else.
std::string_view PictureMediaType(std::string_view bytes);
