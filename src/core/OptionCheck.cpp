#include "core/OptionCheck.h"

#include "core/OptionCatalog.h"
#include "core/OptionList.h"
#include "platform/text/EscapedText.h"

namespace options {

namespace {

// Long texts (a pasted document, a runaway script) are cut for the message.
std::string Shown(std::string_view text) {
    constexpr std::size_t Longest = 200;
    if (text.size() <= Longest) return platform::EscapeControls(text);
    return platform::EscapeControls(text.substr(0, Longest)) + "...";
}

std::string LineWithoutKey(const std::string& line, bool fromCommandLine) {
    std::string note = "Option line \"" + Shown(line) + "\" has no \"=\" and is ignored";
    if (fromCommandLine)
        note +=
            "; on the command line \",\" and \";\" separate options, so no value may hold "
            "them";
    return note;
}

std::string UnknownKey(std::string_view key) {
    std::string note = "Unknown option \"" + Shown(key) + "\" is ignored";
    if (const auto closest = ClosestKey(key)) note += "; did you mean \"" + *closest + "\"?";
    return note;
}

std::string BadValue(const OptionInfo& option, std::string_view value, const std::string& why) {
    return "Option " + std::string(option.key) + "=" + Shown(value) + " " + why;
}

}  // namespace

std::vector<std::string> CheckOptionLines(const std::vector<std::string>& lines,
                                          bool fromCommandLine) {
    std::vector<std::string> warnings;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& line = lines[i];
        const auto key = KeyOf(line);
        if (!key) {
            if (!line.empty()) warnings.push_back(LineWithoutKey(line, fromCommandLine));
            continue;
        }
        const OptionInfo* option = FindOption(*key);
        if (!option) {
            warnings.push_back(UnknownKey(*key));
            continue;
        }
        // Only the first line of a key is read; later ones are not checked.
        if (Find(lines, *key) != static_cast<int>(i)) continue;
        const std::string_view value = std::string_view(line).substr(key->size() + 1);
        // A Shard is checked where it is read (ShardOptionProblem): a bad
        // one keeps the run from starting.
        if (option->kind == OptionKind::Shard) continue;
        if (const auto problem = ValueProblem(*option, value))
            warnings.push_back(BadValue(*option, value, *problem) + "; the default " +
                               option->defaultText + " is used");
    }
    return warnings;
}

}  // namespace options
