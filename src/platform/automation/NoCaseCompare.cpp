#include "platform/automation/NoCaseCompare.h"

#include <algorithm>

namespace platform {

char foldAsciiCase(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool equalsNoCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return foldAsciiCase(x) == foldAsciiCase(y); });
}

bool NoCaseLess::operator()(std::string_view a, std::string_view b) const {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(foldAsciiCase(x)) <
               static_cast<unsigned char>(foldAsciiCase(y));
    });
}

}  // namespace platform
