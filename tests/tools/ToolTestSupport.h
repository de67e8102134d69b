#pragma once
// Helpers for the tool tests: a private scratch folder, running a built
// program and reading what it wrote.

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "ScratchFolder.h"

namespace tooltest {

namespace fs = std::filesystem;

using testsupport::ScratchFolder;

struct ProgramResult {
    bool Exited = false;  // false: killed by a signal
    int ExitCode = -1;
    std::string Errors;  // standard error
};

ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                         const fs::path& workingFolder = {});

ProgramResult RunHh(const std::vector<std::string>& args, const fs::path& workingFolder = {});

using testsupport::ReadBytes;
using testsupport::WriteBytes;

// Every file and folder below `root`, relative, with '/' and a trailing '/'
// for folders; symbolic links are listed, not followed.
std::set<std::string> TreeBelow(const fs::path& root);

fs::path FixtureFile(const std::string& name);  // tests/fixtures/<name>
fs::path SharedChmFolder();                     // ../shared/chm, may be missing

}  // namespace tooltest
