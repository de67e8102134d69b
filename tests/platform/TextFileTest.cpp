#include "platform/TextFile.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/FileError.h"

namespace fs = std::filesystem;
using platform::JoinLines;
using platform::SplitLines;
using Lines = std::vector<std::string>;

namespace {

class TempFolder {
public:
    TempFolder() {
        path_ = fs::temp_directory_path() /
                ("pellin-textfile-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                 "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~TempFolder() { fs::remove_all(path_); }
    std::string File(const std::string& name) const { return (path_ / name).string(); }

private:
    fs::path path_;
};

std::string Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

TEST(TextLines, AcceptEveryLineEndAndKeepEmptyLines) {
    EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\n\nb"), (Lines{"a", "", "b"}));
    EXPECT_EQ(SplitLines("a\r\rb"), (Lines{"a", "", "b"}));
    // LF CR is two line ends, CR LF only one.
    EXPECT_EQ(SplitLines("a\n\rb"), (Lines{"a", "", "b"}));
}

TEST(TextLines, FinalLineEndStartsNoLine) {
    EXPECT_EQ(SplitLines(""), Lines{});
    EXPECT_EQ(SplitLines("a"), Lines{"a"});
    EXPECT_EQ(SplitLines("a\r\n"), Lines{"a"});
    EXPECT_EQ(SplitLines("\r\n"), Lines{""});
    EXPECT_EQ(SplitLines("a\r"), Lines{"a"});
}

TEST(TextLines, EveryWrittenLineEndsInCrLf) {
    EXPECT_EQ(JoinLines({"a", "", "b=c"}), "a\r\n\r\nb=c\r\n");
    EXPECT_EQ(JoinLines({}), "");
    const Lines odd{"x", "", "y=\xC3\xA9"};
    EXPECT_EQ(SplitLines(JoinLines(odd)), odd);
}

TEST(TextFile, RoundTripReplacesTheWholeFile) {
    TempFolder dir;
    const auto path = dir.File("p.txt");
    platform::WriteTextLines(path, {"one", "two", "three"});
    platform::WriteTextLines(path, {"four"});
    EXPECT_EQ(Bytes(path), "four\r\n");
    EXPECT_EQ(platform::ReadTextLines(path), Lines{"four"});
    // No temporary file is left beside it.
    EXPECT_EQ(std::distance(fs::directory_iterator(fs::path(path).parent_path()),
                            fs::directory_iterator()),
              1);
}

TEST(TextFile, ReadFailuresAreFileErrors) {
    TempFolder dir;
    EXPECT_THROW(platform::ReadTextLines(dir.File("missing")), platform::FileError);
    fs::create_directory(dir.File("folder"));
    EXPECT_THROW(platform::ReadTextLines(dir.File("folder")), platform::FileError);
}

TEST(TextFile, PipeIsRefusedInsteadOfBlocking) {
    TempFolder dir;
    const auto fifo = dir.File("pipe");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_THROW(platform::ReadTextLines(fifo), platform::FileError);
}

TEST(TextFile, WriteFailuresNameTheFile) {
    TempFolder dir;
    const auto path = dir.File("no-folder/p.txt");
    try {
        platform::WriteTextLines(path, {"a"});
        FAIL() << "writing into a missing folder succeeded";
    } catch (const platform::FileError& error) {
        EXPECT_NE(std::string(error.what()).find(path), std::string::npos) << error.what();
    }
    EXPECT_THROW(platform::WriteTextLines("", {"a"}), platform::FileError);
}
