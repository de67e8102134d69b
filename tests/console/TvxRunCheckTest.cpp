#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "console/TvxRunCheck.h"

namespace fs = std::filesystem;

namespace {

class SourceCheck : public ::testing::Test {
protected:
    void SetUp() override {
        root = fs::temp_directory_path() / ("pellin-runcheck-" + std::to_string(::getpid()));
        fs::remove_all(root);
        fs::create_directories(root / "docs");
        std::ofstream(root / "docs/a.chm") << "ITSF";
    }
    void TearDown() override { fs::remove_all(root); }
    std::string Path(const std::string& name) const { return (root / name).string(); }
    fs::path root;
};

}  // namespace

TEST_F(SourceCheck, APatternInAnExistingFolderOrAFileCanBeSearched) {
    EXPECT_EQ(SourceProblem(Path("docs/*.chm")), std::nullopt);
    EXPECT_EQ(SourceProblem(Path("docs/a?chm")), std::nullopt);
    EXPECT_EQ(SourceProblem(Path("docs/a.chm")), std::nullopt);
    EXPECT_EQ(SourceProblem("file://" + Path("docs/*.chm")), std::nullopt);
    EXPECT_EQ(SourceProblem("/*.chm"), std::nullopt);  // the root folder
}

TEST_F(SourceCheck, WhatNamesNothingToConvertIsSaid) {
    EXPECT_EQ(SourceProblem(Path("nowhere/*.chm")),
              "Source folder " + Path("nowhere/") + " does not exist");
    EXPECT_EQ(SourceProblem(Path("docs/a.chm/*.chm")),
              "Cannot search the Source folder " + Path("docs/a.chm/") + ": Not a directory");
    EXPECT_EQ(SourceProblem(Path("docs/b.chm")),
              "Source " + Path("docs/b.chm") + " does not exist (no file, no folder)");
    EXPECT_EQ(SourceProblem(Path("docs")), "Source " + Path("docs") +
                                               " is a folder; name the files in it too, such as " +
                                               Path("docs/") + "*.chm");
    EXPECT_EQ(SourceProblem(""),
              "No Source is given; name the help files to convert, such as Source=/docs/*.chm");
}

TEST_F(SourceCheck, AnAbsurdlyLongSourceIsRefusedAndANameIsEscaped) {
    EXPECT_EQ(SourceProblem(std::string(1 << 20, 'a')),
              "Source is 1048576 bytes long; a path holds at most 4096");
    EXPECT_EQ(SourceProblem(Path("docs/x\ny.chm")),
              "Source " + Path("docs/x\\ny.chm") + " does not exist (no file, no folder)");
}
