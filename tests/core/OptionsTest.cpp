// The option list rules, the value parsers and the typed getters.

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "core/OptionList.h"
#include "core/OptionParsers.h"
#include "core/TvxProject.h"
#include "platform/files/FileSystem.h"

using Lines = std::vector<std::string>;

TEST(OptionList, FirstEqualsSplitsAndKeysIgnoreCaseButNotBlanks) {
    const Lines lines{"no key here", "Source=a=b", "source=second", "Subdir =1", "=empty key"};
    EXPECT_EQ(options::Read(lines, "SOURCE"), "a=b");
    EXPECT_EQ(options::Read(lines, "Subdir"), "");
    EXPECT_EQ(options::Read(lines, "Subdir "), "1");
    EXPECT_EQ(options::Read(lines, "no key here"), "");
    EXPECT_EQ(options::Read(lines, "Missing"), "");
}

TEST(OptionList, WritingReplacesFirstInPlaceAppendsOrDeletes) {
    Lines lines{"comment", "Source=A", "Source=B"};
    options::Write(lines, "SOURCE", "C");
    EXPECT_EQ(lines, (Lines{"comment", "SOURCE=C", "Source=B"}));
    options::Write(lines, "Target", " /out ");
    EXPECT_EQ(lines.back(), "Target= /out ");
    options::Write(lines, "source", "");
    EXPECT_EQ(lines, (Lines{"comment", "Source=B", "Target= /out "}));
    options::Write(lines, "Absent", "");
    EXPECT_EQ(lines.size(), 3u);
}

TEST(OptionParsers, BooleanNumbersWordsAndGarbage) {
    for (const char* yes : {"1", "-1", "2.5", "TRUE", "true", " 1 ", "1e3", ".5"})
        EXPECT_EQ(options::ParseBoolean(yes), true) << yes;
    for (const char* no : {"0", "0.0", "-0", "False", "fALSE", "0e5"})
        EXPECT_EQ(options::ParseBoolean(no), false) << no;
    for (const char* neither :
         {"", "yes", "on", "1x", "0x1", "inf", "nan", "e5", ".", "1e", "True "})
        EXPECT_EQ(options::ParseBoolean(neither), std::nullopt) << neither;
}

TEST(OptionParsers, IntegerDecimalAndHexadecimal) {
    EXPECT_EQ(options::ParseInteger("$10"), 16);
    EXPECT_EQ(options::ParseInteger("0x1f"), 31);
    EXPECT_EQ(options::ParseInteger("0X1F"), 31);
    EXPECT_EQ(options::ParseInteger("  -42"), -42);
    EXPECT_EQ(options::ParseInteger("+7"), 7);
    EXPECT_EQ(options::ParseInteger("-$10"), -16);
    EXPECT_EQ(options::ParseInteger("$FFFFFFFF"), -1);
    EXPECT_EQ(options::ParseInteger("2147483647"), 2147483647);
    EXPECT_EQ(options::ParseInteger("-2147483648"), -2147483647 - 1);
    for (const char* bad : {"", "abc", "12 ", "1.0", "$", "0x", "$1G", "2147483648", "$100000000",
                            "99999999999999999999", " ", "--1"})
        EXPECT_EQ(options::ParseInteger(bad), std::nullopt) << bad;
}

class Getters : public ::testing::Test {
protected:
    // No program and no product links: nothing is read or written on disk.
    TvxProject project{platform::LocalFiles(), nullptr, nullptr};
    void Set(Lines lines) { project.Options = std::move(lines); }
};

TEST_F(Getters, ParsedAfreshOnEveryRead) {
    EXPECT_TRUE(project.GetKeepTargetSubdirs());
    EXPECT_EQ(project.GetIsOverwrite(), OverwriteMode::Overwrite);
    Set({"subdir=TRUE", "ThreadsCount=$10", "KeepTargetSubdirs=0", "DeleteSource=-1"});
    EXPECT_TRUE(project.GetSubdir());
    EXPECT_EQ(project.GetThreadsCount(), 16);
    EXPECT_FALSE(project.GetKeepTargetSubdirs());
    EXPECT_TRUE(project.GetDeleteSource());
    project.SetOption("ThreadsCount", "abc");
    EXPECT_EQ(project.GetThreadsCount(), 1);
    project.SetOption("Subdir", "maybe");
    EXPECT_FALSE(project.GetSubdir());
}

TEST_F(Getters, OverwriteModes) {
    const std::pair<const char*, OverwriteMode> cases[] = {
        {"Skip", OverwriteMode::Skip},      {"SKIP", OverwriteMode::Skip},
        {"0", OverwriteMode::NewName},      {"false", OverwriteMode::NewName},
        {"1", OverwriteMode::Overwrite},    {"maybe", OverwriteMode::Overwrite},
        {" skip", OverwriteMode::Overwrite}};
    for (const auto& [value, mode] : cases) {
        Set({std::string("IsOverwrite=") + value});
        EXPECT_EQ(project.GetIsOverwrite(), mode) << value;
    }
    project.OverwriteDefault = false;
    Set({"IsOverwrite=maybe"});
    EXPECT_EQ(project.GetIsOverwrite(), OverwriteMode::NewName);
}

TEST_F(Getters, RunAndCloseFollowsPureConsoleAndDaemon) {
    Set({"Daemon=500"});
    EXPECT_TRUE(project.GetRunAndClose());
    Set({"Daemon=-5"});
    EXPECT_FALSE(project.GetRunAndClose());
    Set({"RunAndClose=0", "PureConsole=1"});
    EXPECT_TRUE(project.GetRunAndClose());
    Set({"RunAndClose=True"});
    EXPECT_TRUE(project.GetRunAndClose());
}

// Converter threads read options while the window replaces the list.
TEST_F(Getters, ReadsFromOtherThreadsSeeWholeLists) {
    std::atomic<bool> stop{false};
    std::atomic<int> torn{0};
    std::thread reader([&] {
        while (!stop) {
            const int threads = project.GetThreadsCount();
            if (threads != 1 && threads != 2 && threads != 3) ++torn;
        }
    });
    for (int i = 0; i < 2000; ++i) {
        project.SetOptionLines({"Source=/a/", "ThreadsCount=2", std::string(i % 50, 'x')});
        project.SetOption("ThreadsCount", i % 2 ? "3" : "");
    }
    stop = true;
    reader.join();
    EXPECT_EQ(torn, 0);
}
