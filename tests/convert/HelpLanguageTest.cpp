#include <gtest/gtest.h>

#include "convert/chm/HelpLanguage.h"

TEST(CharsetOfLcid, GivesTheCodePageOfTheLanguage) {
    const std::vector<std::pair<std::uint32_t, std::string>> cases{
        {0x0419, "WINDOWS-1251"},  // Russian
        {0x0422, "WINDOWS-1251"},  // Ukrainian
        {0x0402, "WINDOWS-1251"},  // Bulgarian
        {0x0804, "GBK"},           // Chinese, PRC
        {0x1004, "GBK"},           // Chinese, Singapore
        {0x0404, "CP950"},         // Chinese, Taiwan
        {0x0C04, "CP950"},         // Chinese, Hong Kong
        {0x1404, "CP950"},         // Chinese, Macao
        {0x0411, "CP932"},         // Japanese
        {0x0412, "CP949"},         // Korean
        {0x0409, "WINDOWS-1252"},  // English
        {0x0809, "WINDOWS-1252"},
        {0x0416, "WINDOWS-1252"},  // Portuguese, Brazil
        {0x0407, "WINDOWS-1252"},  // German
        {0x0405, "WINDOWS-1250"},  // Czech
        {0x0415, "WINDOWS-1250"},  // Polish
        {0x040E, "WINDOWS-1250"},  // Hungarian
        {0x041A, "WINDOWS-1250"},  // Croatian
        {0x081A, "WINDOWS-1250"},  // Serbian, Latin
        {0x0C1A, "WINDOWS-1251"},  // Serbian, Cyrillic
        {0x0408, "WINDOWS-1253"},  // Greek
        {0x041F, "WINDOWS-1254"},  // Turkish
        {0x042C, "WINDOWS-1254"},  // Azerbaijani, Latin
        {0x082C, "WINDOWS-1251"},  // Azerbaijani, Cyrillic
        {0x040D, "WINDOWS-1255"},  // Hebrew
        {0x0401, "WINDOWS-1256"},  // Arabic
        {0x0429, "WINDOWS-1256"},  // Persian
        {0x0425, "WINDOWS-1257"},  // Estonian
        {0x0427, "WINDOWS-1257"},  // Lithuanian
        {0x042A, "WINDOWS-1258"},  // Vietnamese
        {0x041E, "CP874"},         // Thai
        {0x0000, "WINDOWS-1252"},  // unknown
        {0xFFFFFFFF, "WINDOWS-1252"},
    };
    for (const auto& [lcid, charset] : cases)
        EXPECT_EQ(charset, CharsetOfLcid(lcid)) << std::hex << lcid;
    // A sort order in the upper bits does not change the language.
    EXPECT_EQ("WINDOWS-1251", CharsetOfLcid(0x10419));
}

TEST(LanguageTagOfLcid, GivesTheTagForThePdf) {
    EXPECT_EQ("ru-RU", LanguageTagOfLcid(0x0419));
    EXPECT_EQ("zh-CN", LanguageTagOfLcid(0x0804));
    EXPECT_EQ("zh-TW", LanguageTagOfLcid(0x0404));
    EXPECT_EQ("ja-JP", LanguageTagOfLcid(0x0411));
    EXPECT_EQ("pt-BR", LanguageTagOfLcid(0x0416));
    EXPECT_EQ("pt-PT", LanguageTagOfLcid(0x0816));
    EXPECT_EQ("en-US", LanguageTagOfLcid(0x0409));
    EXPECT_EQ("en-IE", LanguageTagOfLcid(0x1809));
    // A country the table does not list keeps the language.
    EXPECT_EQ("es", LanguageTagOfLcid(0x340A));
    EXPECT_EQ("", LanguageTagOfLcid(0));
    EXPECT_EQ("", LanguageTagOfLcid(0x3FF));
}

TEST(CharsetOfHtmlName, ReadsDeclaredCharsetsAsBrowsersWidenThem) {
    EXPECT_EQ("UTF-8", CharsetOfHtmlName("utf-8"));
    EXPECT_EQ("UTF-8", CharsetOfHtmlName(" \"UTF8\" "));
    EXPECT_EQ("WINDOWS-1251", CharsetOfHtmlName("Windows-1251"));
    EXPECT_EQ("WINDOWS-1252", CharsetOfHtmlName("ISO-8859-1"));
    EXPECT_EQ("GBK", CharsetOfHtmlName("gb2312"));
    EXPECT_EQ("CP932", CharsetOfHtmlName("Shift_JIS"));
    EXPECT_EQ("CP950", CharsetOfHtmlName("big5"));
    EXPECT_EQ("CP949", CharsetOfHtmlName("ks_c_5601-1987"));
    EXPECT_EQ("KOI8-R", CharsetOfHtmlName("koi8-r"));
    EXPECT_EQ("", CharsetOfHtmlName("no-such-charset"));
    EXPECT_EQ("", CharsetOfHtmlName("x-user-defined"));
    EXPECT_EQ("", CharsetOfHtmlName("../../etc/passwd"));
    EXPECT_EQ("", CharsetOfHtmlName(""));
}

TEST(IsSingleByteCharset, TellsWhetherAReferenceCanStandForAByte) {
    for (const char* single : {"WINDOWS-1251", "windows-1252", "CP874", "ISO-8859-5", "KOI8-R"})
        EXPECT_TRUE(IsSingleByteCharset(single)) << single;
    for (const char* multi : {"UTF-8", "CP932", "GBK", "CP950", "CP949", "GB18030"})
        EXPECT_FALSE(IsSingleByteCharset(multi)) << multi;
}

TEST(HelpTextToUtf8, TakesUtf8WhereTheBytesAreUtf8) {
    EXPECT_EQ("Ajuda do Sistema de Seguros – Introdução",
              HelpTextToUtf8("Ajuda do Sistema de Seguros – Introdução", "WINDOWS-1252"));
    EXPECT_EQ("Справка", HelpTextToUtf8("\xD1\xEF\xF0\xE0\xE2\xEA\xE0", "WINDOWS-1251"));
    EXPECT_EQ("plain", HelpTextToUtf8("plain", "CP932"));
    EXPECT_FALSE(LooksLikeUtf8("ASCII only"));
    EXPECT_TRUE(LooksLikeUtf8("Привет"));
    EXPECT_FALSE(LooksLikeUtf8("\xCF\xF0\xE8\xE2\xE5\xF2"));
}
