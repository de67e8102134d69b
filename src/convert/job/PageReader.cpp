#include "convert/job/PageReader.h"

#include <sys/stat.h>

#include <charconv>
#include <filesystem>
#include <functional>
#include <stdexcept>

#include "convert/book/BookParts.h"
#include "convert/chm/HelpFile.h"
#include "convert/chm/TopicPathResolver.h"
#include "convert/chm/TvxFileUtils.h"
#include "convert/output/OutlinePlan.h"
#include "platform/files/FileSystem.h"
#include "platform/process/ConfinedRun.h"
#include "platform/process/ExecutablePath.h"
#include "platform/process/InstallLayout.h"
#include "platform/process/StopRequest.h"

namespace {

constexpr std::size_t kMaxTopics = 1'000'000;
constexpr std::size_t kMaxDepth = 1000;
constexpr long long kMaxParts = 1000;
constexpr const char* kCannotRead = "The help file could not be read: the page reader ";

// ---- The answer's lines: fields separated by tabs, escaped with "\".

std::string Escape(const std::string& field) {
    std::string out;
    out.reserve(field.size());
    for (char c : field) {
        switch (c) {
            case '\\':
                out += "\\\\";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::optional<std::string> Unescape(std::string_view field) {
    std::string out;
    out.reserve(field.size());
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '\\') {
            out += field[i];
            continue;
        }
        if (++i == field.size()) return std::nullopt;
        switch (field[i]) {
            case '\\':
                out += '\\';
                break;
            case 't':
                out += '\t';
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            default:
                return std::nullopt;
        }
    }
    return out;
}

std::string Line(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) line += (i ? "\t" : "") + Escape(fields[i]);
    return line + "\n";
}

std::optional<std::vector<std::string>> Fields(std::string_view line) {
    std::vector<std::string> fields;
    for (;;) {
        const auto tab = line.find('\t');
        auto field = Unescape(line.substr(0, tab));
        if (!field) return std::nullopt;
        fields.push_back(std::move(*field));
        if (tab == std::string_view::npos) return fields;
        line.remove_prefix(tab + 1);
    }
}

std::optional<long long> Number(const std::string& text, long long low, long long high) {
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high)
        return std::nullopt;
    return value;
}

// ---- The skipped topics on the command line, as ranges: "3-7,9".

std::string RangesOf(const std::set<int>& topics) {
    std::string text;
    for (auto it = topics.begin(); it != topics.end();) {
        const int first = *it;
        int last = first;
        while (++it != topics.end() && *it == last + 1) ++last;
        if (!text.empty()) text += ',';
        text += std::to_string(first);
        if (last != first) text += "-" + std::to_string(last);
    }
    return text.empty() ? "-" : text;
}

std::set<int> TopicsOfRanges(const std::string& text) {
    std::set<int> topics;
    if (text == "-") return topics;
    std::size_t start = 0;
    while (start <= text.size()) {
        const auto comma = std::min(text.find(',', start), text.size());
        const std::string range = text.substr(start, comma - start);
        const auto dash = range.find('-');
        const auto first = Number(range.substr(0, dash), 0, kMaxTopics);
        const auto last =
            dash == std::string::npos ? first : Number(range.substr(dash + 1), 0, kMaxTopics);
        if (!first || !last) throw std::invalid_argument("bad topic range " + range);
        for (long long topic = *first; topic <= *last; ++topic)
            topics.insert(static_cast<int>(topic));
        start = comma + 1;
    }
    return topics;
}

// ---- The reader's side.

void Put(std::FILE* out, const std::vector<std::string>& fields) {
    const std::string line = Line(fields);
    std::fwrite(line.data(), 1, line.size(), out);
}

void PutOutline(std::FILE* out, const std::vector<platform::PdfOutlineItem>& items,
                std::size_t depth) {
    for (const auto& item : items) {
        Put(out, {"outline", std::to_string(depth), item.Title, item.Destination});
        PutOutline(out, item.Children, depth + 1);
    }
}

void PutBook(std::FILE* out, const Book& book) {
    for (int topic : book.Included) Put(out, {"included", std::to_string(topic)});
    if (book.Parts.size() > 1) Put(out, {"parts", std::to_string(book.Parts.size())});
    for (const auto& problem : book.LeftOut) Put(out, {"left-out", problem.Path, problem.Reason});
    Put(out, {"counts", std::to_string(book.HtmlBytes), std::to_string(book.TextChars),
              std::to_string(book.Pictures), std::to_string(book.LinkedPictures)});
}

