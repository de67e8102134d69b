// The road decision, the product constants, the product links and the clock.

#include <gtest/gtest.h>

#include "CoreTestSupport.h"
#include "core/TvxRoad.h"
#include "platform/TickClock.h"

using coretest::Harness;
using coretest::WriteBytes;

namespace {

TvxRoad RoadFor(std::vector<std::string> options) {
    TvxProject project(platform::LocalFiles(), nullptr, nullptr);
    project.Options = std::move(options);
    return ChooseRoad(project);
}

}  // namespace

TEST(Road, WindowlessOnlyForPureConsoleWithoutHttpInSource) {
    EXPECT_EQ(RoadFor({"PureConsole=1", "Source=/docs/*.chm"}), TvxRoad::Windowless);
    EXPECT_EQ(RoadFor({"PureConsole=True"}), TvxRoad::Windowless);
    EXPECT_EQ(RoadFor({"PureConsole=1", "Source=HTTP://x/a.chm"}), TvxRoad::Windowless);
    EXPECT_EQ(RoadFor({"PureConsole=1", "Source=/http/a.chm"}), TvxRoad::Window);
    EXPECT_EQ(RoadFor({"PureConsole=1", "Source=https://x/a.chm"}), TvxRoad::Window);
    EXPECT_EQ(RoadFor({"PureConsole=0", "Source=/docs/*.chm"}), TvxRoad::Window);
    EXPECT_EQ(RoadFor({}), TvxRoad::Window);
}

TEST(Product, ConstantsOfThePellinConvertor) {
    Harness h;
    const TvxProject& p = *h.project;
    EXPECT_EQ(p.FileMask, "*.chm");
    EXPECT_EQ(p.SourceFilter, "Microsoft HTML Help(*.chm)|*.chm");
    EXPECT_EQ(p.TargetExt, ".pdf");
    EXPECT_EQ(p.ProjectExt, ".batch-pellin");
    EXPECT_EQ(p.ProjectFilter, "Pellin Project|*.batch-pellin");
    EXPECT_EQ(p.Title, "Pellin Convertor");
    EXPECT_EQ(p.Version, "2025.17.420.2241");
    EXPECT_EQ(p.AltTargetExt, "");
    EXPECT_TRUE(p.FillTargetFromSource);
    EXPECT_TRUE(p.OverwriteDefault);
}

TEST(ProductLinks, PagesAndMail) {
    Harness h;
    h.info.OpenHomePage();
    h.info.OpenUpdatePage();
    h.info.OpenSupportMail();
    const auto opened = h.shell.Opened();
    ASSERT_EQ(opened.size(), 3u);
    EXPECT_EQ(opened[0], "https://pellin.example/en/pellin/index.htm");
    EXPECT_EQ(opened[1], "https://pellin.example/en/pellin/download.htm");
    EXPECT_EQ(opened[2],
              "mailto:support@pellin.example?subject=Support%20required%20for%20Pellin%20Convertor"
              "%202025.17.420.2241%20-%20420");
}

TEST(ProductLinks, AmpersandInTitleBecomesAnd) {
    Harness h;
    h.project->Title = "Help & PDF";
    EXPECT_NE(h.info.SupportMailUrl().find("Help%20And%20PDF"), std::string::npos);
}

TEST(ProductLinks, ErrorReportDropsQuotesAndKeepsOneArgument) {
    Harness h;
    h.info.OpenAction("err&e=\"Cannot open a b\",x%3F#1\n");
    ASSERT_EQ(h.shell.Opened().size(), 1u);
    EXPECT_EQ(h.shell.Opened()[0],
              "https://pellin.example/net/?a=err&e=Cannot%20open%20a%20b,x%3F%231%0A"
              "&p=pellin&v=2025.17.420.2241");
}

TEST(ProductLinks, HelpDocumentIsChmBesideTheProgramElsePdf) {
    Harness h;
    EXPECT_EQ(h.info.HelpDocument(), h.folder / "bin/pellin.pdf");
    WriteBytes(h.folder / "bin/pellin.chm", "x");
    h.info.OpenHelp();
    EXPECT_EQ(h.shell.Opened().at(0), h.folder / "bin/pellin.chm");
}

namespace {

class FixedClock : public platform::TickClock {
public:
    std::uint32_t now = 0;
    std::uint32_t TickCount() const override { return now; }
};

}  // namespace

TEST(App, TickCountCanBeReplacedAndWrapsIn32Bits) {
    TvxApp app("/bin/pellin", "");
    FixedClock clock;
    app.SetClock(&clock);
    clock.now = 0xFFFFFFF0u;
    const std::uint32_t t0 = app.TickCount();
    clock.now = 0x10u;
    EXPECT_EQ(app.TickCount() - t0, 0x20u);
    app.SetClock(nullptr);
    EXPECT_LT(platform::SystemTickClock().TickCount() - app.TickCount(), 1000u);
}
