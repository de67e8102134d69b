// The processor time of a process tree read from /proc: it grows while the
// process itself works, counts the work of a descendant while the root only
// waits, and reads nothing once the process is gone.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "platform/process/ProcessCpuTime.h"

using namespace std::chrono_literals;
using platform::ProcessTreeCpuTime;

namespace {

std::chrono::nanoseconds OwnProcessorTime() {
    timespec now{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
}

TEST(ProcessCpuTime, GrowsWhileTheProcessWorks) {
    const auto before = ProcessTreeCpuTime(::getpid());
    ASSERT_TRUE(before);
    const auto start = OwnProcessorTime();
    while (OwnProcessorTime() - start < 200ms) {
    }
    const auto after = ProcessTreeCpuTime(::getpid());
    ASSERT_TRUE(after);
    // The kernel counts in ticks of 10 ms at most.
    EXPECT_GE(*after - *before, 180ms);
    EXPECT_LE(
        *after - *before,
        std::chrono::duration_cast<std::chrono::milliseconds>(OwnProcessorTime() - start) + 20ms);
}

TEST(ProcessCpuTime, CountsTheWorkOfADescendantAndNothingOnceTheRootIsGone) {
    // A shell that only waits for a shell that spins.
    const pid_t root = ::fork();
    ASSERT_GE(root, 0);
    if (root == 0) {
        ::setpgid(0, 0);
        ::execl("/bin/sh", "sh", "-c", "/bin/sh -c 'while :; do :; done' & wait",
                static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::setpgid(root, root);
    // The meter lists the tree now and then and reads its processes between.
    const platform::ProcessTreeCpuMeter meter(root);
    std::optional<std::chrono::milliseconds> used;
    const auto giveUp = std::chrono::steady_clock::now() + 20s;
    do {
        std::this_thread::sleep_for(20ms);
        used = meter.used();
    } while (used && *used < 100ms && std::chrono::steady_clock::now() < giveUp);
    ::kill(-root, SIGKILL);
    int status = 0;
    while (::waitpid(root, &status, 0) < 0 && errno == EINTR) {
    }
    ASSERT_TRUE(used) << "the waiting shell could not be read";
    EXPECT_GE(*used, 100ms) << "the spinning shell below it was not counted";
    EXPECT_FALSE(meter.used());
    EXPECT_FALSE(ProcessTreeCpuTime(root));
}

}  // namespace
