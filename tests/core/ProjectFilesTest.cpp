// Project files, the recent list, dialogs and the target folder.

#include <gtest/gtest.h>

#include "CoreTestSupport.h"
#include "platform/files/FileError.h"

using coretest::Bytes;
using coretest::Harness;
using coretest::WriteBytes;
using Lines = std::vector<std::string>;

TEST(ProjectFile, RoundTripKeepsEveryLineAndEndsEachInCrLf) {
    Harness h;
    const std::string file = h.folder / "p.batch-pellin";
    WriteBytes(file, "Source=/d/*.chm\n# note\rUnknown=x = y\r\nTarget=/o/");
    h.project->ProjectFile = file;
    h.project->LoadProject(true);
    h.project->SaveProject();
    EXPECT_EQ(Bytes(file), "Source=/d/*.chm\r\n# note\r\nUnknown=x = y\r\nTarget=/o/\r\n");
}

TEST(ProjectFile, AByteOrderMarkDoesNotEatTheFirstOption) {
    Harness h;
    const std::string file = h.folder / "bom.batch-pellin";
    WriteBytes(file, "\xEF\xBB\xBFSource=/d/*.chm\r\nPureConsole=1\r\n");
    h.project->ProjectFile = file;
    h.project->LoadProject(true);
    EXPECT_EQ(h.project->GetSource(), "/d/*.chm");
    EXPECT_EQ(h.project->OptionLines(), (Lines{"Source=/d/*.chm", "PureConsole=1"}));
}

TEST(ProjectFile, NameMustEndInTheExtensionAtItsFirstOccurrence) {
    Harness h;
    const TvxProject& p = *h.project;
    // Compared with letter case: an upper-case extension names a source file.
    h.project->ProjectFile = "/a/DEMO.BATCH-PELLIN";
    h.project->LoadProject(true);
    EXPECT_EQ(h.project->GetSource(), "/a/DEMO.BATCH-PELLIN");
    EXPECT_TRUE(p.IsProjectFile("/a/demo.batch-pellin"));
    EXPECT_TRUE(p.IsProjectFile(".batch-pellin"));
    EXPECT_FALSE(p.IsProjectFile("/a/x.batch-pellin.bak"));
    EXPECT_FALSE(p.IsProjectFile("/a/x.batch-pellin.batch-pellin"));
    EXPECT_FALSE(p.IsProjectFile("batch-pellin"));  // one character short of the extension
    EXPECT_FALSE(p.IsProjectFile(""));
}

TEST(ProjectFile, SaveWithoutFileAsksAndCancelWritesNothing) {
    Harness h;
    h.project->Options = {"Source=/s/"};
    EXPECT_FALSE(h.project->SaveProject());
    EXPECT_EQ(h.chooser.calls, 1);
    EXPECT_EQ(h.chooser.lastFilter, "Pellin Project|*.batch-pellin");
    EXPECT_EQ(h.chooser.lastDefaultExt, ".batch-pellin");
    EXPECT_EQ(h.project->ProjectFile, "");
    EXPECT_TRUE(h.project->Recent.empty());

    const std::string chosen = h.folder / "chosen.batch-pellin";
    h.chooser.answers = {chosen};
    EXPECT_TRUE(h.project->SaveProject());
    EXPECT_EQ(h.project->ProjectFile, chosen);
    EXPECT_EQ(Bytes(chosen), "Source=/s/\r\n");
    EXPECT_EQ(h.project->Recent, Lines{chosen});
}

TEST(ProjectFile, AFileThatCannotBeReadOrWrittenIsNotRemembered) {
    Harness h;
    h.project->Options = {"Source=/keep/"};
    h.project->ProjectFile = h.folder / "missing.batch-pellin";
    h.project->LoadProject(true);
    EXPECT_EQ(h.project->Options, Lines{"Source=/keep/"});
    EXPECT_TRUE(h.project->Recent.empty());

    // A failed write reaches the caller.
    h.project->ProjectFile = h.folder / "no-such-folder/p.batch-pellin";
    EXPECT_THROW(h.project->SaveProject(), platform::FileError);
    EXPECT_TRUE(h.project->Recent.empty());
}

