#include "core/OptionParsers.h"

#include <cstdint>
#include <limits>

#include "core/OptionList.h"
#include "platform/text/AsciiText.h"

namespace options {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexDigit(char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

void SkipBlanks(std::string_view text, std::size_t& i) {
    while (i < text.size() && text[i] == ' ') ++i;
}

// Reads a run of digits from i; tells whether one of them was not zero.
std::size_t Digits(std::string_view text, std::size_t& i, bool& nonZero) {
    const std::size_t start = i;
    for (; i < text.size() && IsDigit(text[i]); ++i)
        if (text[i] != '0') nonZero = true;
    return i - start;
}

// Whether the whole text is a decimal number, and whether it is non-zero.
// Only the mantissa decides zero-ness, so no value can overflow.
std::optional<bool> DecimalNonZero(std::string_view text) {
    std::size_t i = 0;
    SkipBlanks(text, i);
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    bool nonZero = false;
    std::size_t mantissa = Digits(text, i, nonZero);
    if (i < text.size() && text[i] == '.') {
        ++i;
        mantissa += Digits(text, i, nonZero);
    }
    if (mantissa == 0) return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        bool ignored = false;
        if (Digits(text, i, ignored) == 0) return std::nullopt;
    }
    SkipBlanks(text, i);
    if (i != text.size()) return std::nullopt;
    return nonZero;
}

}  // namespace

std::optional<bool> ParseBoolean(std::string_view text) {
    if (const auto number = DecimalNonZero(text)) return *number;
    if (platform::EqualsNoCase(text, "True")) return true;
    if (platform::EqualsNoCase(text, "False")) return false;
    return std::nullopt;
}

std::optional<int> ParseInteger(std::string_view text) {
    std::size_t i = 0;
    SkipBlanks(text, i);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' &&
               (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    const std::int64_t limit = base == 16 ? 0xFFFFFFFFLL : std::int64_t{1} << 31;
    std::int64_t value = 0;
    const std::size_t first = i;
    for (; i < text.size(); ++i) {
        const int digit = base == 16 ? HexDigit(text[i]) : (IsDigit(text[i]) ? text[i] - '0' : -1);
        if (digit < 0) return std::nullopt;
        value = value * base + digit;
        if (value > limit) return std::nullopt;
    }
    if (i == first) return std::nullopt;
    if (base == 16) value = static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
    if (negative) value = -value;
    if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min())
        return std::nullopt;
    return static_cast<int>(value);
}

}  // namespace options
