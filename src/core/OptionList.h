#pragma once
// The rules of the option list, shared by every reader and writer: a line's
// key is the text before its first "=", compared without regard to ASCII
// letter case and never trimmed; a line without "=" has no key. The first
// matching line wins. Writing the empty text deletes the first matching line,
// so empty and absent are the same.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace options {

// The key of a line, or nothing when the line has no "=".
std::optional<std::string_view> KeyOf(std::string_view line);

// Index of the first line whose key matches, or -1.
int Find(const std::vector<std::string>& lines, std::string_view key);

// The value of the first matching line; empty when there is none.
std::string Read(const std::vector<std::string>& lines, std::string_view key);

// Replaces the first matching line in place or appends key=value; an empty
// value deletes the first matching line instead.
void Write(std::vector<std::string>& lines, std::string_view key, std::string_view value);

}  // namespace options
