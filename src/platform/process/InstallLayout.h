#pragma once
// Where the program's companions lie. A build tree or a portable copy keeps
// them beside the program; an installed copy keeps its helper programs in a
// private folder and its documents in a data folder, both found from the
// program's own path (<prefix>/bin/pellin: <prefix>/lib/pellin and
// <prefix>/share/pellin), so the installed tree may be moved as a whole.

#include <string>

namespace platform {

class FileSystem;

// The private folder of helper programs for the program at `exeName`, and
// its data folder; both with a trailing delimiter, empty for an empty name.
std::string PrivateProgramFolder(const std::string& exeName);
std::string SharedDataFolder(const std::string& exeName);

// The helper program `name`: beside the program when it is there, else in
// the private folder when it is there, else the name beside the program (so
// starting it fails with that name).
std::string FindHelperProgram(const std::string& exeName, const std::string& name,
                              const FileSystem& files);

// The document `name` beside the program, else in the data folder; empty
// when neither holds it.
std::string FindInstalledDocument(const std::string& exeName, const std::string& name,
                                  const FileSystem& files);

}  // namespace platform