struct ReaderFlags {
    bool PageBreak = false;
    PartSize Parts;
};

// "parts=<pictures>,<text>": see PartSize.
std::optional<PartSize> PartsOfFlag(const std::string& value) {
    const auto comma = value.find(',');
    if (comma == std::string::npos) return std::nullopt;
    const auto pictures = Number(value.substr(0, comma), 0, 1 << 30);
    const auto text = Number(value.substr(comma + 1), 0, 1LL << 40);
    if (!pictures || !text) return std::nullopt;
    return PartSize{static_cast<int>(*pictures), static_cast<std::size_t>(*text)};
}

std::optional<ReaderFlags> ReaderOptions(const std::vector<std::string>& args) {
    if (args.size() < 5) return std::nullopt;
    ReaderFlags flags;
    constexpr std::string_view kParts = "parts=";
    for (std::size_t i = 5; i < args.size(); ++i) {
        if (args[i] == "page-break") {
            flags.PageBreak = true;
        } else if (args[i].starts_with(kParts)) {
            const auto parts = PartsOfFlag(args[i].substr(kParts.size()));
            if (!parts) return std::nullopt;
            flags.Parts = *parts;
        } else {
            return std::nullopt;
        }
    }
    return flags;
}

}  // namespace

// Arguments: the job folder, the book's file name, the decompiler's exit
// code, the wait between searches for the contents (ms), the skipped topics,
// "page-break" when each topic starts a new page, and "parts=PICTURES,TEXT"
// for a book written in parts (see PartSize).
int RunPageReader(const std::vector<std::string>& args, std::FILE* out) {
    const auto options = ReaderOptions(args);
    if (!options) {
        std::fputs(
            "usage: pellin-reader FOLDER BOOK DECOMPILER-EXIT SEARCH-WAIT-MS SKIPPED "
            "[page-break] [parts=PICTURES,TEXT]\n",
            stderr);
        return 64;
    }
    const std::string folder = args[0];
    const int decompilerExit = static_cast<int>(Number(args[2], 0, 255).value_or(0));
    TvxDecompileSettings settings;
    settings.SearchWait = std::chrono::milliseconds(Number(args[3], 0, 60'000).value_or(1000));
    try {
        const std::set<int> skipped = TopicsOfRanges(args[4]);
        const HelpFile help = ReadHelpFile(folder, decompilerExit, settings);
        if (help.System)
            Put(out, {"system", help.System->Title, std::to_string(help.System->Lcid)});
        for (const auto& topic : help.Topics) Put(out, {"topic-file", topic});
        Put(out, {"missing-entries", std::to_string(help.MissingContentsEntries)});
        std::fflush(out);

        const TopicPathResolver resolver(folder);
        BookBuilder builder(resolver, help.Charset(), TvxFileUtils::ReadFileText);
        builder.PageBreakBeforeTopics = options->PageBreak;
        builder.Parts = options->Parts;
        builder.OutlinePlaces = OutlinePlaces(help.Contents, help.Topics);
        builder.OnTopic = [out](int topic) {
            Put(out, {"topic", std::to_string(topic)});
            std::fflush(out);
        };
        const Book book = builder.Build(help.Topics, folder + "/" + args[1], skipped);
        PutBook(out, book);
        PutOutline(out, OutlineFromContents(help.Contents, help.Topics, book.Anchors), 0);
    } catch (const std::exception& error) {
        Put(out, {"fail", error.what()});
    }
    Put(out, {"end"});
    std::fflush(out);
    return std::ferror(out) ? 1 : 0;
}

namespace {

// ---- The converter's side: the answer is untrusted text.

struct Answer {
    PageReading reading;
    int onTopic = -1;  // the topic begun last
    std::string failure;
    bool ended = false;
};

class AnswerParser {
public:
    explicit AnswerParser(const std::string& folder) : prefix_(folder + "/") {}

    // False when the line is not one the reader writes.
    bool Take(const std::vector<std::string>& f) {
        PageReading& r = answer_.reading;
        const std::string& key = f[0];
        if (answer_.ended) return false;
        if (key == "end" && f.size() == 1) return answer_.ended = true;
        if (key == "fail" && f.size() == 2) {
            answer_.failure = f[1];
            return true;
        }
        if (key == "system" && f.size() == 3) return TakeSystem(f[1], f[2]);
        if (key == "topic-file" && f.size() == 2) {
            if (!InFolder(f[1]) || r.Topics.size() >= kMaxTopics) return false;
            r.Topics.push_back(f[1]);
            return true;
        }
        if (key == "topic" && f.size() == 2) return TakeTopic(f[1], answer_.onTopic);
        if (key == "included" && f.size() == 2) {
            int topic = -1;
            if (!TakeTopic(f[1], topic)) return false;
            r.Written.Included.push_back(topic);
            return true;
        }
        if (key == "left-out" && f.size() == 3) {
            if (!InFolder(f[1])) return false;
            r.Written.LeftOut.push_back({f[1], f[2]});
            return true;
        }
        if (key == "counts" && f.size() == 5) return TakeCounts(f);
        if (key == "parts" && f.size() == 2) {
            const auto parts = Number(f[1], 2, kMaxParts);
            if (parts) r.Written.Parts.resize(static_cast<std::size_t>(*parts));
            return parts.has_value();
        }
        if (key == "missing-entries" && f.size() == 2) {
            const auto missing = Number(f[1], 0, 1LL << 30);
            if (missing) r.MissingContentsEntries = static_cast<std::size_t>(*missing);
            return missing.has_value();
        }
        if (key == "outline" && f.size() == 4) return TakeOutline(f);
        return false;
    }

    Answer& Result() { return answer_; }

private:
    bool InFolder(const std::string& path) const {
        return path.size() > prefix_.size() && path.starts_with(prefix_) &&
               std::filesystem::path(path).lexically_normal().string().starts_with(prefix_);
    }

    bool TakeTopic(const std::string& text, int& topic) const {
        const auto number =
            Number(text, 0, static_cast<long long>(answer_.reading.Topics.size()) - 1);
        if (number) topic = static_cast<int>(*number);
        return number.has_value();
    }

    bool TakeSystem(const std::string& title, const std::string& lcid) {
        const auto number = Number(lcid, 0, 0xFFFFFFFFLL);
        if (!number) return false;
        answer_.reading.System =
            HelpSystemInfo{title, static_cast<std::uint32_t>(*number), {}, {}, {}};
        return true;
    }

    bool TakeCounts(const std::vector<std::string>& f) {
        constexpr long long kMax = 1LL << 50;
        const auto bytes = Number(f[1], 0, kMax), chars = Number(f[2], 0, kMax),
                   pictures = Number(f[3], 0, 1 << 30), linked = Number(f[4], 0, 1 << 30);
        if (!bytes || !chars || !pictures || !linked) return false;
        Book& book = answer_.reading.Written;
        book.HtmlBytes = static_cast<std::size_t>(*bytes);
        book.TextChars = static_cast<std::size_t>(*chars);
        book.Pictures = static_cast<int>(*pictures);
        book.LinkedPictures = static_cast<int>(*linked);
        return true;
    }

    // Items come in document order with their depth; `levels_` holds where
    // the items of each depth go.
    bool TakeOutline(const std::vector<std::string>& f) {
        if (levels_.empty()) levels_.push_back(&answer_.reading.Outline);
        const auto depth = Number(f[1], 0, static_cast<long long>(levels_.size()) - 1);
        if (!depth || *depth >= static_cast<long long>(kMaxDepth)) return false;
        levels_.resize(static_cast<std::size_t>(*depth) + 1);
        auto& items = *levels_.back();
        items.push_back({f[2], f[3], {}});
        levels_.push_back(&items.back().Children);
        return true;
    }

    std::string prefix_;
    Answer answer_;
    std::vector<std::vector<platform::PdfOutlineItem>*> levels_;
};

// A line cut short by the reader's end is no line.
std::optional<Answer> ParseAnswer(const std::string& output, const std::string& folder) {
    AnswerParser parser(folder);
    std::size_t start = 0;
    for (auto end = output.find('\n'); end != std::string::npos;
         start = end + 1, end = output.find('\n', start)) {
        const auto fields = Fields(std::string_view(output).substr(start, end - start));
        if (!fields || !parser.Take(*fields)) return std::nullopt;
    }
    return std::move(parser.Result());
}

std::string ProgramPath(const std::string& program) {
    if (program.find('/') != std::string::npos) return program;
    const std::string self = platform::ExecutablePath(nullptr);
    if (self.empty()) return program;
    return platform::FindHelperProgram(self, program, platform::LocalFiles());
}

// The reader gets more time for a bigger help file.
std::chrono::milliseconds TimeLimitFor(const TvxChmJobState& state,
                                       const PageReaderSettings& settings) {
    struct stat info {};
    const std::string copy = state.TempFolder + "1.chm";
    const long long bytes = ::stat(copy.c_str(), &info) == 0 ? info.st_size : 0;
    const long long mebibytes = (bytes + (1 << 20) - 1) >> 20;
    return settings.TimeLimit + settings.TimePerMiB * mebibytes;
}

std::string HowItEnded(const platform::ConfinedResult& result) {
    if (result.TooMuchOutput) return "too long an answer";
    if (result.Signal != 0) return "signal " + std::to_string(result.Signal);
    return "code " + std::to_string(result.ExitCode);
}

std::string NameOf(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

std::size_t TopicsLeft(std::size_t topics, const std::set<int>& skipped) {
    std::size_t left = topics;
    for (int topic : skipped)
        if (topic >= 0 && static_cast<std::size_t>(topic) < topics) --left;
    return left;
}

}  // namespace

PageReading ReadPagesApart(const TvxChmJobState& state, const std::string& bookName,
                           const std::set<int>& skipped, const PageReaderSettings& settings,
                           ReaderCulprits& culprits) {
    const std::string program = ProgramPath(settings.Program);
    platform::ConfinedLimits limits;
    limits.Time = TimeLimitFor(state, settings);
    limits.AddressSpace = settings.AddressSpace;
    int slowRuns = 0;
    for (int run = 1;; ++run) {
        std::set<int> skip(skipped);
        for (const auto& culprit : culprits) skip.insert(culprit.first);
        std::vector<std::string> args{state.TempFolderName, bookName,
                                      std::to_string(state.DecompilerExit),
                                      std::to_string(settings.SearchWait.count()), RangesOf(skip)};
        if (settings.TopicPageBreak) args.emplace_back("page-break");
        if (settings.Parts.Pictures > 0)
            args.push_back("parts=" + std::to_string(settings.Parts.Pictures) + "," +
                           std::to_string(settings.Parts.MinText));
        const auto result = platform::RunConfined(program, args, state.TempFolderName, limits);
        if (result.Stopped || platform::StopRequested())
            throw std::runtime_error("The run was stopped");
        if (!result.Started)
            throw std::runtime_error("The page reader could not be started: " + program);
        auto answer = ParseAnswer(result.Output, state.TempFolderName);
        if (!answer) throw std::runtime_error(std::string(kCannotRead) + "gave no usable answer");
        PageReading& reading = answer->reading;
        if (answer->ended && result.Exited && result.ExitCode == 0) {
            if (!answer->failure.empty()) throw std::runtime_error(answer->failure);
            reading.Written.Path = state.TempFolder + bookName;
            for (std::size_t part = 0; part < reading.Written.Parts.size(); ++part)
                reading.Written.Parts[part] =
                    BookPartPath(reading.Written.Path, static_cast<int>(part));
            for (const auto& [topic, reason] : culprits)
                if (static_cast<std::size_t>(topic) < reading.Topics.size())
                    reading.Written.LeftOut.push_back({reading.Topics[topic], reason});
            return std::move(reading);
        }
        const int topic = answer->onTopic;
        const bool slow = result.TimedOut;
        const std::string where =
            topic < 0 ? "the table of contents" : NameOf(reading.Topics[topic]);
        const std::string message =
            kCannotRead + (slow ? "was too slow on " + where
                                : "stopped on " + where + " (" + HowItEnded(result) + ")");
        skip.insert(topic);
        if (topic < 0 || run >= settings.MaxRuns || (slow && ++slowRuns >= settings.MaxSlowRuns) ||
            TopicsLeft(reading.Topics.size(), skip) == 0)
            throw std::runtime_error(message);
        culprits[topic] =
            slow ? "it was too slow for the page reader" : "it stopped the page reader";
    }
}
