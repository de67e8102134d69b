#include "platform/process/ShellLauncher.h"

#include "platform/process/ProcessRunner.h"

namespace platform {

namespace {

// A relative name beginning with "-" would read as an option of the handler.
std::string GuardLeadingDash(const std::string& target) {
    return (!target.empty() && target.front() == '-') ? "./" + target : target;
}

}  // namespace

XdgOpenLauncher::XdgOpenLauncher(std::string program) : program_(std::move(program)) {}

bool XdgOpenLauncher::Open(const std::string& target) {
    if (target.empty()) return false;
    // The handler and the browser it starts talk on their standard streams;
    // the runner puts them on /dev/null, so none of that reaches the
    // program's own (the windowless run is silent). Nobody waits for the
    // handler: it is released, to be reaped when it ends.
    const auto runner = ProcessRunner::Current();
    const auto handler = runner->Start(program_, {GuardLeadingDash(target)}, {});
    if (handler == ProcessRunner::NoProcess) return false;
    runner->Release(handler);
    return true;
}

}  // namespace platform
