#include "platform/process/ConfinedRun.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <thread>

#include "platform/process/StopRequest.h"

extern char** environ;

namespace platform {

namespace {

// The sanitizers reserve terabytes of address space for their shadow memory.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr bool kSanitized = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

constexpr auto kPollSlice = std::chrono::milliseconds(100);

struct Fd {
    int fd = -1;
    ~Fd() {
        if (fd >= 0) ::close(fd);
    }
};

// Runs in the forked child of a multi-threaded process: only calls that are
// safe there until the exec.
[[noreturn]] void ExecChild(char* const* argv, const char* folder, int devNull, int out,
                            pid_t parent, std::size_t addressSpace, rlim_t cpuSeconds) {
    ::setpgid(0, 0);
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != parent) ::_exit(127);
    if (::dup2(devNull, STDIN_FILENO) < 0 || ::dup2(out, STDOUT_FILENO) < 0 ||
        ::dup2(devNull, STDERR_FILENO) < 0)
        ::_exit(127);
    sigset_t none;
    ::sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    ::signal(SIGPIPE, SIG_DFL);
    const rlimit noCore{0, 0};
    ::setrlimit(RLIMIT_CORE, &noCore);
    // Past the soft limit the kernel sends SIGXCPU, past the hard one SIGKILL.
    const rlimit cpu{cpuSeconds, cpuSeconds + 1};
    ::setrlimit(RLIMIT_CPU, &cpu);
    if (addressSpace > 0 && !kSanitized) {
        const rlimit space{addressSpace, addressSpace};
        ::setrlimit(RLIMIT_AS, &space);
    }
    if (folder[0] != '\0' && ::chdir(folder) != 0) ::_exit(127);
    ::execve(argv[0], argv, environ);
    ::_exit(127);
}

rlim_t CpuSeconds(std::chrono::milliseconds limit) {
    const auto seconds = std::chrono::ceil<std::chrono::seconds>(limit).count();
    return static_cast<rlim_t>(std::max<long long>(1, seconds));
}

void KillGroup(pid_t child) {
    ::kill(-child, SIGKILL);
    ::kill(child, SIGKILL);
}

void Reap(pid_t child, ConfinedResult& result) {
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFEXITED(status)) {
        result.Exited = true;
        result.ExitCode = WEXITSTATUS(status);
    } else if (WIFSIGNALED(status)) {
        result.Signal = WTERMSIG(status);
    }
}

bool HasEnded(pid_t child) {
    siginfo_t info{};
    return ::waitid(P_PID, static_cast<id_t>(child), &info, WEXITED | WNOHANG | WNOWAIT) == 0 &&
           info.si_pid == child;
}

// Appends what the pipe holds; false when the writer has closed it.
bool ReadAvailable(int fd, int waitMs, std::string& output) {
    pollfd pfd{fd, POLLIN, 0};
    if (::poll(&pfd, 1, waitMs) <= 0) return true;
    char buffer[16384];
    const ssize_t got = ::read(fd, buffer, sizeof buffer);
    if (got < 0) return errno == EINTR || errno == EAGAIN;
    if (got > 0) output.append(buffer, static_cast<std::size_t>(got));
    return got > 0;
}

// Reads the child's output until the child ends (it is left to be reaped)
// or a limit is met.
void Watch(pid_t child, int fd, const ConfinedLimits& limits, ConfinedResult& result) {
    const auto deadline = std::chrono::steady_clock::now() + limits.Time * limits.WallCeiling;
    bool open = true;
    for (;;) {
        if (StopRequested()) {
            result.Stopped = true;
            return;
        }
        const auto now = std::chrono::steady_clock::now();
        if (now >= deadline) {
            result.TimedOut = true;
            return;
        }
        const auto slice = std::min<std::chrono::steady_clock::duration>(
            deadline - now, open ? kPollSlice : std::chrono::milliseconds(5));
        const auto waitMs = std::chrono::ceil<std::chrono::milliseconds>(slice).count();
        const std::size_t before = result.Output.size();
        if (open) {
            open = ReadAvailable(fd, static_cast<int>(waitMs), result.Output);
        } else {
            std::this_thread::sleep_for(slice);
        }
        if (result.Output.size() > limits.OutputBytes) {
            result.TooMuchOutput = true;
            return;
        }
        // Output that keeps coming is read first; a child whose helpers
        // still hold the pipe has ended all the same.
        if (result.Output.size() == before && HasEnded(child)) {
            while (open && result.Output.size() <= limits.OutputBytes) {
                const std::size_t had = result.Output.size();
                open = ReadAvailable(fd, 0, result.Output) && result.Output.size() != had;
            }
            return;
        }
    }
}

}  // namespace

ConfinedResult RunConfined(const std::string& program, const std::vector<std::string>& args,
                           const std::string& workingDir, const ConfinedLimits& limits) {
    ConfinedResult result;
    if (program.empty()) return result;
    std::vector<std::string> words{program};
    words.insert(words.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);

    Fd devNull{::open("/dev/null", O_RDWR | O_CLOEXEC)};
    int fds[2];
    if (devNull.fd < 0 || ::pipe2(fds, O_CLOEXEC) != 0) return result;
    Fd readEnd{fds[0]};
    Fd writeEnd{fds[1]};
    const pid_t parent = ::getpid();
    const pid_t child = ::fork();
    if (child < 0) return result;
    if (child == 0)
        ExecChild(argv.data(), workingDir.c_str(), devNull.fd, writeEnd.fd, parent,
                  limits.AddressSpace, CpuSeconds(limits.Time));
    ::setpgid(child, child);  // also here, so a kill of the group never misses it
    ::close(writeEnd.fd);
    writeEnd.fd = -1;
    Watch(child, readEnd.fd, limits, result);
    // Whatever the child left running in its group goes with it; the child
    // is not reaped yet, so the group's number is still its own.
    KillGroup(child);
    Reap(child, result);
    if (!result.Exited && result.Signal == SIGXCPU) result.TimedOut = true;
    // An exec that failed shows as code 127 before any output.
    result.Started = !(result.Exited && result.ExitCode == 127 && result.Output.empty());
    return result;
}

}  // namespace platform
