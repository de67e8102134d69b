#include "platform/process/ProcStat.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <sstream>

namespace platform {

std::optional<std::vector<std::string>> ProcStatFields(pid_t pid, int lastField) {
    char path[32];
    std::snprintf(path, sizeof path, "/proc/%d/stat", static_cast<int>(pid));
    // Plain calls: the processor-time meter reads this a few times a second.
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    char text[1024];
    const ssize_t length = ::read(fd, text, sizeof text - 1);
    ::close(fd);
    if (length <= 0) return std::nullopt;
    const std::string line(text, static_cast<std::size_t>(length));
    const auto close = line.rfind(')');
    if (close == std::string::npos) return std::nullopt;
    std::istringstream stream(line.substr(close + 1));
    std::vector<std::string> fields;
    std::string field;
    for (int i = 3; i <= lastField; ++i) {
        if (!(stream >> field)) return std::nullopt;
        fields.push_back(field);
    }
    return fields;
}

}  // namespace platform
