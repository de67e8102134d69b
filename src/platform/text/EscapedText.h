#pragma once
// Names and messages written into line-based texts (run logs, the exported
// list, progress lines, the error report, warnings) come from file names and
// help files, which may hold any byte. Escaped, such a text stays on its own
// line and cannot forge another one or steer a terminal:
//
//   line feed, carriage return, tab      \n  \r  \t
//   other bytes 0x00-0x1F and 0x7F       \xNN   (two upper-case hex digits)
//   C1 controls U+0080-U+009F            \u0080 ... \u009F
//   bytes that are not valid UTF-8       \xNN
//
// A backslash stays as it is unless it is followed by a character that would
// make it read as one of these escapes (n, r, t, x, u or another backslash);
// then it is written as two. So "C:\docs" keeps its look, and a file really
// named "a\nb" (backslash, letter n) is written "a\\nb", never mistaken for a
// line break. Everything else, valid UTF-8 included, passes unchanged.

#include <string>
#include <string_view>

namespace platform {

std::string EscapeControls(std::string_view text);

}  // namespace platform
