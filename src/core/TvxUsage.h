#pragma once
// What "pellin --help" and "pellin --version" print: the command line, every
// option of the catalogue with its meaning and default, and the exit status
// of a run without a window. Both need no desktop.

#include <optional>
#include <string>

class TvxProject;

// The text to print for an information request ("-h" or "-H", "--help",
// "--version"), or nothing for any other first parameter, which start-up
// then handles as ever.
std::optional<std::string> InformationFor(const std::string& firstParam, const TvxProject& project);

std::string UsageText(const TvxProject& project);
// "Pellin Convertor 2025.17.420.2241".
std::string VersionText(const TvxProject& project);
