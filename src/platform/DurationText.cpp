#include "platform/DurationText.h"

#include <cstdio>

namespace platform {

std::string DurationText(std::chrono::milliseconds duration) {
    const long long ms = duration.count() < 0 ? 0 : duration.count();
    char text[48];
    if (ms < 60000) {
        std::snprintf(text, sizeof text, "%.1f s", static_cast<double>(ms) / 1000.0);
    } else if (ms < 3600000) {
        const long long seconds = ms / 1000;
        std::snprintf(text, sizeof text, "%lld min %02lld s", seconds / 60, seconds % 60);
    } else {
        const long long minutes = ms / 60000;
        std::snprintf(text, sizeof text, "%lld h %02lld min", minutes / 60, minutes % 60);
    }
    return text;
}

}  // namespace platform
