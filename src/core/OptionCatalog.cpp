#include "core/OptionCatalog.h"

#include <QtGlobal>
#include <algorithm>

#include "core/OptionParsers.h"
#include "core/TvxShard.h"
#include "platform/text/AsciiText.h"

namespace options {

namespace {

// Edit distance over lower-cased letters, enough for short keys.
std::size_t Distance(std::string_view a, std::string_view b) {
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            const std::size_t change =
                diagonal +
                (platform::ToLowerAscii(a[i - 1]) == platform::ToLowerAscii(b[j - 1]) ? 0 : 1);
            row[j] = std::min({above + 1, row[j - 1] + 1, change});
            diagonal = above;
        }
    }
    return row[b.size()];
}

std::optional<std::string> ChoiceProblem(const OptionInfo& option, std::string_view value) {
    for (const char* choice : option.choices)
        if (platform::EqualsNoCase(value, choice)) return std::nullopt;
    std::string words;
    for (const char* choice : option.choices)
        words += std::string(words.empty() ? "" : ", ") + choice;
    return "expects one of " + words;
}

}  // namespace

// The meanings and messages are marked for the window's translations.
const std::vector<OptionInfo>& OptionCatalog() {
    using K = OptionKind;
    static const std::vector<OptionInfo> catalog{
        {"Source", K::Text, QT_TRANSLATE_NOOP("OptionCatalog", "empty"),
         QT_TRANSLATE_NOOP(
             "OptionCatalog",
             "what to convert: a folder and a file pattern (/docs/*.chm), a single file or a file: "
             "address")},
        {"Target", K::Text, QT_TRANSLATE_NOOP("OptionCatalog", "the source's folder"),
         QT_TRANSLATE_NOOP("OptionCatalog", "folder that receives the PDF files")},
        {"Subdir", K::Boolean, "False",
         QT_TRANSLATE_NOOP("OptionCatalog", "search the sub-folders of the source folder too")},
        {"ThreadsCount", K::Integer, "1",
         QT_TRANSLATE_NOOP("OptionCatalog", "number of files converted at the same time")},
        {"IsOverwrite", K::Overwrite, "True",
         QT_TRANSLATE_NOOP(
             "OptionCatalog",
             "when the PDF exists: True replaces it, False writes -pellin-<name>, skip leaves it")},
        {"KeepTargetSubdirs", K::Boolean, "True",
         QT_TRANSLATE_NOOP("OptionCatalog", "rebuild the source's sub-folders below the target")},
        {"KeepFileTime", K::Boolean, "False",
         QT_TRANSLATE_NOOP("OptionCatalog", "give each PDF the times of its help file")},
        {"DeleteSource", K::Boolean, "False",
         QT_TRANSLATE_NOOP("OptionCatalog", "delete the help file after a successful conversion")},
        {"RenameSource", K::Text, QT_TRANSLATE_NOOP("OptionCatalog", "empty"),
         QT_TRANSLATE_NOOP("OptionCatalog",
                           "after a successful conversion, rename the help file by appending this "
                           "text to its name")},
        {"MacroEnabled", K::Boolean, "False",
         QT_TRANSLATE_NOOP("OptionCatalog",
                           "use the macro target extension for documents with macros")},
        {"PDFWriter", K::Text, "Acrobat PDFWriter",
         QT_TRANSLATE_NOOP("OptionCatalog", "PDF printer used when the office cannot export")},
        {"MultiInstance", K::Boolean, "False",
         QT_TRANSLATE_NOOP("OptionCatalog",
                           "wait until the PDF printer has taken the previous output name")},
        {"AppVisible", K::Boolean, "False",
         QT_TRANSLATE_NOOP("OptionCatalog", "show the word processor's window, minimised")},
        {"ReadOnly", K::Boolean, "False",
         QT_TRANSLATE_NOOP("OptionCatalog", "open existing documents read-only")},
        {"SkipPassword", K::Boolean, "False",
         QT_TRANSLATE_NOOP("OptionCatalog", "open existing documents with a blank password")},
        {"RegExt", K::Text, QT_TRANSLATE_NOOP("OptionCatalog", "empty"),
         QT_TRANSLATE_NOOP("OptionCatalog",
                           "regular expression that a found file's full path must also match")},
        {"SkipHidden", K::Boolean, "False",
         QT_TRANSLATE_NOOP("OptionCatalog", "leave hidden files out of the search")},
        {"PureConsole", K::Boolean, "False",
         QT_TRANSLATE_NOOP("OptionCatalog", "run without a window and end when the run is done")},
        {"RunAndClose", K::Boolean, "False",
         QT_TRANSLATE_NOOP("OptionCatalog",
                           "the window converts at its first show and closes after the run")},
        {"Daemon", K::Integer, "0",
         QT_TRANSLATE_NOOP("OptionCatalog",
                           "above 0: the window repeats the run after this many milliseconds")},
        {"LogFile", K::Text, QT_TRANSLATE_NOOP("OptionCatalog", "empty"),
         QT_TRANSLATE_NOOP(
             "OptionCatalog",
             "file that receives the run log at the end of a run; with Shard, %K stands for the "
             "shard number")},
        {"Outline",
         K::Choice,
         "Contents",
         QT_TRANSLATE_NOOP(
             "OptionCatalog",
             "PDF outline: Contents (the help file's contents tree), Headings, or None"),
         {"Contents", "Headings", "None"}},
        {"PdfA", K::Boolean, "False",
         QT_TRANSLATE_NOOP("OptionCatalog", "write archival PDF/A-2b")},
        {"Tagged", K::Boolean, "False",
         QT_TRANSLATE_NOOP("OptionCatalog", "write a tagged (accessible) PDF")},
        {"TopicPageBreak", K::Boolean, "False",
         QT_TRANSLATE_NOOP("OptionCatalog",
                           "start each topic on a new page (else the topics "
                           "follow each other as written)")},
        {"Quiet", K::Boolean, "False",
         QT_TRANSLATE_NOOP(
             "OptionCatalog",
             "no progress lines and no summary on standard error in a windowless run (warnings and "
             "errors still show)")},
        {"Timings", K::Boolean, "False",
         QT_TRANSLATE_NOOP("OptionCatalog",
                           "print how long each step of each job took (windowless run)")},
        {"Shard", K::Shard, QT_TRANSLATE_NOOP("OptionCatalog", "empty"),
         QT_TRANSLATE_NOOP("OptionCatalog",
                           "K/N: convert only the files of shard K of N (0 <= K < N), for "
                           "splitting a shelf across "
                           "machines")},
    };
    return catalog;
}

