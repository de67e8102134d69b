#include <gtest/gtest.h>

#include "core/OptionCheck.h"
#include "core/ThreadsCount.h"

using options::CheckOptionLines;
using Lines = std::vector<std::string>;

TEST(OptionCheck, AKnownKeyWithAValueThatParsesSaysNothing) {
    const auto notes =
        CheckOptionLines({"Source=/in/*.chm", "subdir=TRUE", "ThreadsCount=$10", "IsOverwrite=Skip",
                          "Shard=1/4", "Outline=none", "Quiet=1", "RegExt=[", ""},
                         false);
    EXPECT_EQ(notes.Warnings, Lines{});
    EXPECT_EQ(notes.Errors, Lines{});
}

TEST(OptionCheck, AnUnknownKeyIsNamedWithTheKeyItWasMeantToBe) {
    const auto notes = CheckOptionLines({"Subdirs=1", "Subdir =1", "Colour=red"}, false);
    EXPECT_EQ(notes.Warnings,
              (Lines{"Unknown option \"Subdirs\" is ignored; did you mean \"Subdir\"?",
                     "Unknown option \"Subdir \" is ignored; did you mean \"Subdir\"?",
                     "Unknown option \"Colour\" is ignored"}));
    EXPECT_EQ(notes.Errors, Lines{});
}

TEST(OptionCheck, AValueThatDoesNotParseNamesTheDefaultUsedInstead) {
    const auto notes = CheckOptionLines(
        {"ThreadsCount=four", "Subdir=yes", "IsOverwrite=maybe", "ThreadsCount=also ignored"},
        false);
    EXPECT_EQ(notes.Warnings,
              (Lines{"Option ThreadsCount=four expects a whole number; the default 1 is used",
                     "Option Subdir=yes expects True, False or a number; the default False is used",
                     "Option IsOverwrite=maybe expects True, False or skip; the default True is "
                     "used"}));
}

TEST(OptionCheck, AShardThatDoesNotParseKeepsTheRunFromStarting) {
    const auto notes = CheckOptionLines({"Shard=4/4"}, false);
    EXPECT_EQ(notes.Errors, Lines{"Option Shard=4/4 expects K/N with 0 <= K < N, such as 0/4"});
}

TEST(OptionCheck, ACommaInACommandLineValueIsExplained) {
    // -P:Source=/a,b/*.chm gives these two lines.
    const auto fromSwitch = CheckOptionLines({"Source=/a", "b/*.chm"}, true);
    EXPECT_EQ(fromSwitch.Warnings,
              Lines{"Option line \"b/*.chm\" has no \"=\" and is ignored; on the command line "
                    "\",\" and \";\" separate options, so no value may hold them"});
    const auto fromFile = CheckOptionLines({"# a note", ""}, false);
    EXPECT_EQ(fromFile.Warnings, Lines{"Option line \"# a note\" has no \"=\" and is ignored"});
}

TEST(OptionCheck, TextsFromTheLinesAreEscapedAndCut) {
    const auto notes = CheckOptionLines({"Bad\nKey=1", std::string(5000, 'k') + "=1"}, false);
    ASSERT_EQ(notes.Warnings.size(), 2u);
    EXPECT_EQ(notes.Warnings[0], "Unknown option \"Bad\\nKey\" is ignored");
    EXPECT_LT(notes.Warnings[1].size(), 300u);
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
