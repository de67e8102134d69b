#include <gtest/gtest.h>

#include "core/OptionCheck.h"
#include "core/ThreadsCount.h"

using options::CheckOptionLines;
using Lines = std::vector<std::string>;

TEST(OptionCheck, AKnownKeyWithAValueThatParsesSaysNothing) {
    // Shard and RegExt are checked where they are read.
    EXPECT_EQ(
        CheckOptionLines({"Source=/in/*.chm", "subdir=TRUE", "ThreadsCount=$10", "IsOverwrite=Skip",
                          "Shard=4/4", "Outline=none", "Quiet=1", "RegExt=[", ""},
                         false),
        Lines{});
}

TEST(OptionCheck, AnUnknownKeyIsNamedWithTheKeyItWasMeantToBe) {
    EXPECT_EQ(CheckOptionLines({"Subdirs=1", "Subdir =1", "Colour=red"}, false),
              (Lines{"Unknown option \"Subdirs\" is ignored; did you mean \"Subdir\"?",
                     "Unknown option \"Subdir \" is ignored; did you mean \"Subdir\"?",
                     "Unknown option \"Colour\" is ignored"}));
    // Texts from the lines are escaped and cut.
    const auto warnings = CheckOptionLines({"Bad\nKey=1", std::string(5000, 'k') + "=1"}, false);
    ASSERT_EQ(warnings.size(), 2u);
    EXPECT_EQ(warnings[0], "Unknown option \"Bad\\nKey\" is ignored");
    EXPECT_LT(warnings[1].size(), 300u);
}

TEST(OptionCheck, AValueThatDoesNotParseNamesTheDefaultUsedInstead) {
    EXPECT_EQ(CheckOptionLines({"ThreadsCount=four", "Subdir=yes", "IsOverwrite=maybe",
                                "ThreadsCount=also ignored"},
                               false),
              (Lines{"Option ThreadsCount=four expects a whole number; the default 1 is used",
                     "Option Subdir=yes expects True, False or a number; the default False is used",
                     "Option IsOverwrite=maybe expects True, False or skip; the default True is "
                     "used"}));
}

TEST(OptionCheck, ACommaInACommandLineValueIsExplained) {
    // -P:Source=/a,b/*.chm gives these two lines.
    EXPECT_EQ(CheckOptionLines({"Source=/a", "b/*.chm"}, true),
              Lines{"Option line \"b/*.chm\" has no \"=\" and is ignored; on the command line "
                    "\",\" and \";\" separate options, so no value may hold them"});
    EXPECT_EQ(CheckOptionLines({"# a note", ""}, false),
              Lines{"Option line \"# a note\" has no \"=\" and is ignored"});
}

TEST(ThreadsCount, NeverBelowOneNorAboveFourPerProcessorAndSaysWhenCut) {
    EXPECT_EQ(options::ChooseThreadsCount(3, 2).Count, 3);
    EXPECT_EQ(options::ChooseThreadsCount(0, 2).Count, 1);
    EXPECT_EQ(options::ChooseThreadsCount(-5, 2).Count, 1);
    const auto capped = options::ChooseThreadsCount(1000, 2);
    EXPECT_EQ(capped.Count, 8);
    EXPECT_TRUE(capped.Capped());
    EXPECT_EQ(options::ThreadsCapNote(capped, 2),
              "ThreadsCount=1000 is more than 4 converters per processor (2 processors): 8 "
              "converters are used");
    EXPECT_EQ(options::ThreadsCapNote(options::ChooseThreadsCount(8, 2), 2), "");
    EXPECT_EQ(options::ChooseThreadsCount(9, 0).Count, 4);  // no processor known: one
    EXPECT_GE(options::ProcessorCount(), 1);
}
