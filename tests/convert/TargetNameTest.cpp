#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "ScratchFolder.h"
#include "batch/TvxBatch.h"
#include "batch/TvxNode.h"
#include "convert/chm/TvxFileUtils.h"
#include "convert/job/TvxConvertor.h"
#include "core/TvxProject.h"

using testsupport::ScratchFolder;

namespace fs = std::filesystem;

namespace {

class TestConvertor : public TvxConvertor {
public:
    using TvxConvertor::TvxConvertor;
    bool Macros = false;
    bool HasMacros() override { return Macros; }
};

class TargetNameTest : public ::testing::Test {
protected:
    void SetUp() override {
        previous = vxProject;
        vxProject = &project;
        project.TargetExt = ".pdf";
        project.ShortName = "pellin";
        batch.SourceDir = in.Path().string() + "/";
        batch.TargetDir = out.Path().string() + "/";
    }
    void TearDown() override { vxProject = previous; }

    std::string Target(const std::string& fileName) {
        TvxNode node(fileName, 0);
        const auto target = convertor.MakeTargetName(&batch, &node);
        status = node.Status;
        return target;
    }

    TvxProject project;
    TvxProject* previous = nullptr;
    TvxBatch batch;
    TestConvertor convertor{&batch, 1, {}};
    ScratchFolder in, out;
    int status = 0;
};

}  // namespace

TEST_F(TargetNameTest, KeepsTheSourceSubFoldersAndCreatesThem) {
    EXPECT_EQ(out / "a/b/x.pdf", Target(in / "a/b/x.chm"));
    EXPECT_TRUE(fs::is_directory(out / "a/b"));
    EXPECT_EQ(out / "w.pdf", Target("/elsewhere/deep/w.chm"));  // not below the source folder
    project.SetOption("KeepTargetSubdirs", "0");
    EXPECT_EQ(out / "x.pdf", Target(in / "a/b/x.chm"));
}

TEST_F(TargetNameTest, ColonsAndBackslashesOfTheRelativeNameBecomeUnderscores) {
    batch.TargetDir = out / "t:1/";
    EXPECT_EQ(out / "t:1/a_b/c_d.pdf", Target(in / "a:b/c\\d.chm"));
}

TEST_F(TargetNameTest, TheExtensionIsReplacedOrAdded) {
    EXPECT_EQ(out / "Guide.v2.pdf", Target(in / "Guide.v2.CHM"));
    EXPECT_EQ(out / "README.pdf", Target(in / "README"));
    EXPECT_EQ(out / "dir.d/page.pdf", Target(in / "dir.d/page"));
    project.TargetExt.clear();
    EXPECT_EQ(out / "keep.chm", Target(in / "keep.chm"));
}

TEST_F(TargetNameTest, AlternativeAndMacroExtensions) {
    project.TargetExt = ".docx";
    project.AltTargetExt = ".doc";
    project.MacroTargetExt = ".docm";
    EXPECT_EQ(out / "a.docx", Target(in / "a.DOC"));
    EXPECT_EQ(out / "b.docx", Target(in / "b.docm"));
    convertor.Macros = true;
    EXPECT_EQ(out / "a.doc", Target(in / "a.rtf"));  // macros count only when enabled
    project.SetOption("MacroEnabled", "1");
    EXPECT_EQ(out / "a.docm", Target(in / "a.rtf"));
}

TEST_F(TargetNameTest, AFolderThatCannotBeMadeIsReportedOnceAndTheNameStillReturned) {
    out.Write("file", "not a folder");
    batch.TargetDir = out / "file/sub/";
    EXPECT_EQ(out / "file/sub/x.pdf", Target(in / "x.chm"));
    EXPECT_EQ(out / "file/sub/y.pdf", Target(in / "y.chm"));
    EXPECT_EQ(2, batch.Failures);
    EXPECT_EQ(std::vector<std::string>{"CreateDir Failed: " + (out / "file/sub/")},
              batch.FailureMessages);
}

