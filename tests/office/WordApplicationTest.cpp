// The word processor as the converter drives it, member by member, through
// the automation layer; the PDF is checked with poppler-utils and qpdf.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include "OfficeTestSupport.h"
#include "convert/output/LinkedPictures.h"
#include "platform/automation/AutomationCreation.h"
#include "platform/office/OfficeServers.h"
#include "platform/pdf/QpdfFinisher.h"

using namespace officetest;
using platform::AutomationError;
using platform::ObjectRef;
using platform::Variant;
using platform::VariantList;

namespace {

const std::string kAlpha =
    "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=utf-8\">"
    "<style>h1 { color: #cc0000 }</style><title>A</title></head><body>"
    "<h1>Alpha topic</h1><p>Alpha body text. <a href=\"b.htm#second\">to beta second</a> "
    "<a href=\"http://example.com/page\">web page</a> <a href=\"mailto:x@example.com\">mail</a></p>"
    "<p><img src=\"pics/dot.png\" width=\"40\" height=\"40\"></p></body></html>";

std::string betaTopic() {
    std::string filler;
    for (int i = 0; i < 60; ++i) filler += "<p>Beta filler line " + std::to_string(i) + "</p>";
    // "Привет мир" in windows-1251
    return "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
           "charset=windows-1251\">"
           "</head><body><h1>Beta topic</h1><p>\xCF\xF0\xE8\xE2\xE5\xF2 \xEC\xE8\xF0</p>" +
           filler + "<h2><a name=\"second\">Second part</a></h2><p>Beta end</p></body></html>";
}

// "中文测试" in gb2312
const std::string kGamma =
    "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
    "charset=gb2312\"></head><body>"
    "<h1>Gamma topic</h1><p>\xD6\xD0\xCE\xC4\xB2\xE2\xCA\xD4</p>"
    "<p><a href=\"A.HTM\">back to alpha</a> <a href=\"missing.htm\">gone</a> <a "
    "href=\"#top\">top</a></p>"
    "</body></html>";

VariantList exportArguments(const std::string& target) {
    return {target, 17, false, 0, 0, 1, 1, 7, false, false, 1, false, true, false};
}

// The printers of a machine with exactly one installed.
class OnePrinter : public platform::PrinterList {
public:
    std::vector<std::string> installedPrinters() const override { return {"Office Laser"}; }
};

class NoPrinter : public platform::PrinterList {
public:
    std::vector<std::string> installedPrinters() const override { return {}; }
};

class WordApplicationTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!officeInstalled()) return;
        platform::office::RegisterOfficeServers({}, {}, std::make_shared<OnePrinter>());
        app_ = platform::CreateAutomationObject("Word.Application");
    }
    static void TearDownTestSuite() {
        if (app_) app_->call("Quit", {false});
        app_.reset();
    }
    void SetUp() override { SKIP_WITHOUT_OFFICE(); }

    ObjectRef addDocument() {
        return app_->get("Documents").toObject()->call("Add", {Variant::omitted()}).toObject();
    }
    void insert(const std::filesystem::path& file) {
        app_->get("Selection")
            .toObject()
            ->call("InsertFile", {file.string(), "", false, false, false});
    }
    // The picture types of the document's inline shapes, in order.
    static std::vector<std::int64_t> pictureTypes(const ObjectRef& document) {
        const auto shapes = document->get("InlineShapes").toObject();
        std::vector<std::int64_t> types;
        for (std::int64_t i = 1; i <= shapes->get("Count").toInt(); ++i)
            types.push_back(shapes->call("Item", {i}).toObject()->get("Type").toInt());
        return types;
    }

    static inline ObjectRef app_;
};

