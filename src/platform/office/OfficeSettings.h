#pragma once
// Which office program to start and how long it may take for each kind of work.

#include <chrono>
#include <string>

namespace platform::office {

struct OfficeLaunchSettings {
    std::string program = PELLIN_OFFICE_PROGRAM_DIR "/soffice";
};

struct OfficeTimeouts {
    std::chrono::milliseconds startup{60000};
    std::chrono::milliseconds quick{30000};     // properties, small calls
    std::chrono::milliseconds load{60000};      // opening or inserting one file
    std::chrono::milliseconds export_{900000};  // writing a whole PDF or printing
};

}  // namespace platform::office
