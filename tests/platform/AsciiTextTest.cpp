// The one set of case-blind text helpers: ASCII letters fold, every other
// byte (UTF-8 sequences, code-page letters) stays itself.

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "platform/text/AsciiText.h"

using namespace platform;

TEST(AsciiText, FoldsAsciiLettersOnly) {
    EXPECT_EQ("word.application-1_z", ToLowerAscii("Word.Application-1_Z"));
    EXPECT_EQ("HH.EXE", ToUpperAscii("hh.exe"));
    // "É" and "é" in UTF-8, and a Windows-1251 capital: left as they are.
    EXPECT_EQ("\xC3\x89t\xC3\xA9", ToLowerAscii("\xC3\x89T\xC3\xA9"));
    EXPECT_EQ("\xC0", ToLowerAscii("\xC0"));
    EXPECT_EQ('[', ToLowerAscii('['));  // the byte after "Z"
    EXPECT_EQ('@', ToLowerAscii('@'));  // the byte before "A"
}

TEST(AsciiText, ComparesWithoutCaseAndWholeTexts) {
    EXPECT_TRUE(EqualsNoCase("RunAndClose", "runandclose"));
    EXPECT_FALSE(EqualsNoCase("Run", "RunAndClose"));
    EXPECT_FALSE(EqualsNoCase("\xC3\x89", "\xC3\xA9"));
    EXPECT_TRUE(EqualsNoCase("", ""));
    EXPECT_TRUE(StartsWithNoCase("FILE:///tmp/a.htm", "file:"));
    EXPECT_FALSE(StartsWithNoCase("fil", "file:"));
    EXPECT_TRUE(EndsWithNoCase("Help.CHM", ".chm"));
    EXPECT_FALSE(EndsWithNoCase("chm", ".chm"));
}

TEST(AsciiText, FindsWordsWithoutCaseFromAPosition) {
    const std::string css = "a{b:URL(x)} c{d:url(y)}";
    EXPECT_EQ(4u, FindNoCase(css, "url("));
    EXPECT_EQ(16u, FindNoCase(css, "url(", 5));
    EXPECT_EQ(std::string::npos, FindNoCase(css, "url(", 17));
    EXPECT_EQ(std::string::npos, FindNoCase(css, "url(", css.size() + 5));
    EXPECT_EQ(3u, FindNoCase(css, "", 3));
}

TEST(AsciiText, OrderedMapsFindKeysInAnyCase) {
    std::map<std::string, int, LessNoCase> members{{"Visible", 1}, {"Documents", 2}, {"_b", 3}};
    EXPECT_EQ(1, members.at("VISIBLE"));
    EXPECT_EQ(2, members.find(std::string_view("documents"))->second);
    EXPECT_FALSE(members.emplace("visible", 9).second) << "one key whatever its case";
    // Letters fold before the bytes are ordered: "_" (0x5F) sorts after the
    // capitals but before the small letters, so "_b" comes first.
    EXPECT_EQ("_b", members.begin()->first);
}

TEST(AsciiText, TrimTakesBlanksFromBothEnds) {
    EXPECT_EQ("lp0", Trim(" \tlp0\r\n"));
    EXPECT_EQ("a b", Trim("a b"));
    EXPECT_EQ("", Trim(" \r\n\t "));
    EXPECT_EQ("", Trim(""));
}
