// Which help document the Help command opens: the CHM guide when a CHM viewer
// other than this program is registered, else the PDF guide; each beside the
// program first, then in the installed data folder.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "CoreTestSupport.h"
#include "platform/process/MimeHandlers.h"

using coretest::WriteBytes;
namespace fs = std::filesystem;

namespace {

class ScriptedHandlers : public platform::MimeHandlers {
public:
    std::map<std::string, std::string> defaults;
    mutable int questions = 0;
    std::string DefaultHandler(const std::string& mimeType) const override {
        ++questions;
        const auto found = defaults.find(mimeType);
        return found == defaults.end() ? std::string() : found->second;
    }
};

// A program at <folder>/bin/pellin; an installed copy's data folder is
// <folder>/share/pellin.
class HelpDocument : public ::testing::Test {
protected:
    HelpDocument() : info(shell, folder / "bin/pellin", platform::LocalFiles(), handlers) {}

    std::string Put(const std::string& relative) {
        const fs::path path = folder / relative;
        fs::create_directories(path.parent_path());
        WriteBytes(path.string(), "x");
        return path.string();
    }
    void RegisterViewer(const std::string& desktopId) {
        handlers.defaults["application/vnd.ms-htmlhelp"] = desktopId;
    }

    coretest::TempFolder folder;
    testsupport::RecordingShellLauncher shell;
    ScriptedHandlers handlers;
    TvxInfo info;
};

}  // namespace

TEST_F(HelpDocument, WithBothTheRegisteredViewerOtherThanThisProgramDecides) {
    const std::string chm = Put("bin/pellin.chm");
    const std::string pdf = Put("bin/pellin.pdf");
    EXPECT_EQ(info.HelpDocument(), pdf);
    RegisterViewer(info.DesktopId);  // no viewer of its own help
    EXPECT_FALSE(info.HasChmViewer());
    EXPECT_EQ(info.HelpDocument(), pdf);
    RegisterViewer("xchm.desktop");
    EXPECT_EQ(info.HelpDocument(), chm);
    info.OpenHelp();
    EXPECT_EQ(shell.Opened().at(0), chm);

    // A viewer of the older type name counts too.
    handlers.defaults.clear();
    handlers.defaults["application/x-chm"] = "kchmviewer.desktop";
    EXPECT_EQ(info.HelpDocument(), chm);
}

TEST_F(HelpDocument, ACHMGuideAloneIsOpenedOnlyWhereAViewerShowsIt) {
    // Neither document: the PDF's name beside the program.
    EXPECT_EQ(info.HelpDocument(), folder / "bin/pellin.pdf");
    const std::string chm = Put("bin/pellin.chm");
    // Handed to a desktop that shows no CHM file, it would open nothing.
    EXPECT_EQ(info.HelpDocument(), folder / "bin/pellin.pdf");
    RegisterViewer("xchm.desktop");
    EXPECT_EQ(info.HelpDocument(), chm);
    fs::remove(chm);
    const std::string pdf = Put("bin/pellin.pdf");
    const int asked = handlers.questions;
    EXPECT_EQ(info.HelpDocument(), pdf);
    EXPECT_EQ(handlers.questions, asked);  // a PDF alone needs no viewer question
}

TEST_F(HelpDocument, InstalledGuideIsFoundInTheDataFolder) {
    const std::string chm = Put("share/pellin/pellin.chm");
    const std::string pdf = Put("share/pellin/pellin.pdf");
    EXPECT_EQ(info.HelpDocument(), pdf);
    RegisterViewer("xchm.desktop");
    EXPECT_EQ(info.HelpDocument(), chm);
    // A copy beside the program wins over the installed one.
    const std::string besideChm = Put("bin/pellin.chm");
    EXPECT_EQ(info.HelpDocument(), besideChm);
}
