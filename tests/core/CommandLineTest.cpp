// The first command-line parameter: options switch, notices, a file to open.

#include <gtest/gtest.h>

#include "CoreTestSupport.h"
#include "core/TvxEndProcess.h"

using coretest::Harness;
using coretest::WriteBytes;
using Lines = std::vector<std::string>;

namespace {

// Start-up with the parameter, and with a default project file beside the
// program holding `defaultProject` (none when empty).
void StartWith(Harness& h, const std::string& defaultProject = {}) {
    if (!defaultProject.empty()) WriteBytes(h.folder / "bin/pellin.batch-pellin", defaultProject);
    h.project->ParseCommandLine();
}

}  // namespace

TEST(CommandLine, OptionsSwitchSplitsAtCommasAndSemicolons) {
    Harness h("-P:Source=/docs/*.chm,Target=/out;PureConsole=1");
    StartWith(h, "Source=/from/default\r\n");
    EXPECT_EQ(h.project->CmdOptions, "Source=/docs/*.chm\r\nTarget=/out\r\nPureConsole=1");
    EXPECT_EQ(h.project->Options, (Lines{"Source=/docs/*.chm", "Target=/out", "PureConsole=1"}));
    EXPECT_EQ(h.project->ProjectFile, "");
}

TEST(CommandLine, OptionsWithoutTargetFillItFromTheSourceFolder) {
    Harness h("/p:Source=/docs/*.chm");
    StartWith(h);
    EXPECT_EQ(h.project->GetTarget(), "/docs/");

    Harness bare("-pSource=nofolder.chm");
    StartWith(bare);
    EXPECT_EQ(bare.project->GetSource(), "nofolder.chm");
    EXPECT_EQ(bare.project->GetOption("Target"), "");
}

TEST(CommandLine, IgnoredParametersLoadTheDefaultProject) {
    for (const char* param : {"", "x", "-X", "-P", "-P:"}) {
        Harness h(param);
        StartWith(h, "ThreadsCount=4\r\n");
        EXPECT_EQ(h.project->CmdOptions, "") << param;
        EXPECT_EQ(h.project->ProjectFile, h.folder / "bin/pellin.batch-pellin") << param;
        EXPECT_EQ(h.project->GetThreadsCount(), 4) << param;
    }
    // Without a default project the options stay empty, and a later Save
    // writes the default project without asking.
    Harness h;
    StartWith(h);
    EXPECT_TRUE(h.project->Options.empty());
    EXPECT_EQ(h.project->ProjectFile, h.folder / "bin/pellin.batch-pellin");
}

TEST(CommandLine, SourceFileBecomesSourceAndFillsTarget) {
    // "/u..." and "/p..." begin ordinary absolute paths on this platform.
    for (const std::string path : {"/docs/a.chm", "/usr/share/a.chm", "/proj/a.chm", "/X"}) {
        Harness h(path);
        EXPECT_NO_THROW(StartWith(h)) << path;
        EXPECT_EQ(h.project->ProjectFile, "");
        EXPECT_EQ(h.project->GetSource(), path);
        EXPECT_EQ(h.project->GetTarget(), path.substr(0, path.rfind('/') + 1));
        EXPECT_TRUE(h.shell.Opened().empty()) << path;
    }
    Harness relative("docs/a.chm");
    StartWith(relative);
    const std::string here = std::filesystem::current_path().string();
    EXPECT_EQ(relative.project->GetSource(), here + "/docs/a.chm");
    EXPECT_EQ(relative.project->GetTarget(), here + "/docs/");
}

TEST(CommandLine, ProjectFileOnTheCommandLineIsLoadedAndRemembered) {
    Harness h;
    const std::string demo = h.folder / "demo.batch-pellin";
    WriteBytes(demo, "Source=/d/*.chm\nSubdir=True\r");
    h.app.FirstParam = demo;
    StartWith(h);
    EXPECT_EQ(h.project->ProjectFile, demo);
    EXPECT_EQ(h.project->Options, (Lines{"Source=/d/*.chm", "Subdir=True"}));
    EXPECT_EQ(h.project->Recent, Lines{demo});
}

TEST(CommandLine, NoticesOpenTheirPageAndEndTheProcess) {
    Harness install("-Iref=setup");
    EXPECT_THROW(install.project->ParseCommandLine(), TvxEndProcess);
    ASSERT_EQ(install.shell.Opened().size(), 1u);
    EXPECT_EQ(install.shell.Opened()[0],
              "https://pellin.example/net/?a=ins&p=pellin&v=2025.17.420.2241&ref=setup");

    for (const char* param : {"-U", "-u", "/U", "-Uextra"}) {
        Harness uninstall(param);
        EXPECT_THROW(uninstall.project->ParseCommandLine(), TvxEndProcess) << param;
        ASSERT_EQ(uninstall.shell.Opened().size(), 1u) << param;
        EXPECT_EQ(uninstall.shell.Opened()[0],
                  "https://pellin.example/net/?a=uni&p=pellin&v=2025.17.420.2241");
        EXPECT_TRUE(uninstall.project->Options.empty());
    }
}
