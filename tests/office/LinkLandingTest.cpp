// Where internal links land in the PDF. Three topics each hold an anchor of
// the same name and a link to it; every link must land on its own topic's
// anchor (the page and the height of the anchor's text), never on the first
// topic's: once with the topics joined into a book, as the converter does,
// and once with each topic inserted into the document on its own.

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "OfficeTestSupport.h"
#include "PdfDocument.h"
#include "PdfHtmlLayout.h"
#include "convert/book/AnchorNames.h"
#include "convert/book/BookBuilder.h"
#include "convert/chm/TopicPathResolver.h"
#include "convert/chm/TvxFileUtils.h"
#include "platform/automation/AutomationCreation.h"
#include "platform/office/OfficeServers.h"
#include "platform/pdf/QpdfFinisher.h"

using namespace officetest;
using platform::ObjectRef;
using platform::Variant;

namespace {

constexpr int kTopics = 3;

// A topic of about a page and a half: a link near its top to the anchor
// "part" near the end of topic `to` (its own by default).
std::string topic(int n, int to = 0) {
    const std::string name = std::to_string(n), target = std::to_string(to == 0 ? n : to);
    const std::string address = to == 0 ? "#part" : "t" + target + ".htm#part";
    std::string html = "<html><head><title>T" + name + "</title></head><body><h1>Topic " + name +
                       "</h1><p><img src=\"icon.gif\" alt=\"*\"><a href=\"" + address + "\">jump " +
                       target + "</a></p>";
    for (int i = 0; i < 45; ++i) html += "<p>Filler " + name + "." + std::to_string(i) + "</p>";
    html += "<p><a name=\"part\">Landing " + name + "</a></p><p>After " + name + "</p>";
    return html + "</body></html>";
}

const pdftest::PdfHtmlText& textBox(const pdftest::PdfHtmlLayout& layout, const std::string& text) {
    for (const auto& box : layout.Texts)
        if (box.Text.find(text) != std::string::npos) return box;
    throw std::runtime_error("no text \"" + text + "\" in the PDF");
}

// The internal link drawn over a text box (positions from the page's top).
std::optional<pdftest::PdfLink> linkOver(const pdftest::PdfDocument& pdf,
                                         const pdftest::PdfHtmlBox& box) {
    const auto links = pdf.Links();
    const int page = box.Page - 1;
    const double height = pdf.PageBox(page).Top;
    for (const auto& link : links.at(static_cast<std::size_t>(page))) {
        const double top = height - link.Rect.Top, bottom = height - link.Rect.Bottom;
        const bool overlaps = top <= box.Top + box.Height + 2 && bottom >= box.Top - 2 &&
                              link.Rect.Left <= box.Left + box.Width + 2 &&
                              link.Rect.Right >= box.Left - 2;
        if (overlaps && link.Target.Page >= 0) return link;
    }
    return std::nullopt;
}

// Inserts the files into a new document, one after the other, and exports it.
void exportPdf(const std::vector<std::filesystem::path>& files, const std::string& pdf) {
    platform::office::RegisterOfficeServers();
    const ObjectRef app = platform::CreateAutomationObject("Word.Application");
    const ObjectRef document =
        app->get("Documents").toObject()->call("Add", {Variant::omitted()}).toObject();
    for (const auto& file : files)
        app->get("Selection")
            .toObject()
            ->call("InsertFile", {file.string(), "", false, false, false});
    document->call("ExportAsFixedFormat",
                   {pdf, 17, false, 0, 0, 1, 1, 7, false, false, 1, false, true, false});
    document->call("Close", {false});
    app->call("Quit", {false});
}

void expectEachJumpLandsOnItsTopicsAnchor(const std::string& pdfFile) {
    const pdftest::PdfDocument pdf(pdfFile);
    const auto layout = pdftest::ReadPdfHtmlLayout(pdfFile);
    for (int n = 1; n <= kTopics; ++n) {
        const std::string name = std::to_string(n);
        SCOPED_TRACE("topic " + name);
        const auto& jump = textBox(layout, "jump " + name);
        const auto& landing = textBox(layout, "Landing " + name);
        const auto link = linkOver(pdf, jump.Box);
        ASSERT_TRUE(link.has_value()) << "no internal link over \"jump " << name << "\"";
        EXPECT_EQ(landing.Box.Page - 1, link->Target.Page);
        ASSERT_TRUE(link->Target.Top.has_value()) << "the jump names no height";
        const double landsAt = pdf.PageBox(link->Target.Page).Top - *link->Target.Top;
        // The reader scrolls to the anchor's line: its top, give or take a line.
        EXPECT_LT(std::abs(landsAt - landing.Box.Top), 30.0)
            << "lands " << landsAt << " pt from the top, the anchor's text is at "
            << landing.Box.Top;
    }
}

}  // namespace

