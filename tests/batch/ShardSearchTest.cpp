#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <stdexcept>

#include "BatchTestSupport.h"
#include "batch/TvxBatch.h"
#include "core/TvxShard.h"

using pellintest::WaitUntil;

namespace {

// A shelf of 40 help files in nested folders, with repeated file names.
class ShardSearchTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (int i = 0; i < 10; ++i) {
            const std::string n = std::to_string(i);
            for (const char* folder : {"", "a/", "b/", "a/deep/"})
                tree_.File(std::string(folder) + "book-" + n + ".chm");
        }
        tree_.File("notes.txt");
    }

    // The jobs of a whole search, as paths below the shelf.
    std::set<std::string> Search(const std::string& shard) {
        scope_.project().SetOption("Shard", shard);
        TvxBatch batch;
        batch.Start(tree_.Path("*.chm"), tree_.Path("out"), true);
        EXPECT_TRUE(WaitUntil([&] { return batch.SearchDone.load(); }));
        std::set<std::string> found;
        TvxNodeList& nodes = batch.LockNodes();
        for (const auto& node : nodes) found.insert(batch.SourceKey(node->FileName));
        batch.UnlockNodes();
        return found;
    }

    pellintest::ProjectScope scope_;
    pellintest::TempTree tree_;
};

}  // namespace

TEST_F(ShardSearchTest, ShardsSplitTheShelfWithoutGapOrOverlap) {
    const auto whole = Search("");
    ASSERT_EQ(whole.size(), 40u);
    for (std::uint32_t n : {1u, 2u, 3u, 5u}) {
        std::set<std::string> joined;
        std::size_t total = 0;
        for (std::uint32_t k = 0; k < n; ++k) {
            const auto part = Search(std::to_string(k) + "/" + std::to_string(n));
            for (const auto& key : part) EXPECT_EQ(ShardOfKey(key, n), k) << key;
            total += part.size();
            joined.insert(part.begin(), part.end());
        }
        EXPECT_EQ(total, whole.size()) << n << " shards";
        EXPECT_EQ(joined, whole) << n << " shards";
    }
}

TEST_F(ShardSearchTest, TheKeyIsThePathBelowTheSourceFolder) {
    TvxBatch batch;
    batch.SourceDir = tree_.Dir();
    EXPECT_EQ(batch.SourceKey(tree_.Path("a/deep/book-1.chm")), "a/deep/book-1.chm");
    // A file added by hand from elsewhere is known by its name.
    EXPECT_EQ(batch.SourceKey("/elsewhere/x/book-1.chm"), "book-1.chm");
    batch.SourceDir.clear();
    EXPECT_EQ(batch.SourceKey(tree_.Path("a/book-1.chm")), "book-1.chm");
}

TEST_F(ShardSearchTest, AMalformedShardStopsTheRunBeforeItSearches) {
    scope_.project().SetOption("Shard", "2/2");
    TvxBatch batch;
    try {
        batch.Start(tree_.Path("*.chm"), tree_.Path("out"), true);
        FAIL() << "Start took Shard=2/2";
    } catch (const std::invalid_argument& error) {
        EXPECT_NE(std::string(error.what()).find("Shard=2/2"), std::string::npos);
    }
    EXPECT_FALSE(batch.Started());
    EXPECT_EQ(batch.NodeCount(), 0);
}

TEST_F(ShardSearchTest, FilesAddedByHandAreSplitByTheirNames) {
    scope_.project().SetOption("Shard", "0/2");
    TvxBatch batch;
    batch.Start(tree_.Path("none/*.chm"), tree_.Path("out"), false);
    ASSERT_TRUE(WaitUntil([&] { return batch.SearchDone.load(); }));
    int expected = 0;
    for (int i = 0; i < 20; ++i) {
        const std::string name = "hand-" + std::to_string(i) + ".chm";
        batch.AddFile("/elsewhere/" + std::to_string(i) + "/" + name);
        expected += ShardOfKey(name, 2) == 0 ? 1 : 0;
    }
    EXPECT_EQ(batch.NodeCount(), expected);
}

TEST_F(ShardSearchTest, AFolderReachedUnderTwoNamesIsFoundUnderTheFirstInNameOrder) {
    // Which name a folder is searched under decides its files' shards, so a
    // split run must not leave it to the order of the listing.
    std::filesystem::create_directory_symlink(tree_.Path("b"), tree_.Path("0-link-to-b"));
    std::filesystem::create_directory_symlink(tree_.Path("b"), tree_.Path("z-link-to-b"));
    const auto found = Search("0/1");
    EXPECT_EQ(found.size(), 40u);
    EXPECT_TRUE(found.count("0-link-to-b/book-3.chm"));
    EXPECT_FALSE(found.count("b/book-3.chm"));
    EXPECT_FALSE(found.count("z-link-to-b/book-3.chm"));
}
