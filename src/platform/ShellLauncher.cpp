#include "platform/ShellLauncher.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

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
    // The handler and the browser it starts talk on their standard streams;
    // none of that may reach the program's own (the windowless run is silent).
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    for (int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO})
        posix_spawn_file_actions_addopen(&actions, fd, "/dev/null",
                                         fd == STDIN_FILENO ? O_RDONLY : O_WRONLY, 0);
    pid_t pid = 0;
    const int rc = posix_spawnp(&pid, program_.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) return false;
    // Nobody waits for the handler; reap it so it does not linger as a zombie.
    std::thread([pid] {
        int status = 0;
        waitpid(pid, &status, 0);
    }).detach();
    return true;
}

}  // namespace platform
