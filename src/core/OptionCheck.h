#pragma once
// The checks of an option list before a run: what the getters would quietly
// ignore or replace by a default is said instead. Lines without "=", keys no
// part of the program reads and values that do not parse are warnings (the
// run goes on with the default). The Shard option is left to its own check
// (ShardOptionProblem), whose failure keeps a run from starting.

#include <string>
#include <vector>

namespace options {

// The warnings, in line order. `fromCommandLine`: the lines came from the
// options switch, where "," and ";" separate options; a line without "="
// then says so. Texts from the lines are escaped (platform::EscapeControls).
std::vector<std::string> CheckOptionLines(const std::vector<std::string>& lines,
                                          bool fromCommandLine);

}  // namespace options
