#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>
#include <vector>

#include "ScratchFolder.h"
#include "platform/files/NameClaim.h"

namespace fs = std::filesystem;
using platform::ClaimName;
using Outcome = platform::NameClaim::Outcome;

namespace {

class NameClaimTest : public ::testing::Test {
protected:
    std::string Path(const std::string& name) const { return scratch / name; }
    std::string Read(const std::string& path) const {
        return scratch.Read(fs::relative(path, dir).string());
    }

    // Every entry below the folder, to find private drafts left behind.
    std::size_t EntryCount() const {
        std::size_t count = 0;
        for (auto it = fs::recursive_directory_iterator(dir); it != fs::end(it); ++it)
            if (it->is_regular_file()) ++count;
        return count;
    }

    testsupport::ScratchFolder scratch{"claim"};
    const fs::path& dir = scratch.Path();
};

}  // namespace

TEST_F(NameClaimTest, FirstOwnerKeepsTheNameAndFindsItAgain) {
    const auto first = ClaimName(Path("claims/sub/x.pdf"), "a/x.chm");
    EXPECT_EQ(first.Result, Outcome::Owned);
    EXPECT_EQ(Read(Path("claims/sub/x.pdf")), "a/x.chm\n");

    // A re-run of the same work finds the name its own.
    EXPECT_EQ(ClaimName(Path("claims/sub/x.pdf"), "a/x.chm").Result, Outcome::Owned);

    const auto other = ClaimName(Path("claims/sub/x.pdf"), "b/x.chm");
    EXPECT_EQ(other.Result, Outcome::Taken);
    EXPECT_EQ(other.Holder, "a/x.chm");
    EXPECT_EQ(Read(Path("claims/sub/x.pdf")), "a/x.chm\n");
    // Only the claim itself is left: no private drafts.
    EXPECT_EQ(EntryCount(), 1u);
}

TEST_F(NameClaimTest, OwnersDifferingOnlyInCaseOrBlanksAreDifferent) {
    ASSERT_EQ(ClaimName(Path("x.pdf"), "A/x.chm").Result, Outcome::Owned);
    EXPECT_EQ(ClaimName(Path("x.pdf"), "a/x.chm").Result, Outcome::Taken);
    EXPECT_EQ(ClaimName(Path("x.pdf"), "A/x.chm ").Result, Outcome::Taken);
}

TEST_F(NameClaimTest, AClaimThatCannotBeMadeSaysWhy) {
    std::ofstream(Path("plain-file")) << "x";
    const auto claim = ClaimName(Path("plain-file/x.pdf"), "a.chm");
    EXPECT_EQ(claim.Result, Outcome::Failed);
    EXPECT_NE(claim.Error.find("plain-file/x.pdf"), std::string::npos) << claim.Error;
    EXPECT_NE(claim.Error.find("Not a directory"), std::string::npos) << claim.Error;
}

TEST_F(NameClaimTest, AnEmptyClaimIsWaitedForThenRefused) {
    // An empty claim is one being written by a process without hard links;
    // its text arrives a moment later.
    std::ofstream(Path("late.pdf")).flush();
    std::thread writer([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        std::ofstream(Path("late.pdf")) << "b/late.chm\n";
    });
    const auto late = ClaimName(Path("late.pdf"), "a/late.chm");
    writer.join();
    EXPECT_EQ(late.Result, Outcome::Taken);
    EXPECT_EQ(late.Holder, "b/late.chm");

    // One that stays empty (its writer died) is never taken as anyone's.
    std::ofstream(Path("abandoned.pdf")).flush();
    const auto abandoned = ClaimName(Path("abandoned.pdf"), "a/x.chm");
    EXPECT_EQ(abandoned.Result, Outcome::Failed);
    EXPECT_NE(abandoned.Error.find("empty"), std::string::npos) << abandoned.Error;
}

TEST_F(NameClaimTest, ThreadsRacingForOneNameLeaveExactlyOneOwner) {
    constexpr int racers = 8;
    for (int round = 0; round < 20; ++round) {
        const std::string path = Path("race-" + std::to_string(round) + "/x.pdf");
        std::atomic<bool> go{false};
        std::vector<platform::NameClaim> results(racers);
        std::vector<std::thread> threads;
        for (int i = 0; i < racers; ++i)
            threads.emplace_back([&, i] {
                while (!go.load()) std::this_thread::yield();
                results[i] = ClaimName(path, "owner-" + std::to_string(i));
            });
        go = true;
        for (auto& thread : threads) thread.join();

        int owners = 0;
        std::string winner;
        for (int i = 0; i < racers; ++i)
            if (results[i].Result == Outcome::Owned) {
                ++owners;
                winner = "owner-" + std::to_string(i);
            }
        ASSERT_EQ(owners, 1) << "round " << round;
        for (const auto& result : results)
            if (result.Result != Outcome::Owned) {
                EXPECT_EQ(result.Result, Outcome::Taken);
                EXPECT_EQ(result.Holder, winner);
            }
        EXPECT_EQ(Read(path), winner + "\n");
    }
}

TEST_F(NameClaimTest, ProcessesRacingForOneNameLeaveExactlyOneOwner) {
    // Each child claims once and reports through its exit code: 100 for the
    // owner, else the number of the owner it was refused for.
    constexpr int racers = 6;
    const std::string path = Path("shared/x.pdf");
    int gate[2];
    ASSERT_EQ(::pipe(gate), 0);
    std::vector<pid_t> children;
    for (int i = 0; i < racers; ++i) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            ::close(gate[1]);
            char byte = 0;
            (void)!::read(gate[0], &byte, 1);  // released when the parent closes
            const auto claim = ClaimName(path, std::to_string(i));
            if (claim.Result == Outcome::Owned) ::_exit(100);
            if (claim.Result == Outcome::Taken) ::_exit(std::stoi(claim.Holder));
            ::_exit(200);
        }
        children.push_back(pid);
    }
    ::close(gate[0]);
    ::close(gate[1]);
    std::vector<int> codes;
    for (pid_t child : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        codes.push_back(WEXITSTATUS(status));
    }
    int winner = -1;
    for (int i = 0; i < racers; ++i)
        if (codes[i] == 100) {
            ASSERT_EQ(winner, -1) << "two owners";
            winner = i;
        }
    ASSERT_NE(winner, -1);
    for (int i = 0; i < racers; ++i) {
        if (i != winner) {
            EXPECT_EQ(codes[i], winner) << "racer " << i;
        }
    }
    EXPECT_EQ(Read(path), std::to_string(winner) + "\n");
}
