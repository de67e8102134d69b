#pragma once
// File-name matching for the search: the matcher the batch asks whether a
// found file's full path fits a pattern, and the turning of a wildcard mask
// into a regular expression.

#include <optional>
#include <string>

class TvxMatchBase {
public:
    virtual ~TvxMatchBase() = default;
    // The base takes every name.
    virtual bool MatchName(const std::string& fileName, const std::string& pattern);
};

// Matches with the regular-expression object, letter case ignored, anywhere
// in the name. Holds no state, so one object serves every thread; each call
// makes its own regular-expression object. Any failure (a bad pattern, a
// missing component) answers true, so a broken pattern filters nothing.
class TvxMatch : public TvxMatchBase {
public:
    bool MatchName(const std::string& fileName, const std::string& pattern) override;
};

// The process-wide matcher, created at start-up; without one every name is
// accepted.
extern TvxMatchBase* vxMatch;

// Why `pattern` is no regular expression the matcher can use (such as
// "Expected ']' in regular expression"), or nothing. The matcher itself
// takes every name when a pattern is broken, so this is asked before a run.
std::optional<std::string> PatternProblem(const std::string& pattern);

// "*.chm" gives ".*\.chm$": regex characters of the mask are escaped, "*"
// becomes ".*", "?" becomes ".?", and the result is anchored at the end only.
// Backslash and "|" pass through unchanged.
std::string WildcardToRegex(const std::string& mask);
