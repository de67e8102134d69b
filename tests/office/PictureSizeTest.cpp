// Pictures in the PDF at the size a browser draws them, through the real
// converter and office: a help file compiled here whose pictures claim 72,
// 96 or 300 dpi or nothing, are sized by the page on one side, both or in %,
// run wider than the page, sit in a narrow table cell, or share a row with
// another picture.

#include <gtest/gtest.h>

#include <map>

#include "OfficeTestSupport.h"
#include "PdfDocument.h"

using namespace officetest;

namespace {

const fs::path kProgram = PELLIN_BIN_DIR "/pellin";
const fs::path kPictures = PELLIN_SOURCE_DIR "/tests/fixtures/picture-sizes";

std::string ReadAll(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

struct Expected {
    const char* What;
    double Width, Height;  // points: pixels at 96 to the inch, or as the page says
};

TEST(PictureSize, EachPictureIsDrawnAtItsSizeUndistorted) {
    SKIP_WITHOUT_OFFICE();
    ScratchFolder scratch{"picture-sizes"};
    std::vector<std::pair<std::string, std::string>> files{
        {"pictures.htm", ReadAll(kPictures / "pictures.htm")}};
    for (const auto& entry : fs::directory_iterator(kPictures))
        if (entry.path().extension() != ".htm")
            files.emplace_back(entry.path().filename().string(), ReadAll(entry.path()));
    const fs::path chm = compileHelpFile(scratch.Path(), "pictures", files);
    if (chm.empty()) GTEST_SKIP() << "chmcmd (fp-utils) is missing or failed";
    const fs::path target = scratch.Path() / "target";
    run("TMPDIR=" + shellQuoted(scratch.Path()) + " " + shellQuoted(kProgram) + " " +
        shellQuoted("-P:Source=" + chm.string() + ",Target=" + target.string() +
                    ",PureConsole=1,Quiet=1") +
        " >/dev/null 2>&1");
    ASSERT_TRUE(fs::exists(target / "pictures.pdf"));

    // Told apart by their pixel sizes, which the export keeps.
    const std::map<std::pair<int, int>, Expected> expected{
        {{120, 60}, {"no resolution", 90, 45}},
        {{130, 65}, {"72 dpi", 97.5, 48.75}},
        {{140, 70}, {"300 dpi", 105, 52.5}},
        {{150, 75}, {"JPEG at 300 dpi", 112.5, 56.25}},
        {{40, 20}, {"BMP", 30, 15}},
        {{200, 100}, {"width alone", 75, 37.5}},
        {{210, 105}, {"height alone", 105, 52.5}},
        {{220, 110}, {"both sides", 82.5, 41.25}},
        {{230, 115}, {"half of the 680 px text area", 255, 127.5}},
        {{1500, 150}, {"down to the text area", 510, 51}},
        {{300, 100}, {"in a 60 px cell, which widens", 225, 75}},
        {{400, 40}, {"beside a picture in its row", 300, 30}},
        {{600, 200}, {"down to what the row leaves", 210, 70}},
    };
    std::map<std::string, int> seen;
    for (const auto& page :
         pdftest::PdfDocument((target / "pictures.pdf").string()).PicturePlacements()) {
        for (const auto& picture : page) {
            const auto found = expected.find({picture.PixelWidth, picture.PixelHeight});
            ASSERT_NE(found, expected.end())
                << picture.PixelWidth << "x" << picture.PixelHeight << " pixels: not the page's";
            const Expected& want = found->second;
            ++seen[want.What];
            const double width = picture.Box.Right - picture.Box.Left;
            const double height = picture.Box.Top - picture.Box.Bottom;
            EXPECT_NEAR(want.Width, width, want.Width * 0.02) << want.What;
            EXPECT_NEAR(want.Height, height, want.Height * 0.02) << want.What;
            EXPECT_NEAR(width / picture.PixelWidth, height / picture.PixelHeight,
                        0.02 * width / picture.PixelWidth)
                << want.What << ": squashed";
        }
    }
    for (const auto& [pixels, want] : expected) EXPECT_EQ(1, seen[want.What]) << want.What;
}

}  // namespace
