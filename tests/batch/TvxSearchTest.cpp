#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <set>

#include "BatchTestSupport.h"
#include "batch/TvxBatch.h"
#include "batch/TvxMatch.h"

using pellintest::WaitUntil;

namespace {

// root/
//   guide.chm  GUIDE2.CHM  .hidden.chm  notes.chmx  readme.txt  ~$lock.chm
//   folder.chm/inner.chm
//   .secret/found.chm
//   sub/s.chm  sub/readme.txt  sub/deep/d.chm
class SearchTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* file :
             {"guide.chm", "GUIDE2.CHM", ".hidden.chm", "notes.chmx", "readme.txt", "~$lock.chm",
              "folder.chm/inner.chm", ".secret/found.chm", "sub/s.chm", "sub/readme.txt",
              "sub/deep/d.chm"})
            tree_.File(file);
    }

    // Runs a whole search and returns the jobs' paths relative to the root,
    // in job order.
    std::vector<std::string> Run(const std::string& mask, bool subdirs,
                                 const std::function<void(TvxBatch&)>& prepare = {}) {
        TvxBatch batch;
        if (prepare) prepare(batch);
        batch.Start(tree_.Path(mask), tree_.Path("out"), subdirs);
        EXPECT_TRUE(WaitUntil([&] { return batch.SearchDone.load(); }));
        std::vector<std::string> found;
        TvxNodeList& nodes = batch.LockNodes();
        for (const auto& node : nodes) found.push_back(node->FileName.substr(tree_.Dir().size()));
        batch.UnlockNodes();
        return found;
    }

    static std::set<std::string> AsSet(const std::vector<std::string>& list) {
        return {list.begin(), list.end()};
    }

    pellintest::ProjectScope scope_;
    pellintest::TempTree tree_;
};

std::ptrdiff_t Position(const std::vector<std::string>& list, const std::string& item) {
    return std::find(list.begin(), list.end(), item) - list.begin();
}

}  // namespace

TEST_F(SearchTest, TopFolderOnlyMatchesMaskIgnoringCaseAndNeverFolders) {
    const auto found = Run("*.chm", false);
    EXPECT_EQ(AsSet(found),
              (std::set<std::string>{"guide.chm", "GUIDE2.CHM", ".hidden.chm", "~$lock.chm"}));
    // An empty mask or a missing folder finds nothing.
    EXPECT_TRUE(Run("", true).empty());
    EXPECT_TRUE(Run("missing/*.chm", true).empty());
}

TEST_F(SearchTest, SubfoldersAreSearchedDepthFirstAfterTheFolderOwnFiles) {
    const auto found = Run("*.chm", true);
    EXPECT_EQ(AsSet(found),
              (std::set<std::string>{"guide.chm", "GUIDE2.CHM", ".hidden.chm", "~$lock.chm",
                                     "folder.chm/inner.chm", "sub/s.chm", "sub/deep/d.chm"}));
    // The four files of the root come first; a folder's files precede its sub-folders.
    for (const char* rootFile : {"guide.chm", "GUIDE2.CHM", ".hidden.chm", "~$lock.chm"})
        EXPECT_LT(Position(found, rootFile), 4);
    EXPECT_EQ(Position(found, "sub/deep/d.chm"), Position(found, "sub/s.chm") + 1);
}

TEST_F(SearchTest, SkipHiddenLeavesHiddenFilesOutButHiddenFoldersAreNeverSearched) {
    scope_.project().SetOption("SkipHidden", "True");
    auto found = AsSet(Run("*.chm", true));
    EXPECT_FALSE(found.count(".hidden.chm"));
    EXPECT_FALSE(found.count(".secret/found.chm"));
    EXPECT_TRUE(found.count("guide.chm"));

    scope_.project().SetOption("SkipHidden", "0");
    found = AsSet(Run("*.chm", true));
    EXPECT_TRUE(found.count(".hidden.chm"));
    EXPECT_FALSE(found.count(".secret/found.chm"));
}

