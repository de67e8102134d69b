#pragma once
// Byte-level helpers for texts that may or may not be UTF-8 (file names are,
// the bytes of a help file usually are not). The validity check lives in
// platform/text/TextEncoding.h.

#include <cstddef>
#include <string_view>

namespace platform {

// The first offset after `offset` that starts a character: the next byte when
// the text is treated as bytes, else the next UTF-8 lead byte (or the end).
std::size_t NextCharacterStart(std::string_view text, std::size_t offset, bool utf8);

}  // namespace platform
