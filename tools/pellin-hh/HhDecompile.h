#pragma once
// The decompilation pellin-hh performs: reads the CHM in a child process
// and turns how the child ended into an exit code and messages on stderr.

#include "HhCommandLine.h"

enum HhExitCode : int {
    HhComplete = 0,    // every user entry written
    HhUnusable = 1,    // bad command line, folder or file cannot be used
    HhPartial = 2,     // some entries refused, damaged or left out; the rest written
    HhUnreadable = 3,  // not a CHM file, no entries, or the reader crashed or ran out of time
    HhFolderFull = 4,  // the folder took no more data (full disk, quota); the rest is not written
};

int Decompile(const HhOptions& options);

// The whole program: parses the arguments (without the program name).
int RunHh(const std::vector<std::string>& args);
