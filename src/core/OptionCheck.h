#pragma once
// The checks of an option list before a run: what the getters would quietly
// ignore or replace by a default is said instead. Lines without "=", keys no
// part of the program reads and values that do not parse are warnings (the
// run goes on with the default); a value that would make the run do
// something else than asked (a Shard that does not parse would convert
// every file) is an error, and the run does not start.

#include <string>
#include <vector>

namespace options {

struct OptionNotes {
    std::vector<std::string> Warnings;
    std::vector<std::string> Errors;
};

// `fromCommandLine`: the lines came from the options switch, where "," and
// ";" separate options; a line without "=" then says so. Texts from the
// lines are escaped (platform::EscapeControls).
OptionNotes CheckOptionLines(const std::vector<std::string>& lines, bool fromCommandLine);

}  // namespace options
