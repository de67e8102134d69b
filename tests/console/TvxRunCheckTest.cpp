#include <gtest/gtest.h>

#include "ScratchFolder.h"
#include "console/TvxRunCheck.h"

namespace {

class SourceCheck : public ::testing::Test {
protected:
    void SetUp() override { scratch.Write("docs/a.chm", "ITSF"); }
    std::string Path(const std::string& name) const { return scratch / name; }
    testsupport::ScratchFolder scratch{"runcheck"};
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
