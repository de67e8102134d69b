#include "core/TvxUsage.h"

#include <sstream>
#include <vector>

#include "core/OptionCatalog.h"
#include "core/TvxProject.h"

namespace {

constexpr std::size_t Width = 79;
constexpr std::size_t KeyColumn = 20;

// `text` broken at blanks into lines of at most Width, every line after the
// first indented by `indent`; `unbroken` follows as one piece.
std::string Wrapped(const std::string& text, const std::string& unbroken, std::size_t indent) {
    std::istringstream split(text);
    std::vector<std::string> words;
    for (std::string word; split >> word;) words.push_back(word);
    if (!unbroken.empty()) words.push_back(unbroken);
    std::string out;
    std::size_t column = indent;
    bool lineEmpty = true;
    for (const std::string& word : words) {
        if (!lineEmpty && column + 1 + word.size() > Width) {
            out += "\n" + std::string(indent, ' ');
            column = indent;
            lineEmpty = true;
        }
        if (!lineEmpty) {
            out += ' ';
            ++column;
        }
        out += word;
        column += word.size();
        lineEmpty = false;
    }
    return out;
}

std::string Row(const std::string& left, const std::string& right,
                const std::string& unbroken = {}) {
    std::string row = "  " + left;
    if (row.size() + 1 > KeyColumn)
        row += "\n" + std::string(KeyColumn, ' ');
    else
        row.resize(KeyColumn, ' ');
    return row + Wrapped(right, unbroken, KeyColumn) + "\n";
}

std::string SwitchesPart(const TvxProject& project) {
    const std::string ext = project.ProjectExt;
    const std::string defaultProject = project.DefaultProjectFile();
    return "Only the first parameter counts:\n" +
           Row("-P:KEY=VALUE,...",
               "run with these options instead of a project file; \",\" and "
               "\";\" separate options, so no value may hold them") +
           Row("-I[:DATA]", "open the install notice page and end") +
           Row("-U", "open the uninstall notice page and end") +
           Row("FILE" + ext, "load this project file (name=value lines)") +
           Row("FILE.chm", "take this help file as the Source") +
           Row("(none)",
               "load the default project file " +
                   (defaultProject.empty() ? std::string("beside the program") : defaultProject)) +
           Row("-h, --help", "show this help and end") +
           Row("--version", "show the name and version and end") +
           "\"/\" stands for \"-\" only in the exact forms /P, /P:..., /I, /I:... and /U;\n"
           "any other parameter beginning with \"/\" is a file.\n";
}

std::string OptionsPart() {
    std::string text =
        "Options (KEY=VALUE lines; keys in any letter case; booleans take True, False\n"
        "or a number; an empty value is the default):\n";
    for (const auto& option : options::OptionCatalog())
        text +=
            Row(option.key, option.meaning, "(default: " + std::string(option.defaultText) + ")");
    return text;
}

std::string ExitStatusPart() {
    return "Exit status of a run without a window (PureConsole=1):\n" +
           Row("0", "the run ended and no job failed") +
           Row("1", "the run log (LogFile) could not be written") +
           Row("2", "one or more jobs failed") +
           Row("3",
               "the run could not start: no Source found, an unusable Target folder, a "
               "LogFile that would replace a help file or a PDF, or invalid options such as "
               "a bad RegExt or Shard") +
           Row("128+N",
               "stopped by signal N (130 for Ctrl+C, 143 for SIGTERM); the run log is "
               "written and the job folders are removed first");
}

}  // namespace

std::string VersionText(const TvxProject& project) {
    return project.Title + " " + project.Version + "\n";
}

std::string UsageText(const TvxProject& project) {
    return "Usage: " + project.ShortName + " [FIRST-PARAMETER]\n\n" + project.Title +
           " turns compiled HTML help files (.chm) into PDF documents.\n\n" +
           SwitchesPart(project) + "\n" + OptionsPart() + "\n" + ExitStatusPart() +
           "\nExample:\n  " + project.ShortName +
           " \"-P:Source=/in/*.chm,Target=/pdf,PureConsole=1,LogFile=/pdf/run.log\"\n";
}

std::optional<std::string> InformationFor(const std::string& firstParam,
                                          const TvxProject& project) {
    if (firstParam == "-h" || firstParam == "-H" || firstParam == "--help")
        return UsageText(project);
    if (firstParam == "--version") return VersionText(project);
    return std::nullopt;
}
