#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "EntryName.h"

using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

TEST(EntryNameTest, InternalEntriesAreNeverWrittenButTheSystemEntry) {
    for (const char* raw : {"/#STRINGS", "/#SYSTEM/", "/#SYSTEM/x", "/#SYSTEMS", "/#system",
                            "/$OBJINST", "/$WWKeywordLinks/Property", "::DataSpace/NameList",
                            "::DataSpace/Storage/MSCompressed/Content"})
        EXPECT_EQ(ClassifyEntryName(raw).Kind, EntryKind::Internal) << raw;
    // The title and language of the help file are read from it.
    const EntryName system = ClassifyEntryName("/#SYSTEM");
    EXPECT_EQ(system.Kind, EntryKind::File);
    EXPECT_THAT(system.Components, ElementsAre("#SYSTEM"));
}

TEST(EntryNameTest, UserEntriesBecomePathsBelowTheFolder) {
    const EntryName page = ClassifyEntryName("/Documents/Table of Contents.hhc");
    EXPECT_EQ(page.Kind, EntryKind::File);
    EXPECT_THAT(page.Components, ElementsAre("Documents", "Table of Contents.hhc"));

    const EntryName folder = ClassifyEntryName("/images/icons/");
    EXPECT_EQ(folder.Kind, EntryKind::Folder);
    EXPECT_THAT(folder.Components, ElementsAre("images", "icons"));

    const EntryName root = ClassifyEntryName("/");
    EXPECT_EQ(root.Kind, EntryKind::Folder);
    EXPECT_TRUE(root.Components.empty());

    // Only a leading "#" or "$" marks an internal entry; chmcmd's readme and
    // a page inside a folder whose name starts with "#" are user entries.
    EXPECT_EQ(ClassifyEntryName("/_#_README_#_").Kind, EntryKind::File);
    EXPECT_THAT(ClassifyEntryName("/sub/#notes.htm").Components, ElementsAre("sub", "#notes.htm"));
    EXPECT_THAT(ClassifyEntryName("/\xD0\x92\xD0\xB2\xD0\xB5\xD0\xB4.htm").Components,
                ElementsAre("\xD0\x92\xD0\xB2\xD0\xB5\xD0\xB4.htm"));
    EXPECT_EQ(ClassifyEntryName("/C:/nul").Kind, EntryKind::File);
}

TEST(EntryNameTest, NamesThatCouldEscapeOrBreakAreRefused) {
    const std::string longest(MaxComponentBytes, 'x');
    EXPECT_EQ(ClassifyEntryName("/" + longest).Kind, EntryKind::File);

    const std::vector<std::pair<std::string, std::string>> refused = {
        {"", "empty name"},
        {"page.htm", "does not begin"},
        {"../escape.htm", "does not begin"},
        {"/..", "\"..\""},
        {"/../escape.htm", "\"..\""},
        {"/sub/../../escape.htm", "\"..\""},
        {"/./escape.htm", "\".\""},
        {"/sub/..", "\"..\""},
        {"//tmp/escape.htm", "empty path component"},
        {"/a//b.htm", "empty path component"},
        {"/" + longest + "x", "longer than 255"},
        {"/sub/" + longest + "x/a.htm", "longer than 255"},
        {"/new\nline.htm", "control character"},
        {std::string("/nul\0byte", 9), "control character"},
        {"/del\x7F.htm", "control character"},
        {"/..\\escape.htm", "backslash"},
        {"/bad\xFF\xFE.htm", "UTF-8"},
        {"/\xC0\xAF.htm", "UTF-8"},          // over-long encoding of "/"
        {"/\xE0\x80\xAF.htm", "UTF-8"},      // over-long encoding of "/"
        {"/\xED\xA0\x80.htm", "UTF-8"},      // a surrogate
        {"/cut\xE2\x82", "UTF-8"},           // sequence cut at the end
        {"/\xF4\x90\x80\x80.htm", "UTF-8"},  // beyond U+10FFFF
    };
    for (const auto& [raw, reason] : refused) {
        const EntryName name = ClassifyEntryName(raw);
        EXPECT_EQ(name.Kind, EntryKind::Refused) << PrintableName(raw);
        EXPECT_THAT(name.Reason, HasSubstr(reason)) << PrintableName(raw);
    }
}

}  // namespace
