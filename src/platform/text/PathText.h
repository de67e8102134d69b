#pragma once
// Path texts split the way the program splits them: at the last '/' (a colon
// is an ordinary file-name character here). Text work only: nothing here
// looks at the disk.

#include <string>

namespace platform {

inline constexpr char PathDelim = '/';

// Up to and including the last delimiter; empty when there is none.
std::string ExtractFilePath(const std::string& path);
// After the last delimiter.
std::string ExtractFileName(const std::string& path);
// The extension of the name part replaced by `ext` (appended when the name has none).
std::string ChangeFileExt(const std::string& path, const std::string& ext);
// The path with a delimiter at its end.
std::string IncludeTrailingPathDelimiter(const std::string& path);
// A relative path taken from the current folder; an absolute one unchanged.
std::string AbsolutePath(const std::string& path);

}  // namespace platform
