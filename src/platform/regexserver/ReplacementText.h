#pragma once
// Expansion of a replacement text for one match, with the platform's rules:
// $1..$99 a captured group (two digits when that group exists, else one),
// $& the match, $` the text before it, $' the text after it, $$ a dollar.
// Any other "$" stays as written; a group that took no part gives nothing.

#include <string>
#include <string_view>

#include "platform/regexserver/CompiledPattern.h"

namespace platform {

void AppendReplacement(std::string& out, std::string_view replacement, std::string_view subject,
                       const FoundMatch& match);

}  // namespace platform
