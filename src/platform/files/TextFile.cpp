#include "platform/files/TextFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "platform/files/FileError.h"
#include "platform/files/FileWrite.h"

namespace fs = std::filesystem;

namespace platform {

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c != '\r' && c != '\n') {
            ++i;
            continue;
        }
        lines.emplace_back(text.substr(start, i - start));
        i += (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ? 2 : 1;
        start = i;
    }
    if (start < text.size()) lines.emplace_back(text.substr(start));
    return lines;
}

std::string_view WithoutByteOrderMark(std::string_view text) {
    constexpr std::string_view mark = "\xEF\xBB\xBF";
    if (text.substr(0, mark.size()) == mark) text.remove_prefix(mark.size());
    return text;
}

std::string JoinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

namespace {

std::string Reason(const std::error_code& ec) { return ec ? ec.message() : std::strerror(errno); }

[[noreturn]] void Fail(const std::string& what, const std::string& path, const std::string& why) {
    throw FileError("Cannot " + what + " file \"" + path + "\". " + why);
}

std::string TempNameBeside(const std::string& path) {
    std::random_device seed;
    return path + ".tmp" + std::to_string(seed() % 1000000u);
}

}  // namespace

std::vector<std::string> ReadTextLines(const std::string& path) {
    std::error_code ec;
    const auto status = fs::status(path, ec);
    if (ec || !fs::exists(status)) Fail("open", path, "The file does not exist.");
    if (!fs::is_regular_file(status)) Fail("open", path, "It is not a regular file.");
    const auto size = fs::file_size(path, ec);
    if (ec) Fail("read", path, Reason(ec));
    if (size > MaxTextFileSize) Fail("read", path, "The file is too large.");
    std::ifstream in(path, std::ios::binary);
    if (!in) Fail("open", path, std::strerror(errno));
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad()) Fail("read", path, std::strerror(errno));
    return SplitLines(WithoutByteOrderMark(text.str()));
}

void WriteTextLines(const std::string& path, const std::vector<std::string>& lines) {
    if (path.empty()) Fail("create", path, "No file name was given.");
    const std::string text = JoinLines(lines);
    std::error_code ec;
    const auto status = fs::symlink_status(path, ec);
    const bool replaceByRename = !fs::exists(status) || fs::is_regular_file(status);
    if (!replaceByRename) {
        // A link or a device keeps its identity: write through it.
        WriteFileBytes(path, text, path);
        return;
    }
    const std::string temp = TempNameBeside(path);
    try {
        WriteFileBytes(temp, text, path);
    } catch (...) {
        fs::remove(temp, ec);
        throw;
    }
    fs::rename(temp, path, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(temp, ignored);
        throw CannotWriteFile(path, ec.value());
    }
}

}  // namespace platform
