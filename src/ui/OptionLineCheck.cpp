#include "ui/OptionLineCheck.h"

#include <QCoreApplication>
#include <map>

#include "core/OptionList.h"
#include "core/OptionParsers.h"
#include "platform/text/AsciiText.h"

namespace ui {
namespace {

// The context lupdate files these texts under.
struct OptionLineTexts {
    Q_DECLARE_TR_FUNCTIONS(OptionLineTexts)
};

// The window's controls once kept their values under their own name and
// property ("eSource.Text"); the project still takes such a line over.
bool IsOlderControlKey(std::string_view key) {
    const auto dot = key.find('.');
    return dot != std::string_view::npos && dot > 1 &&
           options::FindOption(key.substr(1, dot - 1)) != nullptr;
}

QString Quoted(const std::string& text) { return "\"" + QString::fromStdString(text) + "\""; }

QString BooleanText(bool value) { return value ? "True" : "False"; }

// The parsed form of a value that parses; empty for one that does not.
QString ParsedValue(const options::OptionInfo& option, const std::string& value) {
    using options::OptionKind;
    switch (option.kind) {
        case OptionKind::Boolean:
            return BooleanText(*options::ParseBoolean(value));
        case OptionKind::Integer:
            return QString::number(*options::ParseInteger(value));
        case OptionKind::Overwrite:
            if (platform::EqualsNoCase(value, "skip")) return "skip";
            return BooleanText(*options::ParseBoolean(value));
        case OptionKind::Choice:
            for (const char* choice : option.choices)
                if (platform::EqualsNoCase(value, choice)) return choice;
            return QString::fromStdString(value);
        case OptionKind::Text:
        case OptionKind::Shard:
            return QString::fromStdString(value);
    }
    return QString::fromStdString(value);
}

bool ReadsTrue(const std::vector<std::string>& lines, std::string_view key) {
    return options::ParseBoolean(options::Read(lines, key)).value_or(false);
}

}  // namespace

std::vector<OptionLineProblem> CheckOptionLines(const std::vector<std::string>& lines) {
    std::vector<OptionLineProblem> problems;
    std::map<std::string, int> firstLineOf;  // lower-cased key
    for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
        const std::string& line = lines[static_cast<size_t>(i)];
        const auto key = options::KeyOf(line);
        if (!key) continue;  // no "=": kept, never read
        const std::string keyText(*key);
        const auto [first, isFirst] = firstLineOf.emplace(platform::ToLowerAscii(keyText), i);
        const options::OptionInfo* option = options::FindOption(keyText);
        OptionLineProblem problem{i, OptionLineProblem::Kind::UnknownKey, keyText, {}, -1, {}};
        if (!option && !IsOlderControlKey(keyText)) {
            problem.closestKey = options::ClosestKey(keyText).value_or(std::string());
            problems.push_back(problem);
            continue;
        }
        if (!isFirst) {
            problem.kind = OptionLineProblem::Kind::DuplicateKey;
            problem.firstLine = first->second;
            problems.push_back(problem);
            continue;
        }
        if (!option) continue;
        const std::string value = line.substr(keyText.size() + 1);
        if (const auto expected = options::ValueProblem(*option, value)) {
            problem.kind = OptionLineProblem::Kind::BadValue;
            problem.expected = *expected;
            problems.push_back(problem);
        }
    }
    return problems;
}

QString ProblemText(const OptionLineProblem& problem) {
    const QString where = OptionLineTexts::tr("line %1").arg(problem.line + 1);
    switch (problem.kind) {
        case OptionLineProblem::Kind::UnknownKey:
            if (problem.closestKey.empty())
                return OptionLineTexts::tr("%1: %2 is not a known option")
                    .arg(where, Quoted(problem.key));
            return OptionLineTexts::tr("%1: %2 is not a known option; did you mean %3?")
                .arg(where, Quoted(problem.key), Quoted(problem.closestKey));
        case OptionLineProblem::Kind::DuplicateKey:
            return OptionLineTexts::tr("%1: %2 is given again; only line %3 is read")
                .arg(where, Quoted(problem.key))
                .arg(problem.firstLine + 1);
        case OptionLineProblem::Kind::BadValue: {
            const options::OptionInfo* option = options::FindOption(problem.key);
            const QString fallback =
                option ? QCoreApplication::translate("OptionCatalog", option->defaultText)
                       : QString();
            return OptionLineTexts::tr("%1: %2 %3; the default %4 is used")
                .arg(where, Quoted(problem.key),
                     QCoreApplication::translate("OptionCatalog", problem.expected.c_str()),
                     fallback);
        }
    }
    return where;
}

ValueInUse ValueInUseOf(const options::OptionInfo& option, const std::vector<std::string>& lines) {
    // RunAndClose is true, whatever its own line says, with PureConsole or a
    // Daemon interval.
    if (platform::EqualsNoCase(option.key, "RunAndClose") && !ReadsTrue(lines, "RunAndClose") &&
        (ReadsTrue(lines, "PureConsole") ||
         options::ParseInteger(options::Read(lines, "Daemon")).value_or(0) > 0))
        return {"True", true};
    const std::string value = options::Read(lines, option.key);
    if (!value.empty() && !options::ValueProblem(option, value))
        return {ParsedValue(option, value), false};
    return {QCoreApplication::translate("OptionCatalog", option.defaultText), true};
}

}  // namespace ui
