// The finisher on PDFs LibreOffice writes: bookmarks exported as named
// destinations become the outline, and a PDF/A file's metadata follows the
// new document information. Pins the names LibreOffice gives bookmarks.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "OfficeTestSupport.h"
#include "PdfDocument.h"
#include "platform/pdf/OfficeDestinationName.h"
#include "platform/pdf/QpdfFinisher.h"

namespace fs = std::filesystem;
using officetest::ScratchFolder;
using officetest::shellQuoted;
using Outline = std::vector<platform::PdfOutlineItem>;
using ::testing::Contains;
using ::testing::HasSubstr;

namespace {

const char* const kBookmarkedPage =
    "<html><head><meta charset=\"utf-8\"><title>Office title</title></head><body>\n"
    "<h1><a name=\"intro\"></a>Introduction</h1><p>First page.</p>\n"
    "<h2><a name=\"Глава 1\"></a>Глава</h2><p>Текст.</p>\n"
    "<h2><a name=\"章节 二\"></a>章节</h2><p>文字。</p>\n"
    "<p style=\"page-break-before: always\"><a name=\"topic.htm#frag\"></a>Second page.</p>\n"
    "</body></html>\n";

// Converts `html` with the bookmarks kept as named destinations; `options`
// are further filter options in the same JSON form.
std::string ExportPdf(const ScratchFolder& scratch, const std::string& html,
                      const std::string& options) {
    const std::string filter =
        "pdf:writer_pdf_Export:{\"ExportBookmarksToPDFDestination\":{\"type\":\"boolean\","
        "\"value\":\"true\"}" +
        options + "}";
    officetest::run("timeout 300 " PELLIN_OFFICE_PROGRAM_DIR "/soffice -env:UserInstallation=" +
                    shellQuoted("file://" + (scratch.Path() / "profile").string()) +
                    " --headless --convert-to " + shellQuoted(filter) + " --outdir " +
                    shellQuoted(scratch.Path() / "out") + " " + shellQuoted(html) +
                    " >/dev/null 2>&1");
    return (scratch.Path() / "out" / "page.pdf").string();
}

}  // namespace

TEST(PdfFinisherOnOfficeOutput, BookmarksBecomeTheOutlineAndMetadataFollows) {
    SKIP_WITHOUT_OFFICE();
    ScratchFolder scratch("finisher");
    const auto html = scratch.Write("page.html", kBookmarkedPage).string();
    const std::string exported = ExportPdf(scratch, html, "");
    ASSERT_TRUE(fs::exists(exported)) << "LibreOffice wrote no PDF";

    platform::QpdfFinisher finisher;
    const auto facts = finisher.Inspect(exported);
    EXPECT_EQ(facts.Pages, 2);
    EXPECT_THAT(facts.NamedDestinations, Contains("intro"));
    EXPECT_THAT(facts.NamedDestinations, Contains("25D0259325D025BB25D025B025D025B225D025B025201"));
    EXPECT_THAT(facts.NamedDestinations, Contains(platform::OfficeDestinationName("章节 二")));
    EXPECT_THAT(facts.NamedDestinations, Contains("topic2Ehtm2523frag"));

    platform::PdfFinish finish;
    finish.Title = "Руководство";
    finish.Creator = "Pellin Convertor";
    finish.Outline =
        Outline{{"Introduction", "intro", {{"Глава", "Глава 1", {}}, {"章节", "章节 二", {}}}},
                {"Second page", "topic.htm#frag", {}}};
    const std::string finished = (scratch.Path() / "finished.pdf").string();
    finisher.Finish(exported, finished, finish);
    const pdftest::PdfDocument pdf(finished);
    const auto outline = pdf.Outline();
    ASSERT_EQ(outline.size(), 2u);
    ASSERT_EQ(outline[0].Children.size(), 2u);
    EXPECT_EQ(outline[0].Target.Page, 0);
    EXPECT_EQ(outline[0].Children[0].Title, "Глава");
    EXPECT_EQ(outline[0].Children[0].Target.Page, 0);
    EXPECT_EQ(outline[0].Children[1].Target.Page, 0);
    // Each heading lies below the one before it on the page.
    EXPECT_GT(outline[0].Target.Top.value_or(0), outline[0].Children[0].Target.Top.value_or(0));
    EXPECT_GT(outline[0].Children[0].Target.Top.value_or(0),
              outline[0].Children[1].Target.Top.value_or(0));
    EXPECT_EQ(outline[1].Target.Page, 1);
    EXPECT_EQ(pdf.Info().Title, "Руководство");
    EXPECT_THAT(pdf.Info().Producer, HasSubstr("LibreOffice"));

    // A PDF/A export carries the title in its XMP packet too.
    fs::remove(exported);
    const std::string archived =
        ExportPdf(scratch, html, ",\"SelectPdfVersion\":{\"type\":\"long\",\"value\":\"2\"}");
    ASSERT_TRUE(fs::exists(archived)) << "LibreOffice wrote no PDF/A file";
    finisher.Finish(archived, finished, finish);
    const std::string xmp = pdftest::PdfDocument(finished).Metadata();
    EXPECT_THAT(xmp, HasSubstr("<rdf:li xml:lang=\"x-default\">Руководство</rdf:li>"));
    EXPECT_THAT(xmp, HasSubstr("<xmp:CreatorTool>Pellin Convertor</xmp:CreatorTool>"));
    EXPECT_THAT(xmp, HasSubstr("<pdfaid:part>2</pdfaid:part>"));
}
