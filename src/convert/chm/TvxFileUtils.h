#pragma once
// Running an outside program until it ends, and reading a whole file as bytes.

#include <chrono>
#include <stdexcept>
#include <string>
#include <vector>

// Raised when a file cannot be opened; worded as the platform's file-open error.
class EFOpenError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TvxFileUtils {
public:
    // The show command callers pass; helpers started here never get a window
    // (their standard streams go to /dev/null), so hiding is all there is.
    static constexpr int SwHide = 0;
    // The name under which callers ask for the HTML Help program.
    static constexpr const char* HelpProgramName = "hh.exe";
    static constexpr std::chrono::milliseconds NoTimeout{0};

    // Starts `program` with `parameters` (split like a command line: blanks
    // separate, double quotes group, \\" is a quote) in `workingFolder` (the program's own
    // folder when empty), polls every `pollIntervalMs` and returns the exit
    // code; 1 when the program cannot be started. With a timeout, a program
    // still running after it is killed and 1 is returned; so is one still
    // running when the process is asked to stop (platform::RequestStop).
    static int RunAndWait(const std::string& program, const std::string& parameters,
                          const std::string& workingFolder, int showCmd, int pollIntervalMs,
                          std::chrono::milliseconds timeout = NoTimeout);

    // The whole file, byte for byte; an empty file gives an empty text.
    // Throws EFOpenError when the file cannot be opened.
    static std::string ReadFileText(const std::string& path);

    // The decompiler that stands in for the HTML Help program: "pellin-hh"
    // beside the running executable, else in its private folder (an installed
    // copy's <prefix>/lib/pellin).
    static std::string HelpProgramPath();
    static constexpr const char* HelpProgramFile = "pellin-hh";

    static std::vector<std::string> SplitParameters(const std::string& parameters);
};
