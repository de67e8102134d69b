#include <gtest/gtest.h>

#include "platform/text/EscapedText.h"

using platform::EscapeControls;

TEST(EscapeControls, ControlBytesGetShortOrHexEscapesSoAForgedLogLineStaysOne) {
    const std::string name = "forge\nSuccess => forged.chm => forged.pdf\nx.chm";
    const std::string escaped = EscapeControls(name);
    EXPECT_EQ(escaped, "forge\\nSuccess => forged.chm => forged.pdf\\nx.chm");
    EXPECT_EQ(escaped.find_first_of("\r\n"), std::string::npos);
    EXPECT_EQ(EscapeControls("a\rb\tc"), "a\\rb\\tc");
    EXPECT_EQ(EscapeControls(std::string("\0\x1b[31m\x7f", 7)), "\\x00\\x1B[31m\\x7F");
    // C1 controls in UTF-8 (such as CSI, U+009B) steer some terminals too.
    EXPECT_EQ(EscapeControls("a\xC2\x9B"
                             "1m\xC2\x85"),
              "a\\u009B1m\\u0085");
}

TEST(EscapeControls, ReadableTextAndValidUtf8PassUnchangedOtherBytesBecomeHex) {
    for (const std::string text : {"/shelf/Руководство.chm", "/shelf/手册 (2).chm", "a => b",
                                   "C:\\docs\\a.chm", "\xC2\xA0", "emoji \xF0\x9F\x93\x96", ""})
        EXPECT_EQ(EscapeControls(text), text);
    // Bytes that are not UTF-8 become hex.
    EXPECT_EQ(EscapeControls("caf\xE9.chm"), "caf\\xE9.chm");      // Latin-1
    EXPECT_EQ(EscapeControls("\xC0\xAF"), "\\xC0\\xAF");           // overlong "/"
    EXPECT_EQ(EscapeControls("\xED\xA0\x80"), "\\xED\\xA0\\x80");  // a surrogate
    EXPECT_EQ(EscapeControls("end\xE2\x82"), "end\\xE2\\x82");     // cut short
}

TEST(EscapeControls, ABackslashIsDoubledOnlyWhereItWouldReadAsAnEscape) {
    // A file really named with backslash and "n" differs from one with a line feed.
    EXPECT_EQ(EscapeControls("a\\nb"), "a\\\\nb");
    EXPECT_NE(EscapeControls("a\\nb"), EscapeControls("a\nb"));
    EXPECT_EQ(EscapeControls("\\x41 \\u0085 \\\\"), "\\\\x41 \\\\u0085 \\\\\\");
    EXPECT_EQ(EscapeControls("dir\\file\\"), "dir\\file\\");
}
