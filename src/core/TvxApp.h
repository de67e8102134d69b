#pragma once
// The running program: its real path, its first command-line parameter and
// the millisecond tick counter the workers time jobs with.

#include <cstdint>
#include <string>

class TvxApp {
public:
    TvxApp(std::string exeName, std::string firstParam);

    std::string ExeName;     // full real path of the executable
    std::string FirstParam;  // parameter 1, empty when there is none

    // Milliseconds of a steady clock, truncated to 32 bits (wraps).
    std::uint32_t TickCount() const;
};

extern TvxApp* vxApp;
