#pragma once
// One pattern compiled by PCRE2 with JavaScript-like rules (the dialect of the
// platform's regular-expression object), and the search for its matches.
//
// Subjects are bytes. A subject that is valid UTF-8 is matched in UTF mode (so
// "." and case folding work on whole characters); any other subject, such as
// the raw bytes of a help file, is matched byte by byte with a second,
// byte-mode compilation of the same pattern. Offsets are byte offsets.
//
// Hostile patterns and subjects are bounded: PCRE2's match, depth and heap
// limits cap one attempt, and the search runs in slices of start positions
// with a time limit checked between slices, so that even a quadratic scan of a
// long binary text ends with an error instead of running on.

#include <chrono>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct PatternOptions {
    bool ignoreCase = false;
    bool multiline = false;
};

struct CapturedGroup {
    std::size_t begin = 0;
    std::size_t end = 0;
    bool matched = false;
};

// Group 0 is the whole match, then one entry per capturing group.
using FoundMatch = std::vector<CapturedGroup>;

class CompiledPattern {
public:
    // Throws the script error for an invalid pattern (5017..5021).
    CompiledPattern(const std::string& pattern, PatternOptions options);
    ~CompiledPattern();
    CompiledPattern(const CompiledPattern&) = delete;
    CompiledPattern& operator=(const CompiledPattern&) = delete;

    // The first match only, or every match left to right (an empty match
    // moves the search on by one character). Throws a script error when a
    // limit is reached. Not safe to call from two threads at once.
    std::vector<FoundMatch> find(std::string_view subject, bool global);

    // The time one call of find() may take (process-wide; tests shorten it).
    static std::chrono::milliseconds timeLimit();
    static void setTimeLimit(std::chrono::milliseconds limit);

private:
    struct Code;
    Code& codeFor(bool utf8Subject);

    std::string pattern_;
    PatternOptions options_;
    std::unique_ptr<Code> utf8Code_;  // absent when the pattern is not UTF-8
    std::unique_ptr<Code> byteCode_;  // compiled when first needed
};

}  // namespace platform
