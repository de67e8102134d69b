#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <map>

#include "ScratchFolder.h"
#include "platform/files/FolderListing.h"

namespace fs = std::filesystem;
using platform::FolderListing;

namespace {

class FolderListingTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(root_ / "sub.chm");
        fs::create_directories(root_ / ".hidden-dir");
        Touch("guide.chm");
        Touch("UPPER.CHM");
        Touch("notes.chmx");
        Touch(".dot.chm");
        Touch("locked.chm");
        fs::permissions(root_ / "locked.chm", fs::perms::owner_write, fs::perm_options::remove);
        ASSERT_EQ(mkfifo((root_ / "pipe.chm").c_str(), 0600), 0);
        fs::create_directory_symlink(root_ / "sub.chm", root_ / "link-to-sub");
        fs::create_symlink(root_ / "missing", root_ / "dangling.chm");
    }
    void Touch(const std::string& name) { scratch_.Write(name, "x"); }

    // Name -> attributes of everything the listing returns.
    std::map<std::string, std::uint32_t> List(const std::string& mask,
                                              std::uint32_t attributeMask) {
        std::map<std::string, std::uint32_t> found;
        FolderListing listing(root_.string() + "/" + mask, attributeMask);
        while (auto entry = listing.Next()) found[entry->Name] = entry->Attributes;
        return found;
    }

    testsupport::ScratchFolder scratch_{"listing"};
    const fs::path& root_ = scratch_.Path();
};

}  // namespace

TEST_F(FolderListingTest, AttributesFollowTheKindOfEntry) {
    auto all = List("*", 63);
    EXPECT_EQ(all["guide.chm"], platform::faArchive);
    EXPECT_EQ(all[".dot.chm"], platform::faArchive | platform::faHidden);
    EXPECT_EQ(all["sub.chm"], platform::faDirectory);
    EXPECT_EQ(all[".hidden-dir"], platform::faDirectory | platform::faHidden);
    EXPECT_EQ(all["pipe.chm"], platform::faSysFile);
    EXPECT_EQ(all["link-to-sub"], platform::faDirectory);
    EXPECT_EQ(all["dangling.chm"], platform::faSysFile);
    EXPECT_EQ(all["locked.chm"], platform::faArchive | platform::faReadOnly);
    EXPECT_TRUE(all.count(".") && all.count(".."));
}

TEST_F(FolderListingTest, EntriesWithAttributesOutsideTheMaskAreDropped) {
    // 45: read-only, system, volume, archive: no hidden entries, no folders.
    auto visible = List("*.chm", 45);
    EXPECT_TRUE(visible.count("guide.chm"));
    EXPECT_TRUE(visible.count("pipe.chm"));
    EXPECT_FALSE(visible.count(".dot.chm"));
    EXPECT_FALSE(visible.count("sub.chm"));

    auto withHidden = List("*.chm", 47);
    EXPECT_TRUE(withHidden.count(".dot.chm"));
    EXPECT_FALSE(withHidden.count("sub.chm"));

    // Asking for folders still lists plain files, never hidden or system entries.
    auto folders = List("*.*", platform::faDirectory);
    EXPECT_TRUE(folders.count("sub.chm"));
    EXPECT_TRUE(folders.count("guide.chm"));
    EXPECT_FALSE(folders.count(".hidden-dir"));
    EXPECT_FALSE(folders.count("pipe.chm"));
}

TEST(WildcardNameMatch, CaseInsensitiveStarAndQuestionMark) {
    using platform::WildcardNameMatch;
    EXPECT_TRUE(WildcardNameMatch("*.chm", "GUIDE.CHM"));
    EXPECT_FALSE(WildcardNameMatch("*.chm", "notes.chmx"));  // no short names here
    EXPECT_TRUE(WildcardNameMatch("*.*", "README"));
    EXPECT_FALSE(WildcardNameMatch("*.?", "README"));
    EXPECT_TRUE(WildcardNameMatch("g?ide*", "guide.chm"));
    EXPECT_FALSE(WildcardNameMatch("g?ide", "gide"));
    EXPECT_TRUE(WildcardNameMatch("*a*b*c", "xxaYbZZc"));
    EXPECT_FALSE(WildcardNameMatch("*a*b*c", "xxaYbZZcd"));
    EXPECT_TRUE(WildcardNameMatch("exact.chm", "Exact.CHM"));
    EXPECT_FALSE(WildcardNameMatch("", "anything"));
}
