#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "core/TvxProject.h"
#include "core/TvxShard.h"

namespace {

// A few thousand paths shaped like a shelf: folders, repeated file names,
// numbered volumes and names outside ASCII.
std::vector<std::string> ShelfPaths() {
    std::vector<std::string> paths;
    const char* folders[] = {"", "admin/", "dev/api/", "Справка/", "manuals/2024/"};
    for (const char* folder : folders)
        for (int i = 0; i < 1000; ++i)
            paths.push_back(std::string(folder) + "volume-" + std::to_string(i) + ".chm");
    return paths;
}

}  // namespace

TEST(Shard, HashIsTheStandardSixtyFourBitFnv1a) {
    // Published test vectors of FNV-1a, 64 bits.
    EXPECT_EQ(Fnv1a64(""), 0xcbf29ce484222325ULL);
    EXPECT_EQ(Fnv1a64("a"), 0xaf63dc4c8601ec8cULL);
    EXPECT_EQ(Fnv1a64("foobar"), 0x85944171f73967e8ULL);
    // Bytes above 127 are hashed as unsigned bytes of the UTF-8 text.
    EXPECT_EQ(Fnv1a64("Справка/пример.chm"), 0xbcdec76a91b27b2dULL);
}

TEST(Shard, KnownPathsKeepTheirShards) {
    // Pinned: a change here would send files of a half-done shelf to other
    // shards, converting some twice and others never.
    EXPECT_EQ(ShardOfKey("guide.chm", 4), 3u);
    EXPECT_EQ(ShardOfKey("guide.chm", 3), 2u);
    EXPECT_EQ(ShardOfKey("sub/deep/d.chm", 4), 3u);
    EXPECT_EQ(ShardOfKey("sub/deep/d.chm", 7), 1u);
    EXPECT_EQ(ShardOfKey("Справка/пример.chm", 3), 0u);
    EXPECT_EQ(ShardOfKey("anything", 1), 0u);
    EXPECT_TRUE((TvxShard{3, 4}.Holds("guide.chm")));
    EXPECT_FALSE((TvxShard{0, 4}.Holds("guide.chm")));
}

TEST(Shard, EveryPathBelongsToExactlyOneShardOfN) {
    const auto paths = ShelfPaths();
    for (std::uint32_t n = 1; n <= 9; ++n) {
        for (const auto& path : paths) {
            int holders = 0;
            for (std::uint32_t k = 0; k < n; ++k) holders += TvxShard{k, n}.Holds(path) ? 1 : 0;
            ASSERT_EQ(holders, 1) << path << " among " << n;
        }
    }
}

TEST(Shard, PathsSpreadEvenlyOverTheShards) {
    const auto paths = ShelfPaths();
    for (std::uint32_t n : {2u, 3u, 4u, 16u}) {
        std::vector<int> counts(n, 0);
        for (const auto& path : paths) ++counts[ShardOfKey(path, n)];
        const double even = static_cast<double>(paths.size()) / n;
        for (std::uint32_t k = 0; k < n; ++k) {
            EXPECT_GT(counts[k], even * 0.85) << k << " of " << n;
            EXPECT_LT(counts[k], even * 1.15) << k << " of " << n;
        }
    }
}

TEST(Shard, OnlyPlainKOverLargerNParses) {
    const auto parsed = ParseShard("2/5");
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->Index, 2u);
    EXPECT_EQ(parsed->Count, 5u);
    EXPECT_TRUE(ParseShard("0/1"));
    EXPECT_TRUE(ParseShard("007/010"));
    EXPECT_TRUE(ParseShard("999998/999999"));
    for (const char* bad :
         {"",     "4/4",  "5/4", "1/0", "0/0",  "-1/4", "+1/4", "1/+4",  " 1/4",  "1/4 ",
          "1 /4", "1",    "/4",  "1/",  "1//4", "1/4/", "a/b",  "0x1/4", "1.0/4", "1000000/2000000",
          "1,4",  "１/４"})
        EXPECT_FALSE(ParseShard(bad)) << '"' << bad << '"';
}

TEST(Shard, TheOptionIsAbsentValidOrAnErrorThatNamesIt) {
    TvxProject project;
    EXPECT_FALSE(ReadShardOption(project));
    EXPECT_FALSE(ShardOptionProblem(project));

    project.SetOption("shard", "1/3");  // keys in any letter case
    ASSERT_TRUE(ReadShardOption(project));
    EXPECT_EQ(ReadShardOption(project)->Index, 1u);
    EXPECT_FALSE(ShardOptionProblem(project));

    project.SetOption("Shard", "3/3");
    EXPECT_THROW(ReadShardOption(project), std::invalid_argument);
    const auto problem = ShardOptionProblem(project);
    ASSERT_TRUE(problem);
    EXPECT_NE(problem->find("Shard=3/3"), std::string::npos) << *problem;
    EXPECT_NE(problem->find("K/N"), std::string::npos) << *problem;
}

TEST(Shard, LogFileNameTakesTheShardNumberOnlyInASplitRun) {
    const std::optional<TvxShard> two = TvxShard{2, 8};
    EXPECT_EQ(ShardLogFileName("/out/shard-%K.log", two), "/out/shard-2.log");
    EXPECT_EQ(ShardLogFileName("/out/%K/run-%K.log", two), "/out/2/run-2.log");
    EXPECT_EQ(ShardLogFileName("/out/run.log", two), "/out/run.log");
    EXPECT_EQ(ShardLogFileName("/out/run-%k.log", two), "/out/run-%k.log");  // only "%K"
    EXPECT_EQ(ShardLogFileName("/out/shard-%K.log", std::nullopt), "/out/shard-%K.log");
    EXPECT_EQ(ShardLogFileName("", two), "");
}
