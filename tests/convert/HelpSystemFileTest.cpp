#include <gtest/gtest.h>

#include "HelpSystemBytes.h"
#include "ScratchFolder.h"
#include "convert/chm/HelpSystemFile.h"

using testsupport::ScratchFolder;

using namespace systembytes;

TEST(ParseHelpSystem, ReadsTheRecordsInAnyOrder) {
    // Records the reader does not know (10: time stamp, 9: compiler) are passed over.
    const std::string bytes = Version + Record(10, Little32(12345)) +
                              Text(9, "HHA Version 4.74.8702") + Language(0x0409) +
                              Text(2, "html/start.htm") + Text(3, "My Help") + Text(0, "toc.hhc") +
                              Text(1, "index.hhk");
    const auto info = ParseHelpSystem(bytes);
    ASSERT_TRUE(info);
    EXPECT_EQ("My Help", info->Title);
    EXPECT_EQ(0x0409u, info->Lcid);
    EXPECT_EQ("html/start.htm", info->DefaultTopic);
    EXPECT_EQ("toc.hhc", info->ContentsFile);
    EXPECT_EQ("index.hhk", info->IndexFile);
}

TEST(ParseHelpSystem, DecodesTextWithTheCodePageOfTheLanguage) {
    const std::string russianTitle = "\xD1\xEF\xF0\xE0\xE2\xEA\xE0";  // "Справка" in windows-1251
    auto info = ParseHelpSystem(Version + Language(0x0419) + Text(3, russianTitle));
    ASSERT_TRUE(info);
    EXPECT_EQ("Справка", info->Title);

    // "日本語" in Shift_JIS, and the language id comes after the title.
    info = ParseHelpSystem(Version + Text(3, "\x93\xFA\x96\x7B\x8C\xEA") + Language(0x0411));
    ASSERT_TRUE(info);
    EXPECT_EQ("日本語", info->Title);

    // Without a language record the header's language decides, else windows-1252.
    info = ParseHelpSystem(Version + Text(3, russianTitle), 0x0419);
    ASSERT_TRUE(info);
    EXPECT_EQ(0x0419u, info->Lcid);
    EXPECT_EQ("Справка", info->Title);
    info = ParseHelpSystem(Version + Text(3, "Caf\xE9"));
    EXPECT_EQ(0u, info->Lcid);
    EXPECT_EQ("Café", info->Title);

    // A text is cut at its first NUL; one without a NUL ends with its record.
    info =
        ParseHelpSystem(Version + Record(3, std::string("Title\0junk", 10)) + Record(0, "toc.hhc"));
    EXPECT_EQ("Title", info->Title);
    EXPECT_EQ("toc.hhc", info->ContentsFile);
}

TEST(ParseHelpSystem, DamagedBytesKeepWhatCameBefore) {
    EXPECT_FALSE(ParseHelpSystem(""));
    EXPECT_FALSE(ParseHelpSystem("\x03\x00\x00"));
    const auto empty = ParseHelpSystem(Version);
    ASSERT_TRUE(empty);
    EXPECT_EQ("", empty->Title);
    EXPECT_EQ(0u, empty->Lcid);

    const std::string good = Version + Text(3, "Kept") + Language(0x0419);
    // A record whose length runs past the end, a record header cut short,
    // a language record too short to hold the id.
    for (const std::string& tail :
         {Little16(0) + Little16(0xFFFF) + "toc.hhc", Little16(0) + Little16(8) + "toc",
          std::string("\x00\x00", 2), std::string("\x01", 1)}) {
        const auto info = ParseHelpSystem(good + tail);
        ASSERT_TRUE(info);
        EXPECT_EQ("Kept", info->Title);
        EXPECT_EQ(0x0419u, info->Lcid);
        EXPECT_EQ("", info->ContentsFile);
    }
    EXPECT_EQ(0u, ParseHelpSystem(Version + Record(4, "\x19\x04"))->Lcid);
    // The first record of a kind counts.
    EXPECT_EQ("First", ParseHelpSystem(Version + Text(3, "First") + Text(3, "Second"))->Title);
    // Invalid bytes of the code page become U+FFFD, never a failure.
    EXPECT_EQ("a\xEF\xBF\xBD",
              ParseHelpSystem(Version + Language(0x0411) + Text(3, "a\x93"))->Title);
}

TEST(ReadHelpSystem, UsesTheHeaderLanguageWhenTheEntryHasNone) {
    ScratchFolder folder;
    const std::string header = "ITSF" + Little32(3) + Little32(0x60) + Little32(1) +
                               Little32(0x12345678) + Little32(0x0419) + std::string(64, '\0');
    const auto chm = folder.Write("1.chm", header);
    const auto system = folder.Write("#SYSTEM", Version + Text(3, "\xD1\xEF\xF0\xE0\xE2\xEA\xE0"));
    EXPECT_EQ(0x0419u, ReadHeaderLanguage(chm));

    auto info = ReadHelpSystem(system, chm);
    ASSERT_TRUE(info);
    EXPECT_EQ(0x0419u, info->Lcid);
    EXPECT_EQ("Справка", info->Title);

    // Without the entry the header still tells the language.
    info = ReadHelpSystem(folder / "missing", chm);
    ASSERT_TRUE(info);
    EXPECT_EQ(0x0419u, info->Lcid);
    EXPECT_EQ("", info->Title);

    // Neither a help file nor an entry: nothing is known.
    const auto notChm = folder.Write("other.chm", "MZ not a help file at all, but long enough");
    EXPECT_FALSE(ReadHeaderLanguage(notChm));
    EXPECT_FALSE(ReadHeaderLanguage(folder.Write("short.chm", "ITSF")));
    EXPECT_FALSE(ReadHeaderLanguage(folder / "missing.chm"));
    EXPECT_FALSE(ReadHelpSystem(folder / "missing", notChm));
}
