#include "regex/VBScriptRegex.h"

#include "platform/automation/AutomationCreation.h"
#include "regex/RegexInterface.h"

namespace vbregex {

using platform::AutomationError;
using platform::Variant;

namespace {

// A library failure becomes ERegexException: the table's message when the low
// 16 bits of the code are in the table, else the library's own message; the
// full code is kept. Other exceptions pass unchanged.
template <typename Operation>
auto Converted(Operation&& operation) -> decltype(operation()) {
    try {
        return operation();
    } catch (const AutomationError& error) {
        const std::int32_t lowCode = error.code() & 0xFFFF;
        const TVBScriptErrRec* row = FindScriptError(lowCode);
        throw ERegexException(row ? row->Message : error.what(), error.code());
    }
}

}  // namespace

TRegex::TRegex(platform::ObjectRef object) : object_(RequireInterface(std::move(object))) {}

std::string TRegex::Pattern() const { return object_->get("Pattern").toText(); }

bool TRegex::IgnoreCase() const { return object_->get("IgnoreCase").toBool(); }

bool TRegex::Multiline() const { return object_->get("Multiline").toBool(); }

bool TRegex::IsMatch(const std::string& input) {
    return Converted([&] {
        object_->put("Global", false);
        return object_->call("Test", {input}).toBool();
    });
}

MatchCollectionRef TRegex::Match(const std::string& input) {
    return Converted([&] {
        object_->put("Global", false);
        return std::make_shared<TMatchCollection>(object_->call("Execute", {input}).toObject());
    });
}

MatchCollectionRef TRegex::Matches(const std::string& input) {
    return Converted([&] {
        object_->put("Global", true);
        return std::make_shared<TMatchCollection>(object_->call("Execute", {input}).toObject());
    });
}

std::string TRegex::Replace(const std::string& input, const std::string& replacement) {
    return Converted([&] {
        object_->put("Global", false);
        return object_->call("Replace", {input, Variant(replacement)}).toText();
    });
}

std::string TRegex::ReplaceAll(const std::string& input, const std::string& replacement) {
    return Converted([&] {
        object_->put("Global", true);
        return object_->call("Replace", {input, Variant(replacement)}).toText();
    });
}

RegexRef Regex::Create(const std::string& pattern, RegexOptions options) {
    platform::ObjectRef object = platform::CreateObjectByClassId(RegExpClassId);
    object->put("Pattern", pattern);
    object->put("IgnoreCase", (options & IgnoreCase) != 0);
    object->put("Multiline", (options & Multiline) != 0);
    return std::make_shared<TRegex>(std::move(object));
}

bool Regex::IsMatch(const std::string& pattern, RegexOptions options, const std::string& input) {
    return Create(pattern, options)->IsMatch(input);
}

MatchCollectionRef Regex::Match(const std::string& pattern, const std::string& input) {
    return Create(pattern, None)->Match(input);
}

std::string Regex::Replace(const std::string& pattern, const std::string& input,
                           const std::string& replacement) {
    return Create(pattern, None)->Replace(input, replacement);
}

}  // namespace vbregex