TEST(ProjectFile, OpenDialogOffersProjectsAndSources) {
    Harness h;
    h.project->ProjectFile = "/p/a?.batch-pellin";
    h.project->Options = {"Source=/keep/"};
    EXPECT_FALSE(h.project->LoadProject(false));  // cancelled
    EXPECT_EQ(h.chooser.lastFilter,
              "Pellin Project|*.batch-pellin|Microsoft HTML Help(*.chm)|*.chm");
    EXPECT_EQ(h.chooser.lastName, "/p/a*.batch-pellin");
    EXPECT_EQ(h.project->ProjectFile, "/p/a?.batch-pellin");
    EXPECT_EQ(h.project->Options, Lines{"Source=/keep/"});

    h.chooser.answers = {"/help/guide.chm"};
    EXPECT_TRUE(h.project->LoadProject(false));
    EXPECT_EQ(h.project->GetSource(), "/help/guide.chm");
    EXPECT_EQ(h.project->GetTarget(), "/help/");
    EXPECT_EQ(h.project->ProjectFile, "");
}

TEST(ProjectFile, CommandLineOptionsReturnWhenASourceIsOpened) {
    Harness h;
    h.project->CmdOptions = "Source=/cmd/*.chm\r\nThreadsCount=2";
    h.project->Options = {"Source=/other/"};
    h.chooser.answers = {"/help/guide.chm"};
    h.project->LoadProject(false);
    EXPECT_EQ(h.project->GetSource(), "/cmd/*.chm");
    EXPECT_EQ(h.project->GetTarget(), "/cmd/");
    EXPECT_EQ(h.project->ProjectFile, "");
}

TEST(RecentList, NewestFirstCaseInsensitiveNoDuplicates) {
    Harness h;
    h.project->Recent = {"/p/Old.batch-pellin"};
    for (const char* file : {"/p/a.batch-pellin", "/p/old.BATCH-pellin", "/p/a.batch-pellin"}) {
        h.project->ProjectFile = file;
        h.project->AddToRecent();
    }
    EXPECT_EQ(h.project->Recent, (Lines{"/p/a.batch-pellin", "/p/Old.batch-pellin"}));
}

TEST(RecentList, WrittenAtTheEndAndReadAtTheStart) {
    Harness h;
    h.project->Recent = {"/p/b.batch-pellin", "/p/a.batch-pellin"};
    h.project->Options = {"Source=/not/saved/"};
    h.EndProject();
    EXPECT_EQ(Bytes(h.folder / "bin/pellin.log"), "/p/b.batch-pellin\r\n/p/a.batch-pellin\r\n");
    EXPECT_FALSE(std::filesystem::exists(h.folder / "bin/pellin.batch-pellin"));
    h.MakeProject();
    EXPECT_EQ(h.project->Recent, (Lines{"/p/b.batch-pellin", "/p/a.batch-pellin"}));
}

TEST(RecentList, UnwritableListIsIgnored) {
    Harness h;
    std::filesystem::create_directory(h.folder / "bin/pellin.log");  // a folder in the way
    h.project->Recent = {"/p/a.batch-pellin"};
    EXPECT_NO_THROW(h.EndProject());
    EXPECT_NO_THROW(h.MakeProject());
    EXPECT_TRUE(h.project->Recent.empty());
}

TEST(TargetFolder, CreatedWithParentsAndEndsInDelimiter) {
    Harness h;
    EXPECT_EQ(h.project->GetTargetFolder(), "");  // an empty target is not the root folder
    const std::string target = h.folder / "out/deep/er";
    h.project->SetOption("Target", target);
    EXPECT_EQ(h.project->GetTargetFolder(), target + "/");
    EXPECT_TRUE(std::filesystem::is_directory(target));
    h.project->SetOption("Target", target + "/");
    EXPECT_EQ(h.project->GetTargetFolder(), target + "/");
}

TEST(TargetFolder, FileAddressCreatesNoFolderNamedAfterTheScheme) {
    const testsupport::ScratchFolder scratch("file-target");
    const std::string work = scratch.Path();
    // The source's "file:" folder becomes Target when none is given.
    Harness h("-P:Source=file://" + work + "/in/*.chm");
    const auto before = std::filesystem::current_path();
    std::filesystem::current_path(work);
    h.project->ParseCommandLine();
    const std::string folder = h.project->GetTargetFolder();
    std::filesystem::current_path(before);
    EXPECT_EQ(folder, "file://" + work + "/in/");
    EXPECT_FALSE(std::filesystem::exists(work + "/file:"));
}
