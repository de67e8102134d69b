#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <fstream>
#include <string>
#include <thread>

#include "platform/process/ConfinedRun.h"

namespace {

// Whether the process is gone (or only waits to be reaped by someone else).
bool Gone(const std::string& pid) {
    for (int i = 0; i < 200; ++i) {
        std::ifstream stat("/proc/" + pid + "/stat");
        std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
        const auto paren = text.rfind(')');
        if (text.empty() || (paren != std::string::npos && text.substr(paren + 2, 1) == "Z"))
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

}  // namespace

TEST(ConfinedRun, AChildStaysWithinItsAddressSpace) {
    platform::ConfinedLimits limits;
    limits.AddressSpace = std::size_t{256} << 20;
    const auto big = platform::RunConfined(
        "/bin/dd", {"if=/dev/zero", "of=/dev/null", "bs=512M", "count=1"}, "", limits);
    ASSERT_TRUE(big.Started);
#if !defined(__SANITIZE_ADDRESS__) && !defined(__SANITIZE_THREAD__)
    EXPECT_TRUE(big.Exited);
    EXPECT_NE(big.ExitCode, 0) << "a 512 MiB buffer fitted into 256 MiB";
#endif
}

// At the time limit the child and what it started are killed, and what it
// wrote before is kept.
TEST(ConfinedRun, AStalledChildIsKilledWithItsHelpersAtTheLimit) {
    platform::ConfinedLimits limits;
    limits.Time = std::chrono::milliseconds(300);
    const auto started = std::chrono::steady_clock::now();
    const auto slow =
        platform::RunConfined("/bin/sh", {"-c", "sleep 30 & echo $!; wait"}, "", limits);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5));
    EXPECT_TRUE(slow.TimedOut);
    EXPECT_EQ(slow.Signal, SIGKILL);
    ASSERT_FALSE(slow.Output.empty());
    EXPECT_TRUE(Gone(slow.Output.substr(0, slow.Output.size() - 1))) << "the helper outlived it";
}

// The limit is the child's processor time: one that waits longer than the
// limit on a busy machine finishes; one that computes is ended at it.
TEST(ConfinedRun, TheLimitCountsProcessorTimeUnderAWallCeiling) {
    platform::ConfinedLimits limits;
    limits.Time = std::chrono::milliseconds(500);
    const auto waiting =
        platform::RunConfined("/bin/sh", {"-c", "sleep 0.8; echo done"}, "", limits);
    EXPECT_FALSE(waiting.TimedOut);
    EXPECT_EQ(waiting.Output, "done\n");

    limits.Time = std::chrono::seconds(1);
    limits.WallCeiling = 30;
    const auto started = std::chrono::steady_clock::now();
    const auto spinning =
        platform::RunConfined("/bin/sh", {"-c", "while :; do :; done"}, "", limits);
    EXPECT_TRUE(spinning.TimedOut);
    EXPECT_EQ(spinning.Signal, SIGXCPU);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(30));
}