TEST_F(WordApplicationTest, TopicsBecomeOnePdfInOrderWithPictureOutlineAndScripts) {
    ScratchFolder folder("word");
    folder.Write("pics/dot.png", tinyPng());
    const auto a = folder.Write("a.htm", kAlpha);
    const auto b = folder.Write("b.htm", betaTopic());
    const auto c = folder.Write("c.htm", kGamma);
    const auto pdf = folder.Path() / "out.pdf";

    const auto document = addDocument();
    insert(a);
    insert(b);
    insert(c);
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / ".~lock.a.htm#"))
        << "reading a file writes nothing beside it";
    EXPECT_EQ(std::vector<std::int64_t>{4}, pictureTypes(document)) << "linked to its file";
    EXPECT_EQ(1, EmbedLinkedPictures(document));  // the converter's own picture step
    EXPECT_EQ(std::vector<std::int64_t>{3}, pictureTypes(document)) << "stored in the document";
    std::filesystem::remove_all(folder.Path() /
                                "pics");  // the folder goes before the export in a job
    document->call("ExportAsFixedFormat", exportArguments(pdf.string()));
    document->call("Close", {false});

    const std::string text = pdfText(pdf);
    EXPECT_TRUE(appearInOrder(text, {"Alpha topic", "Alpha body text", "Beta topic", "Привет мир",
                                     "Second part", "Gamma topic", "中文测试", "back to alpha"}))
        << text;
    EXPECT_EQ(1, pdfImageCount(pdf));
    const std::string fonts = pdfFonts(pdf);
    EXPECT_NE(std::string::npos, fonts.find("WenQuanYi"))
        << "Chinese needs a font that has its glyphs:\n"
        << fonts;
    EXPECT_GE(pdfOutlineCount(pdf), 4) << "one outline entry per heading";
}

TEST_F(WordApplicationTest, LinksBetweenTopicsStayInsideThePdf) {
    ScratchFolder folder("links");
    folder.Write("pics/dot.png", tinyPng());
    const auto pdf = folder.Path() / "links.pdf";
    const auto document = addDocument();
    insert(folder.Write("a.htm", kAlpha));
    insert(folder.Write("b.htm", betaTopic()));
    insert(folder.Write("c.htm", kGamma));
    document->call("ExportAsFixedFormat", exportArguments(pdf.string()));
    document->call("Close", {false});

    const std::string urls = pdfUrls(pdf);
    EXPECT_EQ(std::string::npos, urls.find("file:")) << urls;
    EXPECT_EQ(std::string::npos, urls.find(folder.Path().string())) << urls;
    EXPECT_NE(std::string::npos, urls.find("http://example.com/page")) << urls;
    EXPECT_NE(std::string::npos, urls.find("mailto:x@example.com")) << urls;
    // "to beta second" and "back to alpha" jump inside the document.
    EXPECT_GE(pdfInternalJumps(pdf), pdfOutlineCount(pdf) + 2);
}
// The archival export is the PDF/A-2b the options promise, also when tagged,
// and stays one once the finisher has given it its title and creator.
TEST_F(WordApplicationTest, AnArchivalExportIsPdfA2bAndStaysSoWhenFinished) {
    ScratchFolder folder("archive");
    const auto pdf = folder.Path() / "archive.pdf";
    const auto document = addDocument();
    insert(folder.Write("c.htm", kGamma));
    VariantList arguments = exportArguments(pdf.string());
    arguments[11] = true;  // tagged
    arguments[13] = true;  // archival
    document->call("ExportAsFixedFormat", arguments);
    document->call("Close", {false});

    platform::QpdfFinisher finisher;
    platform::PdfFinish finish;
    finish.Title = "Руководство & co";
    finish.Creator = "Pellin Convertor";
    const auto finished = folder.Path() / "finished.pdf";
    finisher.Finish(pdf.string(), finished.string(), finish);
    EXPECT_EQ(std::vector<std::string>{}, finisher.ArchiveProblems(finished.string()));
}

// Two converters may read the same file, and a killed office leaves its
// lock file behind: neither may keep the next office from reading it.
TEST_F(WordApplicationTest, AFileLockedByAnotherOfficeIsStillRead) {
    ScratchFolder folder("locked");
    const auto page = folder.Write("page.htm", "<html><body><h1>Locked page</h1></body></html>");
    folder.Write(".~lock.page.htm#", "Someone,else,otherhost,08.12.2026 10:00,file:///x;\n");
    const auto pdf = folder.Path() / "locked.pdf";
    const int held = ::open(page.c_str(), O_RDWR);
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    ASSERT_EQ(0, ::fcntl(held, F_SETLK, &lock));
    const auto document = addDocument();
    insert(page);
    ::close(held);
    document->call("ExportAsFixedFormat", exportArguments(pdf.string()));
    document->call("Close", {false});
    EXPECT_NE(std::string::npos, pdfText(pdf).find("Locked page"));
}

