// The PDF reading helpers other tests rely on: what they report must match
// what was put into the file.
#include <gtest/gtest.h>

#include "PdfBuilder.h"
#include "PdfDocument.h"
#include "PdfHtmlLayout.h"
#include "PdfScratch.h"

using pdftest::PdfBuilder;
using pdftest::PdfDocument;
using pdftest::PdfRect;

namespace {

void ExpectBox(const PdfRect& box, double left, double bottom, double right, double top) {
    EXPECT_NEAR(box.Left, left, 0.01);
    EXPECT_NEAR(box.Bottom, bottom, 0.01);
    EXPECT_NEAR(box.Right, right, 0.01);
    EXPECT_NEAR(box.Top, top, 0.01);
}

}  // namespace

class PdfDocumentReading : public PdfScratch {};

TEST_F(PdfDocumentReading, PicturesAreFoundWhereTheyAreDrawnAlsoThroughForms) {
    PdfBuilder(2)
        .AddPicture(0, {100, 200, 300, 250})
        .AddPicture(1, {50, 60, 90, 160}, true)
        .AddPicture(1, {-20, 700, 700, 900})
        .Write(File("p.pdf"));
    const PdfDocument pdf(File("p.pdf"));
    const auto pictures = pdf.Pictures();
    ASSERT_EQ(pictures.size(), 2u);
    ASSERT_EQ(pictures[0].size(), 1u);
    ExpectBox(pictures[0][0], 100, 200, 300, 250);
    ASSERT_EQ(pictures[1].size(), 2u);
    ExpectBox(pictures[1][0], 50, 60, 90, 160);
    ExpectBox(pictures[1][1], -20, 700, 700, 900);
    ExpectBox(pdf.PageBox(1), 0, 0, PdfBuilder::PageWidth, PdfBuilder::PageHeight);
}

TEST_F(PdfDocumentReading, LinksTellWhereTheyLandOrWhereTheyLeadOut) {
    PdfBuilder(3)
        .AddLink(0, {10, 20, 110, 40}, 2, 333)
        .AddUriLink(0, {10, 50, 110, 70}, "https://example.org/a?b=c")
        .AddLink(2, {1, 2, 3, 4}, 0, 800)
        .Write(File("l.pdf"));
    const auto links = PdfDocument(File("l.pdf")).Links();
    ASSERT_EQ(links.size(), 3u);
    ASSERT_EQ(links[0].size(), 2u);
    ExpectBox(links[0][0].Rect, 10, 20, 110, 40);
    EXPECT_EQ(links[0][0].Target.Page, 2);
    EXPECT_DOUBLE_EQ(links[0][0].Target.Top.value_or(-1), 333);
    EXPECT_EQ(links[0][1].Uri, "https://example.org/a?b=c");
    EXPECT_EQ(links[0][1].Target.Page, -1);
    EXPECT_TRUE(links[1].empty());
    EXPECT_EQ(links[2][0].Target.Page, 0);
}

TEST_F(PdfDocumentReading, NamedDestinationsOfBothFormsResolveToPageAndHeight) {
    PdfBuilder(2)
        .AddNamedDestination("dict", 1, 640)
        .AddNamedDestination("tree", 0, 320, PdfBuilder::DestinationForm::NameTree)
        .SetOutline({"Old"}, 1)
        .Write(File("d.pdf"));
    const PdfDocument pdf(File("d.pdf"));
    const auto named = pdf.NamedDestinations();
    ASSERT_EQ(named.size(), 2u);
    EXPECT_EQ(named.at("dict").Page, 1);
    EXPECT_DOUBLE_EQ(named.at("dict").Top.value_or(-1), 640);
    EXPECT_EQ(named.at("tree").Page, 0);
    EXPECT_EQ(pdf.Resolve(QPDFObjectHandle::newName("/dict")).Page, 1);
    EXPECT_EQ(pdf.Resolve(QPDFObjectHandle::newString("tree")).Page, 0);
    ASSERT_EQ(pdf.Outline().size(), 1u);
    EXPECT_EQ(pdf.Outline()[0].Target.Page, 1);
    EXPECT_FALSE(pdf.Outline()[0].Target.Top);  // a /Fit destination names no height
}

TEST(PdfHtmlXml, ReadsPagesFontsPicturesAndTexts) {
    const auto layout = pdftest::ParsePdfHtmlXml(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!DOCTYPE pdf2xml SYSTEM \"pdf2xml.dtd\">\n"
        "<pdf2xml producer=\"poppler\" version=\"22.12.0\">\n"
        "<page number=\"1\" position=\"absolute\" top=\"0\" left=\"0\" height=\"841\" "
        "width=\"595\">\n"
        "\t<fontspec id=\"0\" size=\"12\" family=\"BAAAAA+LiberationSerif\" color=\"#c00000\"/>\n"
        "<image top=\"28\" left=\"57\" width=\"150\" height=\"75\" src=\"a=b/out-1_1.png\"/>\n"
        "<text top=\"117\" left=\"57\" width=\"57\" height=\"16\" font=\"0\"><b>Tom &amp; "
        "J&#233;rry &#x416;</b></text>\n"
        "</page>\n</pdf2xml>\n");
    ASSERT_EQ(layout.Pages.size(), 1u);
    EXPECT_EQ(layout.Pages[0].Height, 841);
    ASSERT_EQ(layout.Fonts.size(), 1u);
    EXPECT_EQ(layout.Fonts[0].BaseFamily(), "LiberationSerif");
    EXPECT_EQ(layout.Fonts[0].Color, "#c00000");
    ASSERT_EQ(layout.Images.size(), 1u);
    EXPECT_EQ(layout.Images[0].Page, 1);
    EXPECT_EQ(layout.Images[0].Left + layout.Images[0].Width, 207);
    ASSERT_EQ(layout.Texts.size(), 1u);
    EXPECT_EQ(layout.Texts[0].Text, "Tom & Jérry Ж");
    ASSERT_EQ(layout.FontsOfText("Jérry").size(), 1u);
    EXPECT_EQ(layout.FontsOfText("Jérry")[0].Size, 12);
}

TEST_F(PdfDocumentReading, PdftohtmlSeesThePicturesOfAFileAndAFileThatIsNoPdfFailsBothReaders) {
    PdfBuilder(1).AddPicture(0, {100, 500, 300, 600}).Write(File("p.pdf"));
    const auto layout = pdftest::ReadPdfHtmlLayout(File("p.pdf"));
    ASSERT_EQ(layout.Pages.size(), 1u);
    ASSERT_EQ(layout.Images.size(), 1u);
    EXPECT_NEAR(layout.Images[0].Left, 100, 1);
    EXPECT_NEAR(layout.Images[0].Top, PdfBuilder::PageHeight - 600, 1);
    EXPECT_NEAR(layout.Images[0].Width, 200, 1);
    EXPECT_THROW(pdftest::ReadPdfHtmlLayout(File("missing.pdf")), std::runtime_error);
    WriteBytes(File("x.pdf"), "not a pdf");
    EXPECT_THROW(PdfDocument(File("x.pdf")), std::runtime_error);
}
