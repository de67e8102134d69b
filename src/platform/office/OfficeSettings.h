#pragma once
// Which office program to start and how long it may take for each kind of work.

#include <chrono>
#include <cstdint>
#include <string>

namespace platform::office {

struct OfficeLaunchSettings {
    std::string program = PELLIN_OFFICE_PROGRAM_DIR "/soffice";
};

// A big manual takes the office minutes where a small one takes seconds, so
// the limits of the calls whose work grows with the document grow with the
// megabytes of HTML they handle: a legitimate manual never meets them, a
// stuck or looping office still does.
struct OfficeTimeouts {
    std::chrono::milliseconds startup{60000};
    std::chrono::milliseconds ending{3000};  // terminating when the connection goes
    std::chrono::milliseconds quick{30000};  // properties, small calls
    std::chrono::milliseconds load{60000};   // opening or inserting one file, plus
    std::chrono::milliseconds loadPerMegabyte{30000};
    std::chrono::milliseconds export_{300000};  // writing a whole PDF or printing, plus
    std::chrono::milliseconds exportPerMegabyte{60000};

    std::chrono::milliseconds loading(std::uintmax_t bytes) const;
    std::chrono::milliseconds exporting(std::uintmax_t bytes) const;
};

inline std::chrono::milliseconds OfficeTimeouts::loading(std::uintmax_t bytes) const {
    return load + loadPerMegabyte * static_cast<long long>(bytes / (1024 * 1024));
}

inline std::chrono::milliseconds OfficeTimeouts::exporting(std::uintmax_t bytes) const {
    return export_ + exportPerMegabyte * static_cast<long long>(bytes / (1024 * 1024));
}

}  // namespace platform::office