TEST_F(TargetNameTest, AnExistingTargetIsSkippedRenamedOrOverwritten) {
    out.Write("x.pdf", "old");
    out.Write("-pellin-x.pdf", "older");

    EXPECT_EQ(out / "x.pdf", Target(in / "x.chm"));  // overwrite by default
    EXPECT_EQ(0, status);

    project.SetOption("IsOverwrite", "SkIp");
    EXPECT_EQ("", Target(in / "x.chm"));
    EXPECT_EQ(TvxNode::Done, status);

    project.SetOption("IsOverwrite", "False");
    EXPECT_EQ(out / "-pellin-x.pdf", Target(in / "x.chm"));  // not tested again
    EXPECT_EQ(0, status);

    fs::create_directories(out / "y.pdf");  // a folder is not a target file
    EXPECT_EQ(out / "y.pdf", Target(in / "y.chm"));
}

TEST_F(TargetNameTest, ATargetNameBelongsToTheFirstSourceOfTheRun) {
    project.SetOption("KeepTargetSubdirs", "0");
    EXPECT_EQ(out / "guide.pdf", Target(in / "a/guide.chm"));
    EXPECT_EQ(out / "-pellin-guide.pdf", Target(in / "b/guide.chm"));
    EXPECT_EQ("", Target(in / "c/guide.chm"));
    EXPECT_EQ(TvxNode::Failed, status);
    EXPECT_EQ(std::vector<std::string>{"The target " + (out / "-pellin-guide.pdf") +
                                       " is taken in this run by " + (in / "b/guide.chm")},
              batch.FailureMessages);
    EXPECT_EQ(out / "guide.pdf", Target(in / "a/guide.chm"));  // its own name again

    // Whatever IsOverwrite says, and by any path that reaches the folder.
    project.SetOption("IsOverwrite", "skip");
    fs::create_directory_symlink(out.Path(), in / "alias");
    batch.TargetDir = in / "alias/";
    out.Write("x.pdf", "x.chm's PDF");
    EXPECT_EQ("", Target(in / "x.chm"));
    EXPECT_EQ(TvxNode::Done, status);
    EXPECT_EQ(in / "alias/-pellin-x.pdf", Target(in / "x.CHM"));

    // The run log is no target either.
    batch.TakeOutput(out / "run.pdf", "the run log");
    EXPECT_EQ(in / "alias/-pellin-run.pdf", Target(in / "run.chm"));
}

TEST_F(TargetNameTest, DeleteTargetRemovesFilesOnly) {
    const auto file = out.Write("x.pdf", "old");
    fs::create_directories(out / "folder.pdf");
    TvxConvertor::DeleteTarget(file);
    TvxConvertor::DeleteTarget(out / "folder.pdf");
    TvxConvertor::DeleteTarget(out / "missing.pdf");
    EXPECT_FALSE(fs::exists(file));
    EXPECT_TRUE(fs::is_directory(out / "folder.pdf"));
}

TEST_F(TargetNameTest, PostProcessCopiesTimesDeletesOrRenamesTheSource) {
    const std::string source = in.Write("x.chm", "chm");
    const std::string target = out.Write("x.pdf", "pdf");
    const auto old = fs::file_time_type::clock::now() - std::chrono::hours(24 * 400);
    fs::last_write_time(source, old);
    TvxNode node(source, 0);

    convertor.PostProcess(&batch, &node, target);
    EXPECT_NE(old, fs::last_write_time(target));  // nothing asked for

    project.SetOption("KeepFileTime", "1");
    project.SetOption("RenameSource", ".done");
    convertor.PostProcess(&batch, &node, target);
    EXPECT_EQ(old, fs::last_write_time(target));
    EXPECT_FALSE(fs::exists(source));
    EXPECT_TRUE(fs::exists(source + ".done"));

    // An existing file of the new name is not replaced.
    in.Write("x.chm", "second");
    convertor.PostProcess(&batch, &node, target);
    EXPECT_EQ("chm", TvxFileUtils::ReadFileText(source + ".done"));
    EXPECT_TRUE(fs::exists(source));

    // Nothing happens to a source whose PDF is not there.
    project.SetOption("DeleteSource", "True");
    convertor.PostProcess(&batch, &node, out / "missing.pdf");
    EXPECT_TRUE(fs::exists(source));

    // Deleting comes first, so the rename finds no file.
    convertor.PostProcess(&batch, &node, target);
    EXPECT_FALSE(fs::exists(source));
    EXPECT_EQ("chm", TvxFileUtils::ReadFileText(source + ".done"));
}