TEST(LinkLanding, JumpsInTheBookLandOnTheirOwnTopicsAnchorAtItsHeight) {
    SKIP_WITHOUT_OFFICE();
    ScratchFolder job("landing-book");
    std::vector<std::string> topics;
    for (int n = 1; n <= kTopics; ++n)
        topics.push_back(job.Write("t" + std::to_string(n) + ".htm", topic(n)).string());
    const TopicPathResolver resolver(job.Path().string());
    const Book book = BookBuilder(resolver, "WINDOWS-1252", [](const std::string& path) {
                          return TvxFileUtils::ReadFileText(path);
                      }).Build(topics, job / "#pellin-book.html");
    ASSERT_EQ(3u, book.Included.size());
    exportPdf({book.Path}, job / "landing.pdf");
    expectEachJumpLandsOnItsTopicsAnchor(job / "landing.pdf");
}

// A book in parts, each exported on its own and joined: a jump to a topic
// of another part lands on its anchor, as in one document.
TEST(LinkLanding, JumpsBetweenPartsOfTheBookLandOnTheirAnchorOnceJoined) {
    SKIP_WITHOUT_OFFICE();
    ScratchFolder job("landing-parts");
    static const char kIcon[] =
        "GIF89a\x01\0\x01\0\x80\0\0\0\0\0\xff\xff\xff!\xf9\x04\x01\0\0\0\0,\0\0\0\0\x01\0\x01"
        "\0\0\x02\x02\x44\x01\0;";
    job.Write("icon.gif", std::string(kIcon, sizeof kIcon - 1));
    std::vector<std::string> topics;
    for (int n = 1; n <= kTopics; ++n)
        topics.push_back(
            job.Write("t" + std::to_string(n) + ".htm", topic(n, n % kTopics + 1)).string());
    const TopicPathResolver resolver(job.Path().string());
    BookBuilder builder(resolver, "WINDOWS-1252",
                        [](const std::string& path) { return TvxFileUtils::ReadFileText(path); });
    builder.Parts = {1, 0};
    const Book book = builder.Build(topics, job / "#pellin-book.html");
    ASSERT_EQ(static_cast<std::size_t>(kTopics), book.Parts.size());
    std::vector<std::string> pdfs;
    for (const std::string& part : book.Parts) {
        pdfs.push_back(part + ".pdf");
        exportPdf({part}, pdfs.back());
    }
    platform::PdfFinish finish;
    finish.PlaceAddressPrefix = kPlaceAddress;
    platform::QpdfFinisher finisher;
    finisher.Join(pdfs, job / "joined.pdf");
    finisher.Finish(job / "joined.pdf", job / "landing.pdf", finish);
    expectEachJumpLandsOnItsTopicsAnchor(job / "landing.pdf");
}

// Inserted one by one, each topic brings an anchor of the same name: every
// jump still lands on its own topic's anchor.
TEST(LinkLanding, JumpsInTopicsInsertedOneByOneLandOnTheirOwnTopicsAnchor) {
    SKIP_WITHOUT_OFFICE();
    ScratchFolder folder("landing");
    std::vector<std::filesystem::path> files;
    for (int n = 1; n <= kTopics; ++n)
        files.push_back(folder.Write("t" + std::to_string(n) + ".htm", topic(n)));
    exportPdf(files, folder / "landing.pdf");
    expectEachJumpLandsOnItsTopicsAnchor(folder / "landing.pdf");
}
