#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

#include "ScratchFolder.h"
#include "platform/files/FileError.h"
#include "platform/files/TextFile.h"

namespace fs = std::filesystem;
using platform::JoinLines;
using platform::SplitLines;
using Lines = std::vector<std::string>;

TEST(TextLines, ReadAcceptsEveryLineEndWriteEndsEachInCrLf) {
    EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\n\nb\r\rc\n\rd"), (Lines{"a", "", "b", "", "c", "", "d"}));
    // A final line end starts no further line.
    EXPECT_EQ(SplitLines(""), Lines{});
    EXPECT_EQ(SplitLines("a\r\n"), Lines{"a"});
    EXPECT_EQ(SplitLines("\r\n"), Lines{""});
    EXPECT_EQ(JoinLines({"a", "", "b=c"}), "a\r\n\r\nb=c\r\n");
}

class TextFile : public ::testing::Test {
protected:
    std::string File(const std::string& name) const { return scratch / name; }
    testsupport::ScratchFolder scratch{"textfile"};
    const fs::path& dir = scratch.Path();
};

TEST_F(TextFile, WriteReplacesTheWholeFileAndLeavesNothingBeside) {
    const auto path = File("p.txt");
    platform::WriteTextLines(path, {"one", "two", "three"});
    platform::WriteTextLines(path, {"four"});
    EXPECT_EQ(scratch.Read("p.txt"), "four\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST_F(TextFile, MissingFolderOrPipeFailsWithoutBlocking) {
    EXPECT_THROW(platform::ReadTextLines(File("missing")), platform::FileError);
    EXPECT_THROW(platform::ReadTextLines(dir.string()), platform::FileError);
    ASSERT_EQ(::mkfifo(File("pipe").c_str(), 0600), 0);
    EXPECT_THROW(platform::ReadTextLines(File("pipe")), platform::FileError);
    EXPECT_THROW(platform::WriteTextLines("", {"a"}), platform::FileError);
    try {
        platform::WriteTextLines(File("no-folder/p.txt"), {"a"});
        FAIL() << "writing into a missing folder succeeded";
    } catch (const platform::FileError& error) {
        EXPECT_STREQ(
            error.what(),
            ("Cannot write p.txt in " + File("no-folder") + ": No such file or directory").c_str());
    }
}

TEST_F(TextFile, AByteOrderMarkAtTheStartIsSkippedNotTakenIntoTheFirstLine) {
    const auto path = File("project.batch-pellin");
    std::ofstream(path, std::ios::binary) << "\xEF\xBB\xBFSource=/in/*.chm\r\nTarget=/out\r\n";
    EXPECT_EQ(platform::ReadTextLines(path), (Lines{"Source=/in/*.chm", "Target=/out"}));
    // Only at the very start: a mark inside a line is kept as it is.
    std::ofstream(path, std::ios::binary) << "a\r\n\xEF\xBB\xBF"
                                             "b\r\n";
    EXPECT_EQ(platform::ReadTextLines(path), (Lines{"a",
                                                    "\xEF\xBB\xBF"
                                                    "b"}));
    std::ofstream(path, std::ios::binary) << "\xEF\xBB\xBF";
    EXPECT_EQ(platform::ReadTextLines(path), Lines{});
}
