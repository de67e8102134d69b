#include <gtest/gtest.h>

#include "platform/text/TextEncoding.h"

using platform::IsValidUtf8;
using platform::ToUtf8;

namespace {
const std::string Replacement = "\xEF\xBF\xBD";
}

TEST(ToUtf8, ReadsTheCodePagesOfHelpFiles) {
    // "Привет" in windows-1251, "中文" in GBK, "日本" in Shift_JIS, "한국" in CP949.
    EXPECT_EQ("Привет", ToUtf8("\xCF\xF0\xE8\xE2\xE5\xF2", "WINDOWS-1251"));
    EXPECT_EQ("中文", ToUtf8("\xD6\xD0\xCE\xC4", "GBK"));
    EXPECT_EQ("日本", ToUtf8("\x93\xFA\x96\x7B", "CP932"));
    EXPECT_EQ("한국", ToUtf8("\xC7\xD1\xB1\xB9", "CP949"));
    EXPECT_EQ("café – €", ToUtf8("caf\xE9 \x96 \x80", "WINDOWS-1252"));
    // CP932 knows the characters Windows adds to Shift_JIS (here the circled 1).
    EXPECT_EQ("①", ToUtf8("\x87\x40", "CP932"));
    EXPECT_EQ("", ToUtf8("", "CP932"));
}

TEST(ToUtf8, NeverFailsAndMarksWhatItCannotRead) {
    // A byte windows-1252 leaves undefined, a lone lead byte of Shift_JIS in
    // the middle and at the end.
    EXPECT_EQ("a" + Replacement + "b", ToUtf8("a\x81"
                                              "b",
                                              "WINDOWS-1252"));
    EXPECT_EQ("x" + Replacement + "y", ToUtf8("x\xA0y", "CP932"));
    EXPECT_EQ("x" + Replacement, ToUtf8("x\x93", "CP932"));
    // UTF-8 is checked: overlong forms, surrogates and stray bytes are replaced.
    EXPECT_EQ("é" + Replacement + Replacement + "!", ToUtf8("é\xC0\xAF!", "UTF-8"));
    EXPECT_EQ(Replacement + Replacement + Replacement, ToUtf8("\xED\xA0\x80", "utf8"));
    // An unknown charset reads the bytes as UTF-8.
    EXPECT_EQ("ok é" + Replacement, ToUtf8("ok é\xFF", "NO-SUCH-CHARSET"));
    // Long text crosses the converter's buffer many times.
    const std::string russian(100000, '\xE0');
    std::string expected;
    for (int i = 0; i < 100000; ++i) expected += "а";
    EXPECT_EQ(expected, ToUtf8(russian, "WINDOWS-1251"));
}

TEST(IsValidUtf8, AcceptsOnlyWellFormedText) {
    EXPECT_TRUE(IsValidUtf8(""));
    EXPECT_TRUE(IsValidUtf8("plain ASCII"));
    EXPECT_TRUE(IsValidUtf8("Вед日\xF0\x9F\x98\x80"));
    EXPECT_FALSE(IsValidUtf8("\xC0\xAF"));          // overlong "/"
    EXPECT_FALSE(IsValidUtf8("\xED\xA0\x80"));      // surrogate
    EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80"));  // past U+10FFFF
    EXPECT_FALSE(IsValidUtf8("\xD0"));              // cut short
    EXPECT_FALSE(IsValidUtf8("\xCF\xF0\xE8"));      // windows-1251 bytes
}

TEST(AppendUtf8, WritesEveryRangeAndReplacesWhatIsNoCharacter) {
    std::string text;
    for (char32_t code : {0x41u, 0xE9u, 0x20ACu, 0x1F600u, 0xD800u, 0x110000u})
        platform::AppendUtf8(text, code);
    EXPECT_EQ("Aé€\xF0\x9F\x98\x80" + Replacement + Replacement, text);
    EXPECT_TRUE(platform::IsKnownCharset("windows-1251"));
    EXPECT_FALSE(platform::IsKnownCharset("NO-SUCH-CHARSET"));
}
