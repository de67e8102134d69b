#pragma once
// Replacing every occurrence of one text by another, left to right; what a
// replacement puts in is not searched again.

#include <string>
#include <string_view>

namespace platform {

std::string ReplaceAll(std::string text, std::string_view from, std::string_view to);

}  // namespace platform
