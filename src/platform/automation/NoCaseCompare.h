#pragma once
// Comparison of member names, ProgIDs and class identifiers, which automation
// treats without regard to letter case (ASCII folding only).

#include <string>
#include <string_view>

namespace platform {

char foldAsciiCase(char c);
bool equalsNoCase(std::string_view a, std::string_view b);

struct NoCaseLess {
    using is_transparent = void;  // lets maps be searched with a string_view
    bool operator()(std::string_view a, std::string_view b) const;
};

}  // namespace platform
