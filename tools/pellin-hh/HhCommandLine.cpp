#include "HhCommandLine.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <stdexcept>

#include "platform/text/AsciiText.h"

const char* const HhUsage =
    "usage: pellin-hh [-timeout=<seconds>] [-max-bytes=<bytes>] -decompile <folder> <file.chm>\n"
    "Writes the pages, pictures, style sheets, contents and index files of <file.chm>\n"
    "below <folder> (created when missing).\n"
    "  -timeout=<seconds>   stop reading after this long (default 300)\n"
    "  -max-bytes=<bytes>   write at most this much in all (default 2147483648)\n"
    "Exit codes: 0 every entry written; 1 bad command line or unusable folder or file;\n"
    "2 some entries refused, damaged or left out (the others are written);\n"
    "3 the file could not be read (not a CHM file, no entries, the reader crashed or ran out of "
    "time).\n";

namespace {

std::uint64_t PositiveNumber(const std::string& text, const std::string& option,
                             std::uint64_t largest) {
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value == 0 || value > largest)
        throw std::invalid_argument("bad value \"" + text + "\" for " + option);
    return value;
}

bool TakeValue(const std::string& arg, const std::string& prefix, std::string& value) {
    if (platform::ToLowerAscii(arg.substr(0, prefix.size())) != prefix) return false;
    value = arg.substr(prefix.size());
    return true;
}

}  // namespace

HhOptions ParseHhCommandLine(const std::vector<std::string>& args) {
    HhOptions options;
    bool decompile = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const std::string lowered = platform::ToLowerAscii(arg);
        std::string value;
        if (lowered == "-h" || lowered == "-help" || lowered == "--help") {
            options.Help = true;
        } else if (lowered == "-decompile") {
            if (decompile) throw std::invalid_argument("-decompile given twice");
            if (i + 2 >= args.size())
                throw std::invalid_argument("-decompile needs a folder and a file");
            options.Folder = args[++i];
            options.ChmFile = args[++i];
            decompile = true;
        } else if (TakeValue(arg, "-timeout=", value)) {
            options.TimeLimit =
                std::chrono::seconds(PositiveNumber(value, "-timeout", 7 * 24 * 3600));
        } else if (TakeValue(arg, "-max-bytes=", value)) {
            options.MaxBytes = PositiveNumber(value, "-max-bytes", UINT64_MAX);
        } else {
            throw std::invalid_argument("unknown argument \"" + arg + "\"");
        }
    }
    if (options.Help) return options;
    if (!decompile) throw std::invalid_argument("nothing to do: -decompile is missing");
    if (options.Folder.empty() || options.ChmFile.empty())
        throw std::invalid_argument("-decompile needs a folder and a file");
    return options;
}
