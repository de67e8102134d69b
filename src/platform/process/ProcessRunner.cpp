#include "platform/process/ProcessRunner.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <mutex>
#include <thread>

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

// Reads the pipe until the writer closes it or the deadline passes; false
// when the deadline passed first.
bool ReadUntilClosed(int fd, std::chrono::steady_clock::time_point deadline, std::string& output) {
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) return false;
        pollfd pfd{fd, POLLIN, 0};
        const int ready = ::poll(&pfd, 1, static_cast<int>(left.count()));
        if (ready <= 0) continue;  // interrupted or timed out: the check above decides
        char buffer[4096];
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return true;
        output.append(buffer, static_cast<std::size_t>(n));
    }
}

}  // namespace

std::optional<std::string> ProcessRunner::Output(const std::string&,
                                                 const std::vector<std::string>&,
                                                 std::chrono::milliseconds) {
    return std::nullopt;
}

void ProcessRunner::Release(Handle) {}

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
    // Helpers run unseen: nothing they print reaches the program's own
    // streams (a windowless run stays silent), and they read no input.
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

void PosixProcessRunner::Release(Handle process) {
    if (process == NoProcess) return;
    std::thread([process] {
        int status = 0;
        while (waitpid(static_cast<pid_t>(process), &status, 0) < 0 && errno == EINTR) {
        }
    }).detach();
}

std::optional<std::string> PosixProcessRunner::Output(const std::string& program,
                                                      const std::vector<std::string>& args,
                                                      std::chrono::milliseconds timeout) {
    if (program.empty()) return std::nullopt;
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC) != 0) return std::nullopt;
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const auto& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    int spawned = 0;
    {
        SpawnFileActions actions;
        posix_spawn_file_actions_adddup2(actions.get(), fds[1], STDOUT_FILENO);
        posix_spawn_file_actions_addopen(actions.get(), STDIN_FILENO, "/dev/null", O_RDONLY, 0);
        posix_spawn_file_actions_addopen(actions.get(), STDERR_FILENO, "/dev/null", O_WRONLY, 0);
        spawned = program.find('/') == std::string::npos
                      ? posix_spawnp(&pid, argv[0], actions.get(), nullptr, argv.data(), environ)
                      : posix_spawn(&pid, argv[0], actions.get(), nullptr, argv.data(), environ);
    }
    ::close(fds[1]);
    if (spawned != 0) {
        ::close(fds[0]);
        return std::nullopt;
    }
    std::string output;
    const bool closed = ReadUntilClosed(fds[0], std::chrono::steady_clock::now() + timeout, output);
    ::close(fds[0]);
    if (!closed) ::kill(pid, SIGKILL);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (!closed || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return std::nullopt;
    return output;
}

void PosixProcessRunner::Kill(Handle process) {
    kill(static_cast<pid_t>(process), SIGKILL);
    int status = 0;
    while (waitpid(static_cast<pid_t>(process), &status, 0) < 0 && errno == EINTR) {
    }
}

}  // namespace platform
