// What a reader sees in the PDF the program writes, through the real
// converter and office: the outline against the help file's contents tree and
// the place each entry jumps to, the document information, the Outline
// option, pictures against the text area, and the style sheets' fonts and
// colours.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "OfficeTestSupport.h"
#include "PdfDocument.h"
#include "PdfHtmlLayout.h"

using namespace officetest;

namespace {

const fs::path kProgram = PELLIN_BIN_DIR "/pellin";
const fs::path kFixtures = PELLIN_SOURCE_DIR "/tests/fixtures";

class PdfQuality : public ::testing::Test {
protected:
    void SetUp() override {
        SKIP_WITHOUT_OFFICE();
        if (!fs::exists(kProgram)) GTEST_SKIP() << "the program is not built: " << kProgram;
        fs::create_directories(source_);
        fs::create_directories(temp_);
    }

    // Converts the fixtures windowless with the extra options; returns the run log.
    std::string Convert(const std::vector<std::string>& fixtures, const std::string& extra = "") {
        for (const auto& name : fixtures) fs::copy_file(kFixtures / name, source_ / name);
        const std::string options =
            "-P:Source=" + (source_ / "*.chm").string() + ",Target=" + target_.string() +
            ",PureConsole=1,LogFile=" + (target_ / "run.log").string() + extra;
        run("TMPDIR=" + shellQuoted(temp_) + " " + shellQuoted(kProgram) + " " +
            shellQuoted(options) + " >/dev/null 2>&1");
        std::ifstream log(target_ / "run.log");
        return std::string((std::istreambuf_iterator<char>(log)), std::istreambuf_iterator<char>());
    }
    std::string Pdf(const std::string& name) const { return (target_ / (name + ".pdf")).string(); }

