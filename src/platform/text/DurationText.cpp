#include "platform/text/DurationText.h"

#include <cstdint>
#include <cstdio>

namespace platform {

namespace {

std::string TwoDigits(std::uint64_t value) {
    char text[24];
    std::snprintf(text, sizeof text, "%02llu", static_cast<unsigned long long>(value));
    return text;
}

}  // namespace

std::string DurationText(std::chrono::milliseconds duration) {
    const std::uint64_t ms =
        duration.count() < 0 ? 0 : static_cast<std::uint64_t>(duration.count());
    // Rounded once, to what is shown: 59.95 s is "1 min 00 s", never "60.0 s".
    const std::uint64_t tenths = (ms + 50) / 100;
    if (tenths < 600) return std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + " s";
    const std::uint64_t seconds = (ms + 500) / 1000;
    const std::uint64_t minutes = seconds / 60;
    if (minutes < 60) return std::to_string(minutes) + " min " + TwoDigits(seconds % 60) + " s";
    return std::to_string(minutes / 60) + " h " + TwoDigits(minutes % 60) + " min " +
           TwoDigits(seconds % 60) + " s";
}

}  // namespace platform
