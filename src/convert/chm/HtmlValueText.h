#pragma once
// The text of an attribute value of a contents file, as UTF-8. The value is
// bytes in the help file's code page with character references among them;
// in links, percent escapes as well.

#include <string>
#include <string_view>

enum class ReferenceReading {
    AsCharacter,  // "&#233;" is U+00E9, whatever the code page
    AsCodePage,   // below 256 it is the byte 0xE9 of the code page, as HTML Help
                  // (a program of the code page) reads it; above, the character
};

enum class PercentReading {
    Kept,       // "%20" stays as written
    SpaceOnly,  // only "%20" becomes a blank
    All,        // every "%XX" becomes the byte XX of the code page
};

// Decodes `raw` read in `charset`: character references as `references`
// says, percent escapes as `percents` says. Invalid references and code
// points become U+FFFD; bytes the charset does not define as well.
std::string DecodeValueText(std::string_view raw, const std::string& charset,
                            ReferenceReading references,
                            PercentReading percents = PercentReading::Kept);