TEST_F(SearchTest, RegExtMustAlsoMatchTheFullPath) {
    scope_.project().SetOption("RegExt", "/SUB/");
    EXPECT_EQ(AsSet(Run("*.chm", true)), (std::set<std::string>{"sub/s.chm", "sub/deep/d.chm"}));

    // A pattern the regular-expression object refuses filters nothing.
    scope_.project().SetOption("RegExt", "(unclosed");
    EXPECT_EQ(Run("*.chm", false).size(), 4u);
}

TEST_F(SearchTest, TheRunsOwnFilesAreNeverTakenForSources) {
    // The target folder inside the searched one, and a mask that takes all.
    for (const char* file :
         {"out/run.log", "out/guide.pdf", "out/.pellin-part-1-2-host-x.pdf", "out/old.pdf"})
        tree_.File(file);
    scope_.project().ShortName = "pellin";
    scope_.project().SetOption("LogFile", tree_.Path("out/run.log"));
    const auto found = AsSet(Run("*", true, [&](TvxBatch& batch) {
        batch.TakeOutput(tree_.Path("sub/../out/guide.pdf"), tree_.Path("guide.chm"));
    }));
    EXPECT_TRUE(found.count("out/old.pdf"));  // the user's, from before
    for (const char* own : {"out/run.log", "out/guide.pdf", "out/.pellin-part-1-2-host-x.pdf"})
        EXPECT_FALSE(found.count(own)) << own;
}

TEST_F(SearchTest, LinkBackToAnAncestorDoesNotLoop) {
    std::filesystem::create_directory_symlink(tree_.Dir(), tree_.Path("sub/back-to-root"));
    std::filesystem::create_directory_symlink(tree_.Path("sub"), tree_.Path("sub-again"));
    const auto found = Run("*.chm", true);
    EXPECT_EQ(found.size(), AsSet(found).size());
    EXPECT_EQ(found.size(), 7u);
}

TEST(SearchStop, StopDuringADeepSearchKeepsTheJobsFoundSoFar) {
    pellintest::ProjectScope scope;
    pellintest::TempTree tree;
    std::string level;
    for (int depth = 0; depth < 60; ++depth) {
        level += "d/";
        tree.File(level + "file.chm");
    }
    TvxBatch batch;
    batch.OnNodeAdded = [](TvxBatch* sender, TvxNode* node) {
        if (node->Index == 4) sender->Terminate();
    };
    batch.Start(tree.Path("*.chm"), tree.Path("out"), true);
    ASSERT_TRUE(WaitUntil([&] { return batch.SearchDone.load(); }));
    EXPECT_EQ(batch.NodeCount(), 5);
}

TEST(NormalizePath, FileAddressesBecomeLocalPaths) {
    pellintest::ProjectScope scope;
    EXPECT_EQ(TvxBatch::NormalizePath("file:///home/a/x.chm"), "/home/a/x.chm");
    EXPECT_EQ(TvxBatch::NormalizePath("file:/home/a/x.chm"), "/home/a/x.chm");
    EXPECT_EQ(TvxBatch::NormalizePath("file:////home/a"), "/home/a");
    EXPECT_EQ(TvxBatch::NormalizePath("file://localhost/x.chm"), "/x.chm");
    EXPECT_EQ(TvxBatch::NormalizePath("file://LocalHost"), "/");
    EXPECT_EQ(TvxBatch::NormalizePath("file://server/share/x.chm"), "//server/share/x.chm");
    EXPECT_EQ(TvxBatch::NormalizePath("file:relative.chm"), "relative.chm");
    EXPECT_EQ(TvxBatch::NormalizePath("file:///"), "");
    // Only the exact lower-case scheme is an address.
    EXPECT_EQ(TvxBatch::NormalizePath("FILE:///x"), "FILE:///x");
    EXPECT_EQ(TvxBatch::NormalizePath("/data/file:///x"), "/data/file:///x");
}

TEST(NormalizePath, FileAddressSourceIsSearched) {
    pellintest::ProjectScope scope;
    pellintest::TempTree tree;
    tree.File("a.chm");
    TvxBatch batch;
    batch.Start("file://" + tree.Path("*.chm"), "file://" + tree.Path("out"), false);
    ASSERT_TRUE(WaitUntil([&] { return batch.SearchDone.load(); }));
    EXPECT_EQ(batch.NodeCount(), 1);
    EXPECT_EQ(batch.TargetDir, tree.Path("out"));
}
