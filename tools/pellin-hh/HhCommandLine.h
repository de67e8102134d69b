#pragma once
// The command line of pellin-hh:
//   pellin-hh [-timeout=<seconds>] [-max-bytes=<bytes>] -decompile <folder> <file.chm>

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

struct HhOptions {
    std::string Folder;
    std::string ChmFile;
    std::chrono::seconds TimeLimit{300};
    std::uint64_t MaxBytes = 2ull << 30;
    bool Help = false;
};

// Throws std::invalid_argument naming what is wrong.
HhOptions ParseHhCommandLine(const std::vector<std::string>& args);

extern const char* const HhUsage;