const OptionInfo* FindOption(std::string_view key) {
    for (const auto& option : OptionCatalog())
        if (platform::EqualsNoCase(key, option.key)) return &option;
    return nullptr;
}

std::optional<std::string> ValueProblem(const OptionInfo& option, std::string_view value) {
    if (value.empty()) return std::nullopt;
    switch (option.kind) {
        case OptionKind::Text:
            return std::nullopt;
        case OptionKind::Boolean:
            if (ParseBoolean(value)) return std::nullopt;
            return QT_TRANSLATE_NOOP("OptionCatalog", "expects True, False or a number");
        case OptionKind::Integer:
            if (ParseInteger(value)) return std::nullopt;
            return QT_TRANSLATE_NOOP("OptionCatalog", "expects a whole number");
        case OptionKind::Choice:
            return ChoiceProblem(option, value);
        case OptionKind::Overwrite:
            if (platform::EqualsNoCase(value, "skip") || ParseBoolean(value)) return std::nullopt;
            return QT_TRANSLATE_NOOP("OptionCatalog", "expects True, False or skip");
        case OptionKind::Shard:
            if (ParseShard(value)) return std::nullopt;
            return QT_TRANSLATE_NOOP("OptionCatalog", "expects K/N with 0 <= K < N, such as 0/4");
    }
    return std::nullopt;
}

std::optional<std::string> ClosestKey(std::string_view unknown) {
    const OptionInfo* best = nullptr;
    std::size_t bestDistance = 3;
    for (const auto& option : OptionCatalog()) {
        const std::size_t d = Distance(unknown, option.key);
        if (d < bestDistance) {
            bestDistance = d;
            best = &option;
        }
    }
    if (best == nullptr) return std::nullopt;
    return std::string(best->key);
}

}  // namespace options
