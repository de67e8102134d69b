#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include "ExtractionFolder.h"
#include "ToolTestSupport.h"

using namespace tooltest;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

void WriteEntry(ExtractionFolder& folder, const EntryPath& path, const std::string& content) {
    auto file = folder.BeginFile(path);
    file->Write(reinterpret_cast<const unsigned char*>(content.data()), content.size());
    file->Commit();
}

class ExtractionFolderTest : public ::testing::Test {
protected:
    ScratchFolder scratch;
    fs::path out = scratch.Path() / "out";
    fs::path outside = scratch.Path() / "outside";

    void SetUp() override {
        fs::create_directories(out);
        fs::create_directories(outside);
        WriteBytes(outside / "secret.txt", "secret");
    }
};

TEST_F(ExtractionFolderTest, APlantedFolderLinkIsNotFollowed) {
    fs::create_directory_symlink(outside, out / "html");
    ExtractionFolder folder(out.string(), "");
    EXPECT_THROW(WriteEntry(folder, {"html", "secret.txt"}, "overwritten"), std::runtime_error);
    EXPECT_THROW(folder.MakeFolder({"html", "deeper"}), std::runtime_error);
    EXPECT_EQ(ReadBytes(outside / "secret.txt"), "secret");
    EXPECT_FALSE(fs::exists(outside / "deeper"));
}

TEST_F(ExtractionFolderTest, APlantedFileLinkIsReplacedNotWrittenThrough) {
    fs::create_symlink(outside / "secret.txt", out / "soft.htm");
    fs::create_hard_link(outside / "secret.txt", out / "hard.htm");
    ExtractionFolder folder(out.string(), "");
    WriteEntry(folder, {"soft.htm"}, "page one");
    WriteEntry(folder, {"hard.htm"}, "page two");

    EXPECT_EQ(ReadBytes(outside / "secret.txt"), "secret");
    EXPECT_FALSE(fs::is_symlink(out / "soft.htm"));
    EXPECT_EQ(ReadBytes(out / "soft.htm"), "page one");
    EXPECT_EQ(ReadBytes(out / "hard.htm"), "page two");
}

TEST_F(ExtractionFolderTest, TheFileBeingReadIsNeverReplaced) {
    WriteBytes(out / "1.chm", "the help file");
    ExtractionFolder folder(out.string(), (out / "1.chm").string());
    try {
        WriteEntry(folder, {"1.chm"}, "an entry of the same name");
        FAIL() << "the help file was replaced";
    } catch (const std::runtime_error& error) {
        EXPECT_THAT(error.what(), HasSubstr("help file being read"));
    }
    EXPECT_EQ(ReadBytes(out / "1.chm"), "the help file");
    EXPECT_THAT(TreeBelow(out), ElementsAre("1.chm"));
}

TEST_F(ExtractionFolderTest, RemoveUnfinishedDeletesOnlyThatWritersFiles) {
    fs::create_directories(out / "sub");
    const std::string mine = ".pellin-hh." + std::to_string(::getpid() + 1) + ".0.part";
    const std::string other = ".pellin-hh." + std::to_string(::getpid() + 2) + ".0.part";
    WriteBytes(out / mine, "x");
    WriteBytes(out / "sub" / mine, "x");
    WriteBytes(out / other, "x");
    WriteBytes(out / "page.htm", "x");
    fs::create_directory_symlink(outside, out / "link");
    WriteBytes(outside / mine, "x");

    ExtractionFolder::RemoveUnfinished(out.string(), ::getpid() + 1);
    EXPECT_THAT(TreeBelow(out), ElementsAre(other, "link", "page.htm", "sub/"));
    EXPECT_TRUE(fs::exists(outside / mine));
}

}  // namespace
