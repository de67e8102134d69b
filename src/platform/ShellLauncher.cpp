#include "platform/ShellLauncher.h"

#include <spawn.h>
#include <sys/wait.h>

#include <thread>
#include <vector>

extern char** environ;

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
    std::string argument = GuardLeadingDash(target);
    std::vector<char*> argv{program_.data(), argument.data(), nullptr};
    pid_t pid = 0;
    if (posix_spawnp(&pid, program_.c_str(), nullptr, nullptr, argv.data(), environ) != 0)
        return false;
    // Nobody waits for the handler; reap it so it does not linger as a zombie.
    std::thread([pid] {
        int status = 0;
        waitpid(pid, &status, 0);
    }).detach();
    return true;
}

}  // namespace platform
