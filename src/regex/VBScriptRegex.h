#pragma once
// Reference-counted wrappers over the platform's regular-expression automation
// object (created by class identifier), and the class-level one-call helpers
// the program uses. Library failures while matching become ERegexException.

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>

#include "platform/automation/AutomationObject.h"

namespace vbregex {

inline constexpr const char* RegExpClassId = "{3F4DACA4-160D-11D2-A8E9-00104B365C9F}";

class ERegexException : public std::runtime_error {
public:
    ERegexException(const std::string& message, std::int32_t errorCode)
        : std::runtime_error(message), ErrorCode(errorCode) {}
    std::int32_t ErrorCode;
};

// The table of script error codes and their messages, searched from the first row.
struct TVBScriptErrRec {
    std::int32_t Code;
    const char* Message;
};
const TVBScriptErrRec* FindScriptError(std::int32_t lowCode);

enum RegexOption : unsigned { None = 0, IgnoreCase = 1, Multiline = 2 };
using RegexOptions = unsigned;

class TSubMatches;
class TMatch;
class TMatchCollection;
class TRegex;
using SubMatchesRef = std::shared_ptr<TSubMatches>;
using MatchRef = std::shared_ptr<TMatch>;
using MatchCollectionRef = std::shared_ptr<TMatchCollection>;
using RegexRef = std::shared_ptr<TRegex>;

class TSubMatches {
public:
    explicit TSubMatches(platform::ObjectRef object);
    int Count() const;
    platform::Variant Item(int index) const;

private:
    platform::ObjectRef object_;
};

class TMatch {
public:
    explicit TMatch(platform::ObjectRef object);
    std::string Value() const;
    int FirstIndex() const;
    int Length() const;
    SubMatchesRef SubMatches() const;

private:
    platform::ObjectRef object_;
};

class TMatchCollection {
public:
    explicit TMatchCollection(platform::ObjectRef object);
    int Count() const;
    MatchRef Item(int index) const;

private:
    platform::ObjectRef object_;
};

class TRegex {
public:
    explicit TRegex(platform::ObjectRef object);
    std::string Pattern() const;
    bool IgnoreCase() const;
    bool Multiline() const;
    bool IsMatch(const std::string& input);
    MatchCollectionRef Match(const std::string& input);
    MatchCollectionRef Matches(const std::string& input);
    std::string Replace(const std::string& input, const std::string& replacement);
    std::string ReplaceAll(const std::string& input, const std::string& replacement);

private:
    platform::ObjectRef object_;
};

// Every class-level operation creates a fresh library object.
class Regex {
public:
    static RegexRef Create(const std::string& pattern, RegexOptions options);
    static bool IsMatch(const std::string& pattern, RegexOptions options, const std::string& input);
    static MatchCollectionRef Match(const std::string& pattern, const std::string& input);
    static std::string Replace(const std::string& pattern, const std::string& input,
                               const std::string& replacement);
};

}  // namespace vbregex
