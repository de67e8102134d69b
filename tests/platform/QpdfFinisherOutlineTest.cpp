#include <gtest/gtest.h>

#include <qpdf/QPDF.hh>

#include "PdfBuilder.h"
#include "PdfDocument.h"
#include "PdfScratch.h"
#include "platform/pdf/OfficeDestinationName.h"
#include "platform/pdf/PdfOutlineBuilder.h"
#include "platform/pdf/QpdfFinisher.h"

using pdftest::PdfBuilder;
using pdftest::PdfDocument;
using pdftest::PdfOutlineEntry;
using platform::PdfFinish;
using Outline = std::vector<platform::PdfOutlineItem>;
using platform::PdfOutlineItem;
using Form = PdfBuilder::DestinationForm;

namespace {

// Titles and nesting as "title>page@top" lines, children indented.
void Describe(const std::vector<PdfOutlineEntry>& entries, const std::string& indent,
              std::string& out) {
    for (const auto& entry : entries) {
        out += indent + entry.Title + ">" + std::to_string(entry.Target.Page);
        if (entry.Target.Top) out += "@" + std::to_string(static_cast<int>(*entry.Target.Top));
        out += "\n";
        Describe(entry.Children, indent + "  ", out);
    }
}

std::string Describe(const std::vector<PdfOutlineEntry>& entries) {
    std::string out;
    Describe(entries, "", out);
    return out;
}

}  // namespace

class QpdfFinisherOutline : public PdfScratch {
protected:
    // Three pages with destinations in both forms and an outline of the office's own.
    std::string Source() {
        const std::string path = File("office.pdf");
        PdfBuilder(3)
            .AddNamedDestination("intro", 0, 800)
            .AddNamedDestination("glava", 1, 500, Form::NameTree)
            .AddNamedDestination("chapter-zh", 2, 300)
            .AddNamedDestination("cafe", 2, 120, Form::NameTree)
            .SetOutline({"Office heading 1", "Office heading 2"}, 0)
            .Write(path);
        return path;
    }
    PdfDocument Finished(const std::vector<PdfOutlineItem>& outline) {
        PdfFinish finish;
        finish.Outline = outline;
        platform::QpdfFinisher().Finish(Source(), File("out.pdf"), finish);
        return PdfDocument(File("out.pdf"));
    }
};

TEST_F(QpdfFinisherOutline, ReplacesTheOfficeOutlineWithTitlesNestingAndPositions) {
    const auto pdf =
        Finished({{"Введение",
                   "intro",
                   {{"第一章 概述", "chapter-zh", {}}, {"Café crème brûlée", "cafe", {}}}},
                  {"Глава 2", "glava", {}}});
    EXPECT_EQ(Describe(pdf.Outline()),
              "Введение>0@800\n"
              "  第一章 概述>2@300\n"
              "  Café crème brûlée>2@120\n"
              "Глава 2>1@500\n");
    EXPECT_EQ(pdf.PageMode(), "/UseOutlines");
    EXPECT_EQ(pdf.PageCount(), 3);
}

TEST_F(QpdfFinisherOutline, EntriesJumpToExplicitPositionsAndTitlesUseTheShortestEncoding) {
    Finished({{"Café", "intro", {}}, {"Глава", "glava", {}}});
    QPDF raw;
    raw.processFile(File("out.pdf").c_str());
    QPDFObjectHandle first = raw.getRoot().getKey("/Outlines").getKey("/First");
    QPDFObjectHandle dest = first.getKey("/Dest");
    ASSERT_TRUE(dest.isArray());
    ASSERT_EQ(dest.getArrayNItems(), 5);
    EXPECT_TRUE(dest.getArrayItem(0).isPageObject());
    EXPECT_TRUE(dest.getArrayItem(1).isNameAndEquals("/XYZ"));
    EXPECT_TRUE(dest.getArrayItem(4).isNull());  // the reader keeps its zoom
    // Latin-1 letters fit PDFDocEncoding; Cyrillic needs UTF-16 with its mark.
    EXPECT_EQ(first.getKey("/Title").getStringValue(), "Caf\xe9");
    EXPECT_EQ(first.getKey("/Next").getKey("/Title").getStringValue().substr(0, 2), "\xfe\xff");
    EXPECT_EQ(raw.getRoot().getKey("/Outlines").getKey("/Last").getObjGen(),
              first.getKey("/Next").getObjGen());
}

TEST_F(QpdfFinisherOutline, MissingDestinationsFallBackToTheFirstChildOrDropTheEntry) {
    const auto pdf = Finished({
        {"Part",
         "missing",
         {{"No topic", "", {}}, {"Child", "glava", {}}, {"Second", "intro", {}}}},
        {"Lonely", "nowhere", {}},
        {"Empty heading", "", {{"Gone", "nope", {}}}},
        {"Deep", "", {{"Middle", "", {{"Leaf", "cafe", {}}}}}},
        {"", "intro", {}},
    });
    EXPECT_EQ(Describe(pdf.Outline()),
              "Part>1@500\n"
              "  Child>1@500\n"
              "  Second>0@800\n"
              "Deep>2@120\n"
              "  Middle>2@120\n"
              "    Leaf>2@120\n"
              ">0@800\n");
}

