#pragma once
// The two value parsers behind the typed getters. A value that does not parse
// gives nothing, and the getter falls back to its default.

#include <optional>
#include <string_view>

namespace options {

// A decimal number (optional sign, fraction, exponent; blanks around it
// allowed) is true when it is not zero; otherwise "True"/"False" in any
// letter case. Anything else, the empty text included, gives nothing.
std::optional<bool> ParseBoolean(std::string_view text);

// Leading blanks, an optional sign, then decimal digits, or hexadecimal digits
// after "$" or "0x". Nothing may follow. Decimal values must fit in an int;
// hexadecimal ones may use all 32 bits (so $FFFFFFFF is -1).
std::optional<int> ParseInteger(std::string_view text);

}  // namespace options
