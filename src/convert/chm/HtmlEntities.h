#pragma once
// Character references of HTML text: "&amp;", "&#233;", "&#xE9;" and the
// named references of HTML 4 ("&oacute;", "&euro;", "&hellip;"...).

#include <cstddef>
#include <optional>
#include <string_view>

// The character of a named reference given without "&" and ";" ("oacute"),
// matched with its letter case; nothing for an unknown name.
std::optional<char32_t> NamedCharacter(std::string_view name);

struct CharacterReference {
    char32_t Code = 0;       // as written; may be 0, a surrogate or past U+10FFFF
    std::size_t Length = 0;  // bytes from the "&" to the end of the reference
};

// The reference that begins with the "&" at `at`, or nothing when the text
// there is no reference (a lone "&", an unknown name, a name without ";").
// Numeric references may omit the ";".
std::optional<CharacterReference> ReadCharacterReference(std::string_view text, std::size_t at);
