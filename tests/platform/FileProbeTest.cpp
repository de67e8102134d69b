#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "ChildProcess.h"
#include "ScratchFolder.h"
#include "platform/files/FileProbe.h"

namespace fs = std::filesystem;
using platform::UnreadableFileReason;
using platform::UnwritableFolderReason;
using platformtest::InChild;

namespace {

class FileProbe : public ::testing::Test {
protected:
    std::string Path(const std::string& name) const { return scratch / name; }
    std::string Write(const std::string& name) const { return scratch.Write(name, "ITSF"); }
    testsupport::ScratchFolder scratch{"probe"};
    const fs::path& dir = scratch.Path();
};

// Drops root's right to read and write everything, for the rest of a child.
bool BecomeNobody() { return ::geteuid() != 0 || ::setuid(65534) == 0; }

}  // namespace

TEST_F(FileProbe, AReadableFileOrALinkToOneIsFine) {
    const std::string chm = Write("a.chm");
    EXPECT_EQ(UnreadableFileReason(chm), std::nullopt);
    fs::create_symlink(chm, Path("link.chm"));
    EXPECT_EQ(UnreadableFileReason(Path("link.chm")), std::nullopt);
}

TEST_F(FileProbe, EachUnreadableSourceNamesItselfAndTheRealCause) {
    EXPECT_EQ(UnreadableFileReason(Path("missing.chm")),
              "Cannot read " + Path("missing.chm") + ": No such file or directory");
    fs::create_symlink(Path("gone.chm"), Path("dangling.chm"));
    EXPECT_EQ(UnreadableFileReason(Path("dangling.chm")),
              Path("dangling.chm") + " is a broken symbolic link");
    ASSERT_EQ(::mkfifo(Path("pipe.chm").c_str(), 0600), 0);
    // Never opened, so it cannot block.
    EXPECT_EQ(UnreadableFileReason(Path("pipe.chm")), Path("pipe.chm") + " is not a regular file");
    fs::create_directories(Path("folder.chm"));
    EXPECT_EQ(UnreadableFileReason(Path("folder.chm")),
              Path("folder.chm") + " is not a regular file");
}

TEST_F(FileProbe, AFileTheUserMayNotReadSaysPermissionDenied) {
    const std::string chm = Write("secret.chm");
    fs::permissions(chm, fs::perms::owner_write);
    fs::permissions(dir, fs::perms::all);  // nobody may still reach the folder
    const int outcome = InChild([&] {
        if (!BecomeNobody()) return platformtest::Skipped;
        return UnreadableFileReason(chm) == "Cannot read " + chm + ": Permission denied"
                   ? platformtest::Passed
                   : platformtest::Failed;
    });
    if (outcome == platformtest::Skipped) GTEST_SKIP() << "cannot drop privileges";
    EXPECT_EQ(outcome, platformtest::Passed);
}

TEST_F(FileProbe, AFolderIsCreatedWhenMissingAndLeftWithoutTheProbe) {
    const std::string out = Path("deep/new/out");
    EXPECT_EQ(UnwritableFolderReason(out), std::nullopt);
    EXPECT_TRUE(fs::is_directory(out));
    EXPECT_TRUE(fs::is_empty(out));
}

TEST_F(FileProbe, AFileInTheWayOrAnEmptyNameIsNoFolder) {
    const std::string file = Write("out");
    EXPECT_EQ(UnwritableFolderReason(file), "Cannot write to " + file + ": Not a directory");
    EXPECT_EQ(UnwritableFolderReason(file + "/sub"),
              "Cannot write to " + file + "/sub: Not a directory");
    EXPECT_EQ(UnwritableFolderReason(""), "No target folder was given");
}

TEST_F(FileProbe, AFolderTheUserMayNotWriteSaysPermissionDenied) {
    fs::create_directories(Path("locked"));
    fs::permissions(dir, fs::perms::all);
    fs::permissions(Path("locked"),
                    fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec);
    const int outcome = InChild([&] {
        if (!BecomeNobody()) return platformtest::Skipped;
        const bool inside = UnwritableFolderReason(Path("locked")) ==
                            "Cannot write to " + Path("locked") + ": Permission denied";
        const bool below = UnwritableFolderReason(Path("locked/sub")) ==
                           "Cannot write to " + Path("locked/sub") + ": Permission denied";
        return inside && below ? platformtest::Passed : platformtest::Failed;
    });
    if (outcome == platformtest::Skipped) GTEST_SKIP() << "cannot drop privileges";
    EXPECT_EQ(outcome, platformtest::Passed);
}

// A full disk and a read-only disk, on a small file system mounted in a
// private mount namespace of a child.
TEST_F(FileProbe, AFullOrReadOnlyDiskShowsBeforeAnyJob) {
    const std::string mountPoint = Path("disk");
    fs::create_directories(mountPoint);
    const int outcome = InChild([&] {
        if (!platformtest::EnterPrivateMounts() ||
            ::mount("tmpfs", mountPoint.c_str(), "tmpfs", 0, "size=64k") != 0)
            return platformtest::Skipped;
        {
            std::ofstream fill(mountPoint + "/fill", std::ios::binary);
            const std::string block(4096, 'x');
            for (int i = 0; i < 64 && fill; ++i) fill << block;
        }
        const bool full = UnwritableFolderReason(mountPoint) ==
                          "Cannot write to " + mountPoint + ": No space left on device";
        if (::mount(nullptr, mountPoint.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) != 0)
            return platformtest::Skipped;
        const bool readOnly = UnwritableFolderReason(mountPoint) ==
                              "Cannot write to " + mountPoint + ": Read-only file system";
        return full && readOnly ? platformtest::Passed : platformtest::Failed;
    });
    if (outcome == platformtest::Skipped) GTEST_SKIP() << "no private mounts on this machine";
    EXPECT_EQ(outcome, platformtest::Passed);
}
