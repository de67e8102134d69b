#include "platform/ProcessRunner.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <mutex>

extern char** environ;

namespace platform {

namespace {

std::mutex slotMutex;

std::shared_ptr<ProcessRunner>& CurrentSlot() {
    static std::shared_ptr<ProcessRunner> runner = std::make_shared<PosixProcessRunner>();
    return runner;
}

int DecodeWaitStatus(int status) {
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
    return 1;
}

class SpawnFileActions {
public:
    SpawnFileActions() { posix_spawn_file_actions_init(&actions_); }
    ~SpawnFileActions() { posix_spawn_file_actions_destroy(&actions_); }
    SpawnFileActions(const SpawnFileActions&) = delete;
    SpawnFileActions& operator=(const SpawnFileActions&) = delete;
    posix_spawn_file_actions_t* get() { return &actions_; }

private:
    posix_spawn_file_actions_t actions_;
};

}  // namespace

std::shared_ptr<ProcessRunner> ProcessRunner::Current() {
    std::lock_guard lock(slotMutex);
    return CurrentSlot();
}

std::shared_ptr<ProcessRunner> ProcessRunner::Replace(std::shared_ptr<ProcessRunner> runner) {
    std::lock_guard lock(slotMutex);
    std::swap(CurrentSlot(), runner);
    return runner;
}

ProcessRunner::Handle PosixProcessRunner::Start(const std::string& program,
                                                const std::vector<std::string>& args,
                                                const std::string& workingDir) {
    if (program.empty()) return NoProcess;
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const auto& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);

    SpawnFileActions actions;
    // Started as with a hidden window: the program's own output goes nowhere.
    for (int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO})
        posix_spawn_file_actions_addopen(actions.get(), fd, "/dev/null",
                                         fd == STDIN_FILENO ? O_RDONLY : O_WRONLY, 0);
    if (!workingDir.empty() &&
        posix_spawn_file_actions_addchdir_np(actions.get(), workingDir.c_str()) != 0)
        return NoProcess;

    pid_t pid = 0;
    const bool searchPath = program.find('/') == std::string::npos;
    const int rc =
        searchPath
            ? posix_spawnp(&pid, program.c_str(), actions.get(), nullptr, argv.data(), environ)
            : posix_spawn(&pid, program.c_str(), actions.get(), nullptr, argv.data(), environ);
    // glibc reports a failed chdir or exec of the child here.
    return rc == 0 ? static_cast<Handle>(pid) : NoProcess;
}

std::optional<int> PosixProcessRunner::TryExitCode(Handle process) {
    int status = 0;
    pid_t done;
    do {
        done = waitpid(static_cast<pid_t>(process), &status, WNOHANG);
    } while (done < 0 && errno == EINTR);
    if (done == 0) return std::nullopt;
    if (done < 0) return 1;  // not our child any more: nothing left to wait for
    return DecodeWaitStatus(status);
}

void PosixProcessRunner::Kill(Handle process) {
    kill(static_cast<pid_t>(process), SIGKILL);
    int status = 0;
    while (waitpid(static_cast<pid_t>(process), &status, 0) < 0 && errno == EINTR) {
    }
}

}  // namespace platform
