#pragma once
// Text helpers that fold letter case in ASCII only: option keys, member names,
// file names of help files, charset and scheme names all compare so. Bytes
// above 127 (UTF-8 sequences, code-page letters) are left as they are, and
// the result never depends on the process's locale.

#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

char ToLowerAscii(char c);
char ToUpperAscii(char c);
std::string ToLowerAscii(std::string_view text);
std::string ToUpperAscii(std::string_view text);

bool EqualsNoCase(std::string_view a, std::string_view b);
bool StartsWithNoCase(std::string_view text, std::string_view prefix);
bool EndsWithNoCase(std::string_view text, std::string_view suffix);
// Where `word` first occurs in `text` at or after `from`, or npos.
std::size_t FindNoCase(std::string_view text, std::string_view word, std::size_t from = 0);

// Orders text as its lower-case form would be ordered, byte by byte; for maps
// and sets whose keys compare without regard to case.
struct LessNoCase {
    using is_transparent = void;  // lets such maps be searched with a string_view
    bool operator()(std::string_view a, std::string_view b) const;
};

// The text without spaces, tabs, carriage returns and line feeds at either
// end: a view into `text`, so it lives only as long as `text` does.
std::string_view Trim(std::string_view text);

}  // namespace platform
