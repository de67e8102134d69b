#include "platform/process/ExecutablePath.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace platform {

std::string ExecutablePath(const char* argv0) {
    std::error_code ec;
    const fs::path real = fs::read_symlink("/proc/self/exe", ec);
    if (!ec && !real.empty()) return real.string();
    if (argv0 == nullptr || *argv0 == '\0') return {};
    const fs::path given = fs::absolute(argv0, ec);
    return ec ? std::string(argv0) : given.lexically_normal().string();
}

}  // namespace platform
