#pragma once
// The options dialog's reading of its text, line by line, against the
// catalogue of option keys: keys the program does not know (with the known
// key closest to each), keys given more than once (only the first line is
// read), and values that do not parse (the default is read instead). Also
// the value the program will use for each known key.

#include <QString>
#include <string>
#include <vector>

#include "core/OptionCatalog.h"

namespace ui {

struct OptionLineProblem {
    enum class Kind { UnknownKey, DuplicateKey, BadValue };

    int line;  // from 0, as the text's lines
    Kind kind;
    std::string key;
    std::string closestKey;  // UnknownKey: a known key a slip away, or empty
    int firstLine = -1;      // DuplicateKey: the line that is read
    std::string expected;    // BadValue: what the option takes
};

std::vector<OptionLineProblem> CheckOptionLines(const std::vector<std::string>& lines);

// One line of text for the user, such as
// `line 2: "ThreadCount" is not a known option; did you mean "ThreadsCount"?`.
QString ProblemText(const OptionLineProblem& problem);

struct ValueInUse {
    QString text;
    bool isDefault;  // no line sets it, or its value does not parse
};

// What the program reads for the option from these lines: the parsed value
// (True/False, a decimal number, the choice as the catalogue spells it) or
// the catalogue's default.
ValueInUse ValueInUseOf(const options::OptionInfo& option, const std::vector<std::string>& lines);

}  // namespace ui
