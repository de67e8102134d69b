#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "ExtractionFolder.h"
#include "Extractor.h"
#include "ToolTestSupport.h"

using namespace tooltest;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

namespace {

// Entries with their real content; a directory may claim more than there is.
struct FakeEntry {
    std::string Name;
    std::string Content;
    std::uint64_t Claimed = UINT64_MAX;  // UINT64_MAX: the content's size
};

class FakeArchive : public ArchiveReader {
public:
    FakeArchive(std::vector<FakeEntry> entries, bool complete = true)
        : entries_(std::move(entries)), complete_(complete) {}

    ArchiveListing List() override {
        ArchiveListing listing{{}, complete_};
        for (const auto& e : entries_)
            listing.Entries.push_back(
                {e.Name, e.Claimed == UINT64_MAX ? e.Content.size() : e.Claimed});
        return listing;
    }

    std::size_t Read(std::size_t index, std::uint64_t offset, unsigned char* buffer,
                     std::size_t size) override {
        const std::string& content = entries_.at(index).Content;
        if (offset >= content.size()) return 0;
        // Small pieces, so the copy loop runs more than once.
        const std::size_t count = std::min<std::size_t>({size, content.size() - offset, 3});
        std::memcpy(buffer, content.data() + offset, count);
        return count;
    }

private:
    std::vector<FakeEntry> entries_;
    bool complete_;
};

class ExtractorTest : public ::testing::Test {
protected:
    ScratchFolder scratch;
    fs::path out = scratch.Path() / "out";

    ExtractionReport Extract(std::vector<FakeEntry> entries, ExtractionLimits limits = {},
                             bool complete = true) {
        FakeArchive archive(std::move(entries), complete);
        ExtractionFolder folder(out.string(), "");
        return Extractor(archive, folder, limits).Run();
    }
};

TEST_F(ExtractorTest, WritesUserEntriesAndTheSystemEntryAndSkipsOtherInternalOnes) {
    const auto report = Extract({{"/", ""},
                                 {"/#SYSTEM", "system"},
                                 {"/$OBJINST", "objects"},
                                 {"::DataSpace/NameList", "names"},
                                 {"/images/", ""},
                                 {"/images/pic.png", "PNG bytes"},
                                 {"/html/topics/a.htm", "<html>start</html>"},
                                 {"/empty.css", ""}});
    EXPECT_TRUE(report.Complete());
    EXPECT_THAT(TreeBelow(out), ElementsAre("#SYSTEM", "empty.css", "html/", "html/topics/",
                                            "html/topics/a.htm", "images/", "images/pic.png"));
    EXPECT_EQ(ReadBytes(out / "html/topics/a.htm"), "<html>start</html>");
    EXPECT_EQ(ReadBytes(out / "#SYSTEM"), "system");
    EXPECT_EQ(report.FilesWritten, 4u);
}

TEST_F(ExtractorTest, BadEntriesAreReportedAndTheGoodOnesStillWritten) {
    fs::create_directories(out);
    WriteBytes(out / "taken", "a file where a folder should go");
    const auto report = Extract({{"/../escape.htm", "evil"},
                                 {"/good.htm", "good"},
                                 {"/damaged.htm", "only this much", 1000},
                                 {"/taken/", ""},
                                 {"/after.htm", "after"}},
                                {}, false);
    EXPECT_THAT(TreeBelow(out), ElementsAre("after.htm", "good.htm", "taken"));
    ASSERT_EQ(report.Problems.size(), 4u);
    EXPECT_THAT(report.Problems[0], HasSubstr("directory of the file is damaged"));
    EXPECT_THAT(report.Problems[1], HasSubstr("refused entry \"/../escape.htm\""));
    EXPECT_THAT(report.Problems[2], HasSubstr("\"/damaged.htm\": only 14 of 1000 bytes"));
    EXPECT_THAT(report.Problems[3], HasSubstr("\"taken\""));
}

TEST_F(ExtractorTest, AnEntryClaimingMoreThanTheLimitIsLeftOutAlone) {
    const auto report =
        Extract({{"/bomb.htm", "tiny", UINT64_MAX - 1}, {"/page.htm", "page"}}, {10'000, 100});
    EXPECT_THAT(TreeBelow(out), ElementsAre("page.htm"));
    ASSERT_EQ(report.Problems.size(), 1u);
    EXPECT_THAT(report.Problems[0], HasSubstr("left out entry \"/bomb.htm\""));
}

}  // namespace
