#pragma once
// Topics that are no HTML page. A contents entry may point straight at a
// picture or at a text file; a browser shows the picture, or the text as it
// is, and so does the book: such a topic becomes a page holding the picture
// at its own size (the office scales one wider than the page down), or the
// text in a <pre> block.

#include <optional>
#include <string>
#include <string_view>

// The page standing in for the topic file `path` with the content `bytes`:
// a picture is known by its first bytes (GIF, PNG, JPEG, BMP, SVG) whatever
// its name, text by the name ending in ".txt". Nothing for any other topic.
// The page is in the character set of the text (a UTF-8 byte-order mark is
// dropped and gives "UTF-8" in `charset`, else `charset` is left as it is).
std::optional<std::string> PageForPlainTopic(const std::string& path, std::string_view bytes,
                                             std::string& charset);
