// The road decision, the product constants, the product links and the clock.

#include <gtest/gtest.h>

#include "CoreTestSupport.h"
#include "core/TvxRoad.h"

using coretest::Harness;
using coretest::WriteBytes;

namespace {

TvxRoad RoadFor(std::vector<std::string> options, bool hasDesktop = true) {
    TvxProject project(platform::LocalFiles(), nullptr, nullptr);
    project.Options = std::move(options);
    return ChooseRoad(project, hasDesktop);
}

}  // namespace

TEST(Road, WindowlessOnlyForPureConsoleWithoutHttpInSourceOrWithoutADesktop) {
    EXPECT_EQ(RoadFor({"PureConsole=1", "Source=/docs/*.chm"}), TvxRoad::Windowless);
    EXPECT_EQ(RoadFor({"PureConsole=True"}), TvxRoad::Windowless);
    EXPECT_EQ(RoadFor({"PureConsole=1", "Source=HTTP://x/a.chm"}), TvxRoad::Windowless);
    EXPECT_EQ(RoadFor({"PureConsole=1", "Source=/http/a.chm"}), TvxRoad::Window);
    EXPECT_EQ(RoadFor({"PureConsole=1", "Source=https://x/a.chm"}), TvxRoad::Window);
    EXPECT_EQ(RoadFor({"PureConsole=0", "Source=/docs/*.chm"}), TvxRoad::Window);
    EXPECT_EQ(RoadFor({}), TvxRoad::Window);
    // Without a desktop an unattended run stays windowless whatever its source.
    EXPECT_EQ(RoadFor({"PureConsole=1", "Source=/srv/httpd-manual/*.chm"}, false),
              TvxRoad::Windowless);
    EXPECT_EQ(RoadFor({"PureConsole=0", "Source=/srv/httpd-manual/*.chm"}, false),
              TvxRoad::Window);  // the window road then says why it cannot start
}

TEST(ProductLinks, PagesMailAndErrorReport) {
    Harness h;
    h.project->Title = "Pellin & Co";
    h.info.OpenHomePage();
    h.info.OpenUpdatePage();
    h.info.OpenSupportMail();
    const auto opened = h.shell.Opened();
    ASSERT_EQ(opened.size(), 3u);
    EXPECT_EQ(opened[0], "https://pellin.example/en/pellin/index.htm");
    EXPECT_EQ(opened[1], "https://pellin.example/en/pellin/download.htm");
    EXPECT_EQ(opened[2],
              "mailto:support@pellin.example?subject=Support%20required%20for%20Pellin%20And%20Co"
              "%202025.17.420.2241");
    // An error report drops quotes and stays one argument.
    h.info.OpenAction("err&e=\"Cannot open a b\",x%3F#1\n");
    ASSERT_EQ(h.shell.Opened().size(), 4u);
    EXPECT_EQ(h.shell.Opened()[3],
              "https://pellin.example/net/?a=err&e=Cannot%20open%20a%20b,x%3F%231%0A"
              "&p=pellin&v=2025.17.420.2241");
}

TEST(ProductLinks, HelpDocumentIsThePdfUnlessTheDesktopShowsTheChmBesideTheProgram) {
    Harness h;
    EXPECT_EQ(h.info.HelpDocument(), h.folder / "bin/pellin.pdf");
    WriteBytes(h.folder / "bin/pellin.chm", "x");
    h.info.OpenHelp();
    EXPECT_EQ(h.shell.Opened().at(0),
              h.folder / (h.info.HasChmViewer() ? "bin/pellin.chm" : "bin/pellin.pdf"));
}
