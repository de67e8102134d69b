#pragma once
// Turning the bytes of a help file into UTF-8. Help files carry their text in
// the code page of their language; everything inside the program is UTF-8.

#include <string>
#include <string_view>

namespace platform {

// Strict check: no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsValidUtf8(std::string_view text);

// The bytes read in `charset` (an iconv name such as "WINDOWS-1251", "CP932"
// or "UTF-8"), as UTF-8. Never fails: a byte sequence the charset does not
// define becomes U+FFFD, and an unknown charset is read as UTF-8.
std::string ToUtf8(std::string_view bytes, const std::string& charset);

// Appends the UTF-8 form of one code point; U+FFFD for surrogates and values
// past U+10FFFF.
void AppendUtf8(std::string& text, char32_t code);

// Whether iconv knows the charset.
bool IsKnownCharset(const std::string& charset);

}  // namespace platform
