#include "IsolatedRun.h"

#include <signal.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <thread>

namespace {

void PrepareChild(std::chrono::milliseconds timeLimit, pid_t parent) {
    // The child must not outlive a parent that was killed meanwhile.
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != parent) ::_exit(1);
    for (int crash : {SIGSEGV, SIGFPE, SIGBUS, SIGILL, SIGABRT}) ::signal(crash, SIG_DFL);
    const rlimit noCore{0, 0};
    ::setrlimit(RLIMIT_CORE, &noCore);
    // A backstop behind the parent's clock: CPU time is bounded as well.
    const auto seconds =
        static_cast<rlim_t>(std::chrono::ceil<std::chrono::seconds>(timeLimit).count() + 1);
    const rlimit cpu{seconds, seconds + 1};
    ::setrlimit(RLIMIT_CPU, &cpu);
}

enum class Wait { Ended, Lost, Late };

// Waits for the child until the deadline, polling with a growing pause.
Wait WaitUntil(pid_t child, int& status, std::chrono::steady_clock::time_point deadline) {
    auto pause = std::chrono::microseconds(200);
    while (true) {
        const pid_t done = ::waitpid(child, &status, WNOHANG);
        if (done == child) return Wait::Ended;
        if (done < 0 && errno != EINTR) return Wait::Lost;
        if (std::chrono::steady_clock::now() >= deadline) return Wait::Late;
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, std::chrono::microseconds(20'000));
    }
}

}  // namespace

IsolatedOutcome RunIsolated(const std::function<int()>& work, std::chrono::milliseconds timeLimit) {
    std::fflush(nullptr);
    const auto deadline = std::chrono::steady_clock::now() + timeLimit;
    const pid_t parent = ::getpid();
    const pid_t child = ::fork();
    if (child < 0) return {};
    if (child == 0) {
        PrepareChild(timeLimit, parent);
        int code = 1;
        try {
            code = work();
        } catch (...) {
            code = 1;
        }
        std::fflush(nullptr);
        ::_exit(code);
    }
    int status = 0;
    IsolatedOutcome outcome;
    outcome.Process = child;
    const Wait waited = WaitUntil(child, status, deadline);
    if (waited == Wait::Lost) {
        outcome.How = IsolatedOutcome::Ending::Unknown;
        return outcome;
    }
    if (waited == Wait::Late) {
        ::kill(child, SIGKILL);
        while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
        outcome.How = IsolatedOutcome::Ending::TimedOut;
        return outcome;
    }
    if (WIFEXITED(status)) {
        outcome.How = IsolatedOutcome::Ending::Exited;
        outcome.ExitCode = WEXITSTATUS(status);
    } else if (WIFSIGNALED(status)) {
        outcome.How = IsolatedOutcome::Ending::Signalled;
        outcome.Signal = WTERMSIG(status);
    } else {
        outcome.How = IsolatedOutcome::Ending::Unknown;
    }
    return outcome;
}

std::string DescribeSignal(int signal) {
    const char* text = ::strsignal(signal);
    return "signal " + std::to_string(signal) + " (" + (text != nullptr ? text : "unknown") + ")";
}