TEST_F(WordApplicationTest, AnswersTheApplicationMembersAndRefusesUnknownOnes) {
    EXPECT_GE(std::stoi(app_->get("Version").toText()), 7);
    app_->put("Visible", true);
    app_->put("WindowState", 2);
    app_->put("DisplayAlerts", 0);
    EXPECT_TRUE(app_->get("visible").toBool());
    EXPECT_EQ(2, app_->get("WindowState").toInt());
    EXPECT_TRUE(std::filesystem::is_directory(app_->get("Path").toText()));
    const auto options = app_->get("Options").toObject();
    options->put("UpdateFieldsAtPrint", false);
    options->put("UpdateLinksAtPrint", false);
    try {
        app_->call("NoSuchMember");
        FAIL() << "an unknown member must raise";
    } catch (const AutomationError& e) {
        EXPECT_EQ(AutomationError::memberNotFound().code(), e.code());
    }
    const auto document = addDocument();
    EXPECT_FALSE(document->get("HasVBProject").toBool());
    EXPECT_EQ(0, document->get("InlineShapes").toObject()->get("Count").toInt());
    EXPECT_THROW(document->call("ExportAsFixedFormat", {"/tmp/x.xps", 18}), AutomationError);
    document->call("Close", {false});
}

TEST_F(WordApplicationTest, OpensAnExistingFileReadOnlyAndExportsIt) {
    ScratchFolder folder("open");
    const auto page = folder.Write("page.htm", "<html><body><h1>Opened page</h1></body></html>");
    const auto pdf = folder.Path() / "opened.pdf";
    const auto documents = app_->get("Documents").toObject();
    const auto document =
        documents->call("Open", {page.string(), Variant::omitted(), true}).toObject();
    document->call("ExportAsFixedFormat", exportArguments(pdf.string()));
    document->call("Close", {false});
    EXPECT_NE(std::string::npos, pdfText(pdf).find("Opened page"));
    EXPECT_THROW(documents->call("Open", {(folder.Path() / "missing.doc").string()}),
                 AutomationError);
}

TEST_F(WordApplicationTest, OnlyAnInstalledPrinterCanBeMadeActive) {
    EXPECT_EQ("Office Laser", app_->get("ActivePrinter").toText());
    try {
        app_->put("ActivePrinter", "Adobe PDF");
        FAIL() << "a printer that is not installed must raise";
    } catch (const AutomationError& e) {
        EXPECT_NE(std::string::npos, std::string(e.what()).find("Adobe PDF"));
    }
    EXPECT_EQ("Office Laser", app_->get("ActivePrinter").toText());
    EXPECT_NO_THROW(app_->put("ActivePrinter", "Office Laser"));
}

// One file that hangs the office must not fail every later job of the thread.
TEST(WordApplicationRecovery, AStoppedOfficeIsReplacedForTheNextDocument) {
    SKIP_WITHOUT_OFFICE();
    platform::office::OfficeTimeouts timeouts;
    timeouts.load = std::chrono::milliseconds(1);
    platform::office::RegisterOfficeServers({}, timeouts, std::make_shared<NoPrinter>());
    ScratchFolder folder("recovery");
    const auto page = folder.Write("p.htm", "<html><body><p>x</p></body></html>");
    const auto app = platform::CreateAutomationObject("Word.Application");
    const auto documents = app->get("Documents").toObject();
    const auto first = documents->call("Add").toObject();
    try {
        app->get("Selection")
            .toObject()
            ->call("InsertFile", {page.string(), "", false, false, false});
        FAIL() << "the insertion overruns its limit";
    } catch (const AutomationError& e) {
        EXPECT_NE(std::string::npos, std::string(e.what()).find("was stopped")) << e.what();
    }
    first->call("Close", {false});  // must not raise into the caller's clean-up
    const auto second = documents->call("Add").toObject();
    const auto pdf = folder.Path() / "empty.pdf";
    second->call("ExportAsFixedFormat", exportArguments(pdf.string()));
    EXPECT_EQ(1, pdfPageCount(pdf)) << "an empty document is one blank page";
    app->call("Quit", {false});
}

TEST(WordApplicationPrinting, WithoutAnyPrinterPrintingFails) {
    SKIP_WITHOUT_OFFICE();
    platform::office::RegisterOfficeServers({}, {}, std::make_shared<NoPrinter>());
    const auto app = platform::CreateAutomationObject("Word.Application");
    EXPECT_EQ("", app->get("ActivePrinter").toText());
    const auto document = app->get("Documents").toObject()->call("Add").toObject();
    EXPECT_THROW(document->call("PrintOut", {false, false, 0}), AutomationError);
    app->call("Quit", {false});
}

}  // namespace
