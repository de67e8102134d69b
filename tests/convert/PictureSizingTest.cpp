// Pictures drawn at their size: the pixel sizes read from untrusted picture
// headers, and the sizes a page asks for turned into one drawn size.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "ScratchFolder.h"
#include "convert/book/BookBuilder.h"
#include "convert/book/PictureHeader.h"
#include "convert/book/PictureSizing.h"

namespace {

std::string Bytes(std::initializer_list<int> values) {
    std::string bytes;
    for (int value : values) bytes += static_cast<char>(value);
    return bytes;
}

std::string Png(int width, int height) {
    return "\x89PNG\r\n\x1a\n" + Bytes({0, 0, 0, 13}) + "IHDR" +
           Bytes({0, 0, width >> 8, width & 255, 0, 0, height >> 8, height & 255, 8, 2, 0, 0, 0});
}

// A JFIF file claiming 300 dpi, a Huffman table (whose C4 marker is no frame),
// fill bytes, then the frame header of the given kind.
std::string Jpeg(int width, int height, int frame = 0xC0) {
    return Bytes({0xFF, 0xD8, 0xFF, 0xE0, 0, 16}) + "JFIF" +
           Bytes({0, 1, 1, 1, 1, 44, 1, 44, 0, 0}) + Bytes({0xFF, 0xC4, 0, 3, 0}) +
           Bytes({0xFF, 0xFF, frame, 0, 11, 8, height >> 8, height & 255, width >> 8, width & 255,
                  1, 1, 0x11, 0});
}

std::string Bmp(int infoSize, int width, int height) {
    std::string bytes = "BM" + std::string(12, '\0');
    const auto little = [&](long long value, int count) {
        for (int i = 0; i < count; ++i) bytes += static_cast<char>((value >> (8 * i)) & 255);
    };
    little(infoSize, 4);
    little(width, infoSize == 12 ? 2 : 4);
    little(height, infoSize == 12 ? 2 : 4);
    return bytes + std::string(16, '\0');
}

void ExpectSize(const std::string& bytes, int width, int height, const char* what) {
    const auto size = PicturePixelSize(bytes);
    ASSERT_TRUE(size.has_value()) << what;
    EXPECT_EQ(width, size->Width) << what;
    EXPECT_EQ(height, size->Height) << what;
}

TEST(PictureHeader, ReadsThePixelSizeOfEachFormatAndNothingFromDamagedHeaders) {
    ExpectSize(Png(354, 391), 354, 391, "PNG");
    ExpectSize("GIF89a" + Bytes({0x33, 0, 0x29, 0}), 51, 41, "GIF");
    ExpectSize(Jpeg(566, 458), 566, 458, "baseline JPEG after its tables");
    ExpectSize(Jpeg(1200, 20, 0xC2), 1200, 20, "progressive JPEG");
    ExpectSize(Bmp(40, 640, -480), 640, 480, "BMP stored top-down");
    ExpectSize(Bmp(12, 32, 16), 32, 16, "BMP with the old core header");

    // Every cut of a header, sides of zero or beyond any real picture, and a
    // segment length running past the end tell no size.
    for (const auto& [whole, sizeEnds] :
         {std::pair{Png(10, 10), 24}, {Jpeg(10, 10), 35}, {Bmp(40, 10, 10), 26}})
        for (int cut = 0; cut < sizeEnds; ++cut)
            EXPECT_FALSE(PicturePixelSize(whole.substr(0, cut))) << cut;
    EXPECT_FALSE(PicturePixelSize(Png(0, 10)));
    EXPECT_FALSE(PicturePixelSize(Bmp(40, 70000, 10)));
    EXPECT_FALSE(PicturePixelSize(Bmp(40, 10, -2147483647 - 1)));
    EXPECT_FALSE(PicturePixelSize(Bytes({0xFF, 0xD8, 0xFF, 0xE1, 0xFF, 0xF0, 0})));
    EXPECT_FALSE(PicturePixelSize("<svg width='10' height='10'/>"));
}

struct Expected {
    double Width, Height;
};

void ExpectDrawn(const PictureRequest& request, Expected expected, const char* what) {
    const auto box = DrawnPictureSize(request, {680, 980});
    ASSERT_TRUE(box.has_value()) << what;
    EXPECT_NEAR(expected.Width, box->Width, 0.01) << what;
    EXPECT_NEAR(expected.Height, box->Height, 0.01) << what;
}

TEST(PictureSize, OneSideKeepsTheProportionsAndOnlyWhatIsTooLargeShrinks) {
    const PixelSize shot{354, 391};
    const auto px = [](double value) { return std::optional(CssLength{value, false}); };
    const auto percent = [](double value) { return std::optional(CssLength{value, true}); };
    ExpectDrawn({{}, {}, shot}, {354, 391}, "pixels at 96 to the inch");
    ExpectDrawn({{}, {}, PixelSize{16, 16}}, {16, 16}, "an icon is not blown up");
    ExpectDrawn({px(177), {}, shot}, {177, 195.5}, "width alone");
    ExpectDrawn({{}, px(195.5), shot}, {177, 195.5}, "height alone");
    ExpectDrawn({px(100), px(50), shot}, {100, 50}, "both sides as the page asks");
    ExpectDrawn({percent(50), {}, shot}, {340, 375.54}, "a share of the room's width");
    ExpectDrawn({px(177), percent(10), shot}, {177, 195.5}, "a height in % is auto");
    ExpectDrawn({{}, {}, PixelSize{2400, 300}}, {680, 85}, "too wide: down to the width");
    ExpectDrawn({{}, {}, PixelSize{100, 1960}}, {50, 980}, "too tall: down to the height");
    ExpectDrawn({px(100), px(40), std::nullopt}, {100, 40}, "both sides need no file");
    EXPECT_FALSE(DrawnPictureSize({px(100), {}, std::nullopt}, {680, 980}));
    ExpectDrawn({px(0), {}, shot}, {0, 0}, "no width: nothing to see");
}

TEST(PictureSize, ReadsLengthsInTheUnitsPagesUse) {
    const auto pixels = [](const char* text) {
        const auto length = ParseCssLength(text);
        return length ? length->Value : -1;
    };
    EXPECT_DOUBLE_EQ(200, pixels("200"));
    EXPECT_DOUBLE_EQ(200, pixels(" 200PX !important"));
    EXPECT_DOUBLE_EQ(200, pixels("150pt"));
    EXPECT_DOUBLE_EQ(96, pixels("2.54cm"));
    EXPECT_DOUBLE_EQ(32, pixels("2em"));
    EXPECT_TRUE(ParseCssLength("50%")->Percent);
    for (const char* refused : {"auto", "-5px", "", "12furlongs", "inherit", "nan"})
        EXPECT_FALSE(ParseCssLength(refused)) << refused;
    EXPECT_EQ("10%", StyleProperty("WIDTH: 5px; color: red; width: 10%", "width"));
    EXPECT_EQ("border: 1px; background: url(a;b)",
              StyleWithout("width:5px; border: 1px; HEIGHT:3px; background: url(a;b)",
                           {"width", "height"}));
}

class PictureBook : public ::testing::Test {
protected:
    testsupport::ScratchFolder job;

