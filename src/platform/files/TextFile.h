#pragma once
// Text files as the program keeps them: UTF-8 lines; every line written ends
// in CR LF (the last one too) and the file is replaced as a whole; reading
// accepts CR LF, LF or a lone CR as the end of a line, and skips a UTF-8
// byte-order mark at the start (editors on other desktops write one).

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Splits text at CR LF, LF or CR. A line end at the very end of the text does
// not start another (empty) line; empty text has no lines.
std::vector<std::string> SplitLines(std::string_view text);

// The text without a UTF-8 byte-order mark at its start.
std::string_view WithoutByteOrderMark(std::string_view text);

// Every line followed by CR LF.
std::string JoinLines(const std::vector<std::string>& lines);

// Reads the lines of a regular file, without a leading byte-order mark.
// Throws FileError when the file is
// missing, is not a regular file (a folder or a pipe would block or fail
// later), is larger than MaxTextFileSize, or cannot be read.
std::vector<std::string> ReadTextLines(const std::string& path);

// Replaces the file with the lines. A regular file (or a new one) is written
// beside itself first and then renamed over the old one, so a failed write
// never leaves a half-written file behind. Throws FileError on failure
// ("Cannot write <name> in <folder>: <reason>" when a write fails).
void WriteTextLines(const std::string& path, const std::vector<std::string>& lines);

inline constexpr std::size_t MaxTextFileSize = 64u * 1024u * 1024u;

}  // namespace platform