    ScratchFolder scratch_{"quality"};
    fs::path source_ = scratch_.Path() / "source";
    fs::path target_ = scratch_.Path() / "target";
    fs::path temp_ = scratch_.Path() / "tmp";
};

std::vector<std::string> Titles(const std::vector<pdftest::PdfOutlineEntry>& entries) {
    std::vector<std::string> titles;
    for (const auto& entry : entries) titles.push_back(entry.Title);
    return titles;
}

pdftest::PdfHtmlFont FontOf(const pdftest::PdfHtmlLayout& layout, const std::string& text) {
    const auto fonts = layout.FontsOfText(text);
    return fonts.empty() ? pdftest::PdfHtmlFont{} : fonts.front();
}

// The first line of text a reader sees at a jump's place: the topmost text
// box of the target page that starts no higher than the place (with a
// little room for the line's own ascent).
std::string TextAtJump(const pdftest::PdfHtmlLayout& layout, const pdftest::PdfPosition& target) {
    if (target.Page < 0 || target.Page >= static_cast<int>(layout.Pages.size())) return "";
    const auto& page = layout.Pages[static_cast<std::size_t>(target.Page)];
    const double fromTop = target.Top ? page.Height - *target.Top : 0;
    const pdftest::PdfHtmlText* first = nullptr;
    for (const auto& text : layout.Texts) {
        if (text.Box.Page != page.Number || text.Box.Top < fromTop - 4) continue;
        if (first == nullptr || text.Box.Top < first->Box.Top) first = &text;
    }
    return first != nullptr ? first->Text : "";
}

TEST_F(PdfQuality, TheOutlineIsTheContentsTreeInCyrillicAndEachEntryJumpsToItsTopic) {
    const std::string log = Convert({"cyrillic-nocharset.chm"});
    ASSERT_NE(std::string::npos, log.find("Success =>")) << log;
    const pdftest::PdfDocument pdf(Pdf("cyrillic-nocharset"));
    const auto layout = pdftest::ReadPdfHtmlLayout(Pdf("cyrillic-nocharset"));
    const auto outline = pdf.Outline();

    using Strings = std::vector<std::string>;
    ASSERT_EQ(Titles(outline), (Strings{"Введение", "Глава 1", "Обзор", "Приложения"}));
    EXPECT_EQ(Titles(outline[1].Children), (Strings{"Раздел 1.1", "Раздел 1.2"}));
    EXPECT_EQ(Titles(outline[3].Children), (Strings{"Обзор ещё раз"}));
    for (std::size_t i : {0u, 2u}) EXPECT_TRUE(outline[i].Children.empty()) << outline[i].Title;

    // The first text at each place: the topic's heading, or for an entry
    // with an anchor the paragraph the anchor marks.
    const auto startsWith = [&](const pdftest::PdfOutlineEntry& entry, const std::string& text) {
        const std::string seen = TextAtJump(layout, entry.Target);
        EXPECT_EQ(0u, seen.find(text)) << entry.Title << " jumps to page " << entry.Target.Page
                                       << " where the text is \"" << seen << "\"";
    };
    startsWith(outline[0], "Введение");
    startsWith(outline[1], "Глава 1. Начало работы");
    startsWith(outline[1].Children[0], "Раздел 1.1. Установка");
    startsWith(outline[1].Children[1], "Параметры хранятся");
    startsWith(outline[2], "Обзор");
    startsWith(outline[3].Children[0], "Обзор");
    // A contents entry without a topic of its own jumps to its first child's.
    EXPECT_EQ(outline[3].Target.Page, outline[3].Children[0].Target.Page);
    EXPECT_EQ(outline[3].Target.Top, outline[3].Children[0].Target.Top);

    const auto info = pdf.Info();
    EXPECT_EQ("Справка: кириллица без объявления кодировки", info.Title);
    EXPECT_EQ(0u, info.Creator.find("Pellin Convertor ")) << info.Creator;
    EXPECT_EQ(0u, pdf.Language().find("ru")) << pdf.Language();
}

TEST_F(PdfQuality, TheOutlineOptionGivesHeadingsOrNoOutline) {
    Convert({"cyrillic-nocharset.chm"}, ",Outline=Headings");
    const auto headings = pdftest::PdfDocument(Pdf("cyrillic-nocharset")).Outline();
    std::vector<std::string> titles = Titles(headings);
    for (const auto& entry : headings)
        for (const auto& child : entry.Children) titles.push_back(child.Title);
    for (const char* heading : {"Введение", "Глава 1. Начало работы", "Раздел 1.1. Установка",
                                "Раздел 1.2. Настройка", "Обзор"})
        EXPECT_NE(titles.end(), std::find(titles.begin(), titles.end(), heading)) << heading;
    EXPECT_EQ(titles.end(), std::find(titles.begin(), titles.end(), "Приложения"))
        << "a contents entry in a heading outline";

    fs::remove_all(target_);
    fs::remove_all(source_);
    fs::create_directories(source_);
    const std::string log = Convert({"cyrillic-nocharset.chm"}, ",Outline=None");
    ASSERT_NE(std::string::npos, log.find("Success =>")) << log;
    EXPECT_TRUE(pdftest::PdfDocument(Pdf("cyrillic-nocharset")).Outline().empty());
}

TEST_F(PdfQuality, ABrokenOrMissingContentsFileGivesTheHeadingOutline) {
    const std::string log = Convert({"broken-toc.chm", "no-toc.chm"});
    EXPECT_EQ(2, std::count(log.begin(), log.end(), '\n')) << log;
    EXPECT_EQ(std::string::npos, log.find("Failure")) << log;

    const auto broken = pdftest::PdfDocument(Pdf("broken-toc")).Outline();
    ASSERT_EQ(Titles(broken), (std::vector<std::string>{"First heading", "Second heading"}));
    EXPECT_EQ(Titles(broken[0].Children), (std::vector<std::string>{"First subheading"}));
    EXPECT_NE(broken[0].Target.Page, -1);
    EXPECT_EQ(Titles(pdftest::PdfDocument(Pdf("no-toc")).Outline()),
              (std::vector<std::string>{"First", "Second"}));
}

TEST_F(PdfQuality, AWidePictureFitsTheTextAreaAndASmallOneKeepsItsSize) {
    const std::string log = Convert({"styled-pictures.chm"});
    ASSERT_NE(std::string::npos, log.find("Success =>")) << log;
    const pdftest::PdfDocument pdf(Pdf("styled-pictures"));
    const auto pictures = pdf.Pictures();
    ASSERT_FALSE(pictures.empty());
    ASSERT_EQ(2u, pictures[0].size()) << "the banner and the icon on the first page";
    const auto [banner, icon] = std::minmax(
        pictures[0][0], pictures[0][1],
        [](const auto& a, const auto& b) { return a.Right - a.Left > b.Right - b.Left; });

    // The text area, from the heading's left edge and a right-aligned line's
    // right edge (the office's HTML page has margins of its own, not equal).
    const auto layout = pdftest::ReadPdfHtmlLayout(Pdf("styled-pictures"));
    const auto textBox = [&](const std::string& text) {
        const auto found = std::find_if(layout.Texts.begin(), layout.Texts.end(),
                                        [&](const auto& box) { return box.Text == text; });
        return found != layout.Texts.end() ? found->Box : pdftest::PdfHtmlBox{};
    };
    const auto heading = textBox("Pictures");
    const auto rightAligned = textBox("Right edge of the text");
    ASSERT_GT(heading.Left, 0) << "the heading is missing";
    ASSERT_GT(rightAligned.Left, 0) << "the right-aligned line is missing";
    const auto page = pdf.PageBox(0);
    const double textLeft = page.Left + heading.Left;
    const double textRight = page.Left + rightAligned.Left + rightAligned.Width;
    const double textWidth = textRight - textLeft;
    ASSERT_GT(textWidth, 300);
    EXPECT_GE(banner.Left, textLeft - 1.5);
    EXPECT_LE(banner.Right, textRight + 1.5) << "the banner runs into the right margin";
    EXPECT_GE(banner.Right - banner.Left, 0.9 * textWidth) << "scaled to the text width";
    EXPECT_NEAR(8.0, (banner.Right - banner.Left) / (banner.Top - banner.Bottom), 0.1)
        << "the banner keeps its proportions";
    // 48 pixels at 96 per inch.
    EXPECT_NEAR(36.0, icon.Right - icon.Left, 1.5);
    EXPECT_NEAR(36.0, icon.Top - icon.Bottom, 1.5);
}

TEST_F(PdfQuality, ALinkedStyleSheetGivesItsFontFamilyAndColours) {
    const std::string log = Convert({"styled-pictures.chm"});
    ASSERT_NE(std::string::npos, log.find("Success =>")) << log;
    const auto layout = pdftest::ReadPdfHtmlLayout(Pdf("styled-pictures"));
    const auto fontOf = [&](const std::string& text) { return FontOf(layout, text); };
    const std::string body = fontOf("Plain body text").BaseFamily();
    EXPECT_NE(std::string::npos, body.find("Sans")) << body;
    EXPECT_EQ(std::string::npos, body.find("Serif")) << body;
    const std::string heading = fontOf("Styled heading").BaseFamily();
    EXPECT_EQ(std::string::npos, heading.find("Serif")) << "the heading takes the body's family";
    EXPECT_EQ("#1f7a3a", fontOf("Styled heading").Color);
    EXPECT_EQ("#c00000", fontOf("Save your work first").Color);
    EXPECT_EQ("#000000", fontOf("Plain body text").Color);
}

// Two topics whose sheets disagree on font, colour and heading size, and on
// which of two blocks to hide.
TEST_F(PdfQuality, EachTopicKeepsItsOwnSheetAndWhatItHidesIsNotPrinted) {
    const std::string log = Convert({"topic-styles.chm"});
    ASSERT_NE(std::string::npos, log.find("Success =>")) << log;
    const std::string text = pdfText(Pdf("topic-styles"));
    for (const char* hidden : {"hidden As BasicSyntax", "Expand All", "Sans topic hides"})
        EXPECT_EQ(std::string::npos, text.find(hidden)) << hidden;
    for (const char* shown : {"shown As CSharpSyntax", "Collapse All", "Sans topic shows"})
        EXPECT_NE(std::string::npos, text.find(shown)) << shown;
    const auto layout = pdftest::ReadPdfHtmlLayout(Pdf("topic-styles"));
    for (const char* serif : {"Serif heading", "Serif body text"}) {
        EXPECT_NE(std::string::npos, FontOf(layout, serif).BaseFamily().find("Serif")) << serif;
        EXPECT_EQ("#7a1f1f", FontOf(layout, serif).Color) << serif;
    }
    for (const char* sans : {"Sans heading", "Sans body text"}) {
        EXPECT_EQ(std::string::npos, FontOf(layout, sans).BaseFamily().find("Serif")) << sans;
        EXPECT_EQ("#1f3a7a", FontOf(layout, sans).Color) << sans;
    }
    EXPECT_NEAR(21.0, FontOf(layout, "Serif heading").Size, 1.5);  // 28 px
    EXPECT_NEAR(13.5, FontOf(layout, "Sans heading").Size, 1.5);   // 18 px
}

// The first text box holding `text`, or nullptr.
const pdftest::PdfHtmlText* BoxOf(const pdftest::PdfHtmlLayout& layout, const std::string& text) {
    for (const auto& box : layout.Texts)
        if (box.Text.find(text) != std::string::npos) return &box;
    return nullptr;
}

// A code block is one paragraph, its lines at the font's line height however
// its sheet pads and borders it; cells keep the borders their sheet draws; a
// column is never narrower than its longest word, and a table written wider
// than the page is made to fit it.
TEST_F(PdfQuality, CodeKeepsSingleSpacingAndTablesTheirBordersWordsAndMargins) {
    const std::string log = Convert({"code-tables.chm"});
    ASSERT_NE(std::string::npos, log.find("Success =>")) << log;
    const auto layout = pdftest::ReadPdfHtmlLayout(Pdf("code-tables"));
    for (const std::string listing : {"CodeLine", "SpacedLine"}) {
        const auto* one = BoxOf(layout, listing + "One");
        const auto* three = BoxOf(layout, listing + "Three");
        ASSERT_TRUE(one && three) << listing;
        ASSERT_EQ(one->Box.Page, three->Box.Page);
        EXPECT_LT((three->Box.Top - one->Box.Top) / 2, 1.3 * one->Box.Height)
            << listing << ": the lines are spaced apart";
    }

    EXPECT_TRUE(BoxOf(layout, "Controller.MultiplePropertyController"))
        << "the name is broken inside its column";
    const auto* end = BoxOf(layout, "RightCellEnd");
    ASSERT_TRUE(end);
    const double pageWidth = layout.Pages.front().Width;
    EXPECT_LE(end->Box.Left + end->Box.Width, pageWidth - 40) << "the table runs into the margin";

    // The red strokes of the bordered cell surround its text (PDF space
    // counts from the page's bottom).
    const auto* cell = BoxOf(layout, "BorderedCell");
    ASSERT_TRUE(cell);
    const pdftest::PdfDocument pdf(Pdf("code-tables"));
    // pdftohtml rounds its positions to whole points.
    const double boxTop = pdf.PageBox(cell->Box.Page - 1).Top - cell->Box.Top;
    const double top = boxTop - 1, bottom = boxTop - cell->Box.Height + 1;
    const double left = cell->Box.Left + 1, right = cell->Box.Left + cell->Box.Width - 1;
    bool above = false, below = false, before = false, after = false;
    const auto strokes = pdf.StrokedLines();
    for (const auto& line : strokes.at(static_cast<std::size_t>(cell->Box.Page - 1))) {
        if (line.Red < 0.6 || line.Green > 0.2 || line.Blue > 0.2) continue;
        const bool flat = std::abs(line.Y1 - line.Y2) < 0.5;
        const bool upright = std::abs(line.X1 - line.X2) < 0.5;
        const bool spansX =
            std::min(line.X1, line.X2) <= left && std::max(line.X1, line.X2) >= right;
        const bool spansY =
            std::min(line.Y1, line.Y2) <= bottom && std::max(line.Y1, line.Y2) >= top;
        above = above || (flat && spansX && line.Y1 >= top);
        below = below || (flat && spansX && line.Y1 <= bottom);
        before = before || (upright && spansY && line.X1 <= left);
        after = after || (upright && spansY && line.X1 >= right);
    }
    EXPECT_TRUE(above && below && before && after) << "the cell's border is incomplete";

    const auto places = pdf.NamedDestinations();
    ASSERT_TRUE(places.count("PellinTopic0") && places.count("PellinTopic1"));
    EXPECT_EQ(places.at("PellinTopic0").Page, places.at("PellinTopic1").Page)
        << "the second topic follows the first on its page";
}

// Topics of every length up to about two pages, each opened by a bold title
// division, every other one in a shaded band: wherever a title falls, its
// first line is on the same page.
TEST_F(PdfQuality, ATitleLineStaysOnThePageOfItsText) {
    std::vector<std::pair<std::string, std::string>> files;
    for (int lines = 1; lines <= 60; ++lines) {
        const std::string title =
            "<div class=\"title\" style=\"font-size: 150%; font-weight: "
            "bold; margin: 10px 2px\">Title" +
            std::to_string(lines) + "</div>";
        std::string page =
            "<html><body>" + (lines % 2 == 0 ? "<div style=\"background-color: #f9fafc; "
                                               "border-bottom: 1px solid #c4cfe5\">" +
                                                   title + "</div>"
                                             : title);
        page += "<p style=\"margin: 0\">First" + std::to_string(lines) + " line</p>";
        for (int line = 1; line < lines; ++line) page += "<p style=\"margin: 0\">filler</p>";
        files.emplace_back("t" + std::to_string(100 + lines) + ".htm", page + "</body></html>");
    }
    const fs::path chm = compileHelpFile(scratch_.Path(), "titles", files);
    if (chm.empty()) GTEST_SKIP() << "chmcmd (fp-utils) is missing or failed";
    fs::copy_file(chm, source_ / "titles.chm");
    ASSERT_NE(std::string::npos, Convert({}).find("Success =>"));
    const std::string text = pdfText(Pdf("titles"));
    ASSERT_GT(std::count(text.begin(), text.end(), '\f'), 2) << "several pages";
    const auto pageOf = [&text](const std::string& words) {
        const auto at = text.find(words + "\n");
        return at == std::string::npos ? -1 : std::count(text.begin(), text.begin() + at, '\f');
    };
    for (int lines = 1; lines <= 60; ++lines) {
        const std::string number = std::to_string(lines);
        ASSERT_GE(pageOf("Title" + number), 0) << number;
        EXPECT_EQ(pageOf("Title" + number), pageOf("First" + number + " line")) << number;
    }
}

TEST_F(PdfQuality, TopicPageBreakStartsEachTopicOnANewPage) {
    const std::string log = Convert({"code-tables.chm"}, ",TopicPageBreak=1");
    ASSERT_NE(std::string::npos, log.find("Success =>")) << log;
    const pdftest::PdfDocument apart(Pdf("code-tables"));
    const auto places = apart.NamedDestinations();
    ASSERT_TRUE(places.count("PellinTopic0") && places.count("PellinTopic1"));
    EXPECT_EQ(0, places.at("PellinTopic0").Page);
    EXPECT_EQ(1, places.at("PellinTopic1").Page);
    EXPECT_EQ(2, apart.PageCount()) << "no empty page";
}

}  // namespace
