#include "batch/TvxMatch.h"

#include <utility>

#include "regex/VBScriptRegex.h"

TvxMatchBase* vxMatch = nullptr;

bool TvxMatchBase::MatchName(const std::string&, const std::string&) {
    return true;
}

bool TvxMatch::MatchName(const std::string& fileName, const std::string& pattern) {
    // The automation layer needs no per-thread start-up on this platform, so
    // the search thread can create regular-expression objects as it is.
    try {
        return vbregex::Regex::IsMatch(pattern, vbregex::IgnoreCase, fileName);
    } catch (...) {
        return true;
    }
}

namespace {

void ReplaceAll(std::string& text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

}  // namespace

std::string WildcardToRegex(const std::string& mask) {
    // The order matters: dots are escaped before "*" and "?" bring their own.
    static const std::pair<const char*, const char*> steps[] = {
        {".", "\\."}, {"*", ".*"}, {"?", ".?"}, {"+", "\\+"}, {"^", "\\^"}, {"$", "\\$"},
        {"(", "\\("}, {")", "\\)"}, {"[", "\\["}, {"]", "\\]"}, {"{", "\\{"}, {"}", "\\}"},
    };
    std::string pattern = mask;
    for (const auto& [from, to] : steps)
        ReplaceAll(pattern, from, to);
    return pattern + "$";
}