    // The <img ...> tags of the book built from one page beside a 900x300 PNG
    // and an SVG drawing.
    std::vector<std::string> Pictures(const std::string& page) {
        std::ofstream(job / "wide.png", std::ios::binary) << Png(900, 300);
        std::ofstream(job / "drawing.svg") << "<svg xmlns='http://www.w3.org/2000/svg'/>";
        std::ofstream(job / "page.htm", std::ios::binary) << page;
        TopicPathResolver resolver{job.Path().string()};
        const auto read = [](const std::string& path) {
            std::ifstream file(path, std::ios::binary);
            std::stringstream text;
            text << file.rdbuf();
            return text.str();
        };
        BookBuilder(resolver, "UTF-8", read).Build({job / "page.htm"}, job / "#pellin-book.html");
        const std::string book = read(job / "#pellin-book.html");
        std::vector<std::string> tags;
        const std::regex tag("<img[^>]*>");
        for (auto it = std::sregex_iterator(book.begin(), book.end(), tag);
             it != std::sregex_iterator(); ++it)
            tags.push_back(it->str());
        return tags;
    }
};

TEST_F(PictureBook, EveryPictureGetsBothSidesFittedToTheTextAreaOrWhatItsRowLeaves) {
    const auto tags = Pictures(
        "<p><img src=wide.png style='border:1px solid; WIDTH: 50%'></p>"
        "<p><img src=wide.png style='border: solid 0px; float: left'></p>"
        "<table cellspacing=0 cellpadding=0><tr><td width=600><img src=wide.png width=300></td>"
        "<td><img src=wide.png height=150></td><td style='width:30%'>Enumeration</td></tr>"
        "</table>"
        "<p><img src=drawing.svg width=40></p>"
        "<p><img src=wide.png style='display:none; width:0; height:0'></p>");
    ASSERT_EQ(5u, tags.size()) << "a picture drawn with no width shows nothing";
    EXPECT_NE(std::string::npos, tags[0].find("width=\"340\" height=\"113\"")) << tags[0];
    EXPECT_NE(std::string::npos, tags[0].find("style=\"border: 1px solid\"")) << tags[0];
    EXPECT_NE(std::string::npos, tags[1].find("width=\"680\" height=\"227\"")) << tags[1];
    EXPECT_EQ(std::string::npos, tags[1].find("border")) << "a border of no width goes";
    // The cells beside give way down to their widest content: 680 less the
    // 300 px picture and the 11 letters of a word leave 292 px.
    EXPECT_NE(std::string::npos, tags[2].find("width=\"300\" height=\"100\"")) << tags[2];
    EXPECT_NE(std::string::npos, tags[3].find("width=\"292\" height=\"97\"")) << tags[3];
    EXPECT_NE(std::string::npos, tags[4].find("width=\"40\"")) << tags[4];
    EXPECT_EQ(std::string::npos, tags[4].find("height")) << "no size to tell: left as written";
}

}  // namespace
