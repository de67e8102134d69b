#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include <thread>

#include "IsolatedRun.h"

namespace {

using namespace std::chrono_literals;
using Ending = IsolatedOutcome::Ending;

TEST(IsolatedRunTest, TheChildsResultComesBackAndACrashEndsOnlyTheChild) {
    const auto outcome = RunIsolated([] { return 42; }, 10s);
    EXPECT_EQ(outcome.How, Ending::Exited);
    EXPECT_EQ(outcome.ExitCode, 42);
    EXPECT_GT(outcome.Process, 0);

    const auto segv = RunIsolated([] { return ::raise(SIGSEGV), 0; }, 10s);
    EXPECT_EQ(segv.How, Ending::Signalled);
    EXPECT_EQ(segv.Signal, SIGSEGV);
}

TEST(IsolatedRunTest, AHangIsStoppedAtTheTimeLimit) {
    const auto started = std::chrono::steady_clock::now();
    const auto outcome = RunIsolated(
        [] {
            while (true) ::pause();
            return 0;
        },
        300ms);
    const auto took = std::chrono::steady_clock::now() - started;
    EXPECT_EQ(outcome.How, Ending::TimedOut);
    EXPECT_GE(took, 300ms);
    EXPECT_LT(took, 5s);
}

}  // namespace