TEST_F(QpdfFinisherOutline, AnOutlineWithNothingLeftRemovesTheOfficeOne) {
    const auto pdf = Finished({{"Lonely", "nowhere", {}}});
    EXPECT_TRUE(pdf.Outline().empty());
    EXPECT_NE(pdf.PageMode(), "/UseOutlines");
}

TEST_F(QpdfFinisherOutline, NoOutlineGivenKeepsTheOfficeOne) {
    platform::QpdfFinisher().Finish(Source(), File("out.pdf"), PdfFinish{});
    const auto outline = PdfDocument(File("out.pdf")).Outline();
    ASSERT_EQ(outline.size(), 2u);
    EXPECT_EQ(outline[0].Title, "Office heading 1");
}

TEST_F(QpdfFinisherOutline, TopLevelIsOpenOnlyWhenItHasFewEntries) {
    const std::vector<PdfOutlineItem> chapters = {{"a", "glava", {{"a1", "cafe", {}}}},
                                                  {"b", "intro", {}}};
    auto pdf = Finished({{"Book", "intro", chapters}, {"Appendix", "cafe", {}}});
    auto outline = pdf.Outline();
    ASSERT_EQ(outline.size(), 2u);
    EXPECT_EQ(outline[0].Count, 2);               // open: its two chapters show
    EXPECT_EQ(outline[0].Children[0].Count, -1);  // deeper entries start closed
    EXPECT_EQ(outline[1].Count, 0);

    std::vector<PdfOutlineItem> many;
    for (std::size_t i = 0; i <= platform::OpenTopLevelAtMost; ++i)
        many.push_back({"Book " + std::to_string(i), "intro", chapters});
    outline = Finished(many).Outline();
    ASSERT_EQ(outline.size(), platform::OpenTopLevelAtMost + 1);
    for (const auto& entry : outline) EXPECT_EQ(entry.Count, -2);
    QPDF raw;
    raw.processFile(File("out.pdf").c_str());
    EXPECT_EQ(raw.getRoot().getKey("/Outlines").getKey("/Count").getIntValue(),
              static_cast<long long>(many.size()));
}

TEST_F(QpdfFinisherOutline, NestingBeyondTheDepthLimitIsFlattenedKeepingEveryTitle) {
    PdfOutlineItem deepest{"level " + std::to_string(platform::MaxOutlineDepth + 5), "intro", {}};
    for (int level = platform::MaxOutlineDepth + 4; level >= 0; --level)
        deepest = PdfOutlineItem{"level " + std::to_string(level), "intro", {deepest}};
    auto outline = Finished({deepest}).Outline();
    int depth = 0;
    int titles = 0;
    const std::vector<PdfOutlineEntry>* level = &outline;
    while (!level->empty()) {
        ++depth;
        titles += static_cast<int>(level->size());
        level = &level->back().Children;
    }
    EXPECT_EQ(depth, platform::MaxOutlineDepth);
    EXPECT_EQ(titles, platform::MaxOutlineDepth + 6);
}

TEST_F(QpdfFinisherOutline, BookmarksAreFoundUnderTheNamesTheOfficeGivesThem) {
    const std::string path = File("office.pdf");
    PdfBuilder(2)
        .AddNamedDestination(platform::OfficeDestinationName("Глава 1"), 1, 700)
        .AddNamedDestination(platform::OfficeDestinationName("topic.htm#frag"), 0, 400)
        .Write(path);
    PdfFinish finish;
    finish.Outline = Outline{{"Глава 1", "Глава 1", {}}, {"Topic", "topic.htm#frag", {}}};
    platform::QpdfFinisher().Finish(path, File("out.pdf"), finish);
    EXPECT_EQ(Describe(PdfDocument(File("out.pdf")).Outline()), "Глава 1>1@700\nTopic>0@400\n");
}

TEST(OfficeDestinationName, MatchesWhatLibreOfficeWritesForItsBookmarks) {
    using platform::OfficeDestinationName;
    EXPECT_EQ(OfficeDestinationName("intro-2"), "intro-2");
    EXPECT_EQ(OfficeDestinationName("Глава 1"), "25D0259325D025BB25D025B025D025B225D025B025201");
    EXPECT_EQ(OfficeDestinationName("章节"), "25E725AB25A025E8258A2582");
    EXPECT_EQ(OfficeDestinationName("with blank"), "with2520blank");
    EXPECT_EQ(OfficeDestinationName("café#x"), "caf25C325A92523x");
    EXPECT_EQ(OfficeDestinationName("topic.htm#frag"), "topic2Ehtm2523frag");
    EXPECT_EQ(OfficeDestinationName("a!b\"c_d%e<f"), "a21b2522c5Fd2525e253Cf");
}
