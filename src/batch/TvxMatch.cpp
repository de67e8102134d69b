#include "batch/TvxMatch.h"

#include <utility>

#include "platform/text/TextReplace.h"
#include "regex/VBScriptRegex.h"

TvxMatchBase* vxMatch = nullptr;

bool TvxMatchBase::MatchName(const std::string&, const std::string&) { return true; }

bool TvxMatch::MatchName(const std::string& fileName, const std::string& pattern) {
    // The automation layer needs no per-thread start-up on this platform, so
    // the search thread can create regular-expression objects as it is.
    try {
        return vbregex::Regex::IsMatch(pattern, vbregex::IgnoreCase, fileName);
    } catch (...) {
        return true;
    }
}

std::optional<std::string> PatternProblem(const std::string& pattern) {
    try {
        vbregex::Regex::IsMatch(pattern, vbregex::IgnoreCase, std::string());
        return std::nullopt;
    } catch (const std::exception& error) {
        return std::string(error.what());
    }
}

std::string WildcardToRegex(const std::string& mask) {
    // The order matters: dots are escaped before "*" and "?" bring their own.
    static const std::pair<const char*, const char*> steps[] = {
        {".", "\\."}, {"*", ".*"},  {"?", ".?"},  {"+", "\\+"}, {"^", "\\^"}, {"$", "\\$"},
        {"(", "\\("}, {")", "\\)"}, {"[", "\\["}, {"]", "\\]"}, {"{", "\\{"}, {"}", "\\}"},
    };
    std::string pattern = mask;
    for (const auto& [from, to] : steps)
        pattern = platform::ReplaceAll(std::move(pattern), from, to);
    return pattern + "$";
}
