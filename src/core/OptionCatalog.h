#pragma once
// Every option key the program reads, with its kind, default and a one-line
// meaning: the one list that the command-line help, the options dialog and
// the checks of a project's option lines are built from.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace options {

enum class OptionKind {
    Text,
    Boolean,
    Integer,
    Choice,     // one of the words in `choices`, any letter case
    Overwrite,  // "skip" or a boolean
    Shard,      // K/N with 0 <= K < N
};

struct OptionInfo {
    const char* key;
    OptionKind kind;
    const char* defaultText;  // as a user reads it in the help
    const char* meaning;      // one line
    std::vector<const char*> choices = {};
};

// The catalogue, in the order the help lists it.
const std::vector<OptionInfo>& OptionCatalog();

// The entry of `key` (any letter case), or nothing for an unknown key.
const OptionInfo* FindOption(std::string_view key);

// Why `value` does not parse as the option's kind, or nothing when it does.
// An empty value always parses: it stands for the default.
std::optional<std::string> ValueProblem(const OptionInfo& option, std::string_view value);

// The known key closest to an unknown one (a letter or two apart, or a case
// slip), for "did you mean" hints; nothing when none is close.
std::optional<std::string> ClosestKey(std::string_view unknown);

}  // namespace options
