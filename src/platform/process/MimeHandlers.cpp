#include "platform/process/MimeHandlers.h"

#include "platform/process/ProcessRunner.h"

namespace platform {

XdgMimeHandlers::XdgMimeHandlers(std::string program, std::chrono::milliseconds timeout)
    : program_(std::move(program)), timeout_(timeout) {}

std::string XdgMimeHandlers::DefaultHandler(const std::string& mimeType) const {
    const auto output =
        ProcessRunner::Current()->Output(program_, {"query", "default", mimeType}, timeout_);
    if (!output) return {};
    // One desktop id on the first line; anything else is noise.
    const std::string line = output->substr(0, output->find('\n'));
    const auto first = line.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    return line.substr(first, line.find_last_not_of(" \t\r") - first + 1);
}

const MimeHandlers& DesktopMimeHandlers() {
    static const XdgMimeHandlers handlers;
    return handlers;
}

}  // namespace platform
