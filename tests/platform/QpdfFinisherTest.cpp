#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <functional>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>

#include "PdfBuilder.h"
#include "PdfDocument.h"
#include "PdfScratch.h"
#include "SmallDisk.h"
#include "platform/pdf/QpdfFinisher.h"

using pdftest::PdfBuilder;
using pdftest::PdfDocument;
using platform::PdfFinish;
using Outline = std::vector<platform::PdfOutlineItem>;
using Form = PdfBuilder::DestinationForm;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::StartsWith;

namespace {

// An XMP packet as LibreOffice writes it into a PDF/A file.
const char* const kOfficeXmp =
    "<?xpacket begin=\"\xef\xbb\xbf\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>\n"
    "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n"
    " <rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
    "  <rdf:Description rdf:about=\"\" xmlns:pdfaid=\"http://www.aiim.org/pdfa/ns/id/\">\n"
    "   <pdfaid:part>2</pdfaid:part>\n"
    "   <pdfaid:conformance>B</pdfaid:conformance>\n"
    "  </rdf:Description>\n"
    "  <rdf:Description rdf:about=\"\" xmlns:dc=\"http://purl.org/dc/elements/1.1/\">\n"
    "   <dc:title>\n"
    "    <rdf:Alt>\n"
    "     <rdf:li xml:lang=\"x-default\">Doc</rdf:li>\n"
    "    </rdf:Alt>\n"
    "   </dc:title>\n"
    "   <dc:language><rdf:Bag><rdf:li>en-US</rdf:li></rdf:Bag></dc:language>\n"
    "  </rdf:Description>\n"
    "  <rdf:Description rdf:about=\"\" xmlns:pdf=\"http://ns.adobe.com/pdf/1.3/\">\n"
    "   <pdf:Producer>LibreOffice 7.4</pdf:Producer>\n"
    "  </rdf:Description>\n"
    " </rdf:RDF>\n"
    "</x:xmpmeta>\n"
    "<?xpacket end=\"w\"?>";

// A TrueType font named `name` in `resources`, with its program in the file
// or without.
void AddFont(QPDF& pdf, QPDFObjectHandle resources, const std::string& name, bool embedded) {
    auto descriptor =
        QPDFObjectHandle::parse("<< /Type /FontDescriptor /FontName /" + name + " >>");
    if (embedded) descriptor.replaceKey("/FontFile2", pdf.newStream("glyphs"));
    auto font =
        QPDFObjectHandle::parse("<< /Type /Font /Subtype /TrueType /BaseFont /" + name + " >>");
    font.replaceKey("/FontDescriptor", pdf.makeIndirectObject(descriptor));
    if (!resources.getKey("/Font").isDictionary())
        resources.replaceKey("/Font", QPDFObjectHandle::newDictionary());
    resources.getKey("/Font").replaceKey("/" + name, pdf.makeIndirectObject(font));
}

std::string FailureOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const std::runtime_error& error) {
        return error.what();
    }
    return "(no failure)";
}

}  // namespace

class QpdfFinisher : public PdfScratch {
protected:
    template <class Builder>
    std::string Office(Builder&& builder) {
        builder.Write(File("office.pdf"));
        return File("office.pdf");
    }
    platform::QpdfFinisher finisher;
};

TEST_F(QpdfFinisher, SetsTitleCreatorAndLanguageKeepsTheProducerAndWhatIsLeftEmpty) {
    const auto input = Office(std::move(
        PdfBuilder(1).SetInfo("/Title", "Office title").SetInfo("/Producer", "LibreOffice 7.4")));
    PdfFinish finish;
    finish.Title = "Руководство 用户指南";
    finish.Creator = "Pellin Convertor";
    finish.Language = "ru-RU";
    finisher.Finish(input, File("out.pdf"), finish);
    const PdfDocument pdf(File("out.pdf"));
    EXPECT_EQ(pdf.Info().Title, "Руководство 用户指南");
    EXPECT_EQ(pdf.Info().Creator, "Pellin Convertor");
    EXPECT_EQ(pdf.Info().Producer, "LibreOffice 7.4");
    EXPECT_EQ(pdf.Language(), "ru-RU");
    EXPECT_TRUE(pdf.DisplaysDocTitle());

    // Empty values keep what the office wrote.
    const auto kept =
        Office(std::move(PdfBuilder(1)
                             .SetInfo("/Title", "Office title")
                             .SetInfo("/Creator", "Writer")
                             .SetCatalogEntry("/Lang", QPDFObjectHandle::newString("de-DE"))));
    finisher.Finish(kept, File("kept.pdf"), PdfFinish{});
    const PdfDocument unchanged(File("kept.pdf"));
    EXPECT_EQ(unchanged.Info().Title, "Office title");
    EXPECT_EQ(unchanged.Info().Creator, "Writer");
    EXPECT_EQ(unchanged.Language(), "de-DE");
    EXPECT_FALSE(unchanged.DisplaysDocTitle());
}

// The metadata packet is kept in step with the document information, and
// the archive check reads the file as finished: the packet must declare
// PDF/A-2b and repeat the new title and creator, and the file must be
// unencrypted PDF 1.7 at most with every font embedded, also in forms.
TEST_F(QpdfFinisher, MetadataFollowsTheInformationAndTheArchiveCheckReadsItBack) {
    PdfBuilder office(1);
    office.SetInfo("/Title", "Doc").SetMetadata(kOfficeXmp);
    office.AddPicture(0, {10, 10, 50, 50}, true);
    AddFont(office.Pdf(), office.Page(0).getKey("/Resources"), "Sans", true);
    const auto input = Office(std::move(office));
    EXPECT_THAT(finisher.ArchiveProblems(input),
                ElementsAre("its XMP metadata has no xmp:CreatorTool"));
    PdfFinish finish;
    finish.Title = "Tom & Jerry <Глава>";
    finish.Creator = "Pellin Convertor";
    finish.Language = "ru-RU";
    finisher.Finish(input, File("out.pdf"), finish);
    EXPECT_THAT(finisher.ArchiveProblems(File("out.pdf")), ElementsAre());
    const std::string xmp = PdfDocument(File("out.pdf")).Metadata();
    EXPECT_THAT(xmp, HasSubstr("<dc:title><rdf:Alt><rdf:li xml:lang=\"x-default\">Tom &amp; "
                               "Jerry &lt;Глава&gt;</rdf:li></rdf:Alt></dc:title>"));
    EXPECT_THAT(xmp, HasSubstr("<xmp:CreatorTool>Pellin Convertor</xmp:CreatorTool>"));
    EXPECT_THAT(xmp, HasSubstr("xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\""));
    EXPECT_THAT(xmp, HasSubstr("<dc:language><rdf:Bag><rdf:li>ru-RU</rdf:li></rdf:Bag>"));
    EXPECT_THAT(xmp, HasSubstr("<pdfaid:part>2</pdfaid:part>"));
    EXPECT_THAT(xmp, StartsWith("<?xpacket begin="));
    EXPECT_EQ(xmp.find(">Doc<"), std::string::npos);
    // The packet stays readable as it stands, with a line end before "endstream".
    QPDF raw;
    raw.processFile(File("out.pdf").c_str());
    EXPECT_FALSE(raw.getRoot().getKey("/Metadata").getDict().hasKey("/Filter"));
    EXPECT_THAT(Bytes(File("out.pdf")), HasSubstr("<?xpacket end=\"w\"?>\nendstream"));

    std::string firstPart = kOfficeXmp;
    firstPart.replace(firstPart.find(">2<"), 3, ">1<");
    firstPart.replace(firstPart.find(">B<"), 3, ">A<");
    PdfBuilder bad(1);
    bad.SetInfo("/Title", "Doc").SetInfo("/Creator", "Writer").SetMetadata(firstPart);
    bad.AddPicture(0, {10, 10, 50, 50}, true);
    QPDFObjectHandle form = bad.Page(0).getKey("/Resources").getKey("/XObject").getKey("/X0");
    AddFont(bad.Pdf(), form.getDict().getKey("/Resources"), "Symbol", false);
    const std::string badPath = File("bad.pdf");  // the writer keeps the name it is given
    QPDFWriter writer(bad.Pdf(), badPath.c_str());
    writer.forcePDFVersion("2.0");
    writer.setR6EncryptionParameters("", "owner", true, true, true, true, true, true, qpdf_r3p_full,
                                     false);
    writer.write();
    EXPECT_THAT(finisher.ArchiveProblems(File("bad.pdf")),
                ElementsAre("its XMP metadata says pdfaid:part \"1\" instead of \"2\"",
                            "its XMP metadata says pdfaid:conformance \"A\" instead of \"B\"",
                            "its XMP metadata has no xmp:CreatorTool",
                            "it is PDF 2.0, part 2 allows up to 1.7", "it is encrypted",
                            "the font Symbol is not embedded"));
}

TEST_F(QpdfFinisher, DamagedInputFailsClearlyAndWritesNothing) {
    const auto good = Office(PdfBuilder(3).AddNamedDestination("a", 1, 10));
    const std::string bytes = Bytes(good);
    WriteBytes(File("truncated.pdf"), bytes.substr(0, bytes.size() / 2));
    WriteBytes(File("garbage.pdf"), "%PDF-1.4\n\x01\x02 this is not a PDF at all \xff\xfe");
    WriteBytes(File("empty.pdf"), "");
    for (const char* name : {"truncated.pdf", "garbage.pdf", "empty.pdf"}) {
        SCOPED_TRACE(name);
        PdfFinish finish;
        finish.Outline = Outline{{"A", "a", {}}};
        EXPECT_THAT(FailureOf([&] { finisher.Finish(File(name), File("out.pdf"), finish); }),
                    StartsWith("The PDF written by the office is damaged: "));
        EXPECT_THAT(FailureOf([&] { finisher.Inspect(File(name)); }),
                    StartsWith("The PDF written by the office is damaged: "));
        EXPECT_FALSE(std::filesystem::exists(File("out.pdf")));
    }
    EXPECT_EQ(FilesInFolder(), 4u);  // nothing left beside the inputs
}

TEST_F(QpdfFinisher, MissingFolderOrPipeAsInputFailsWithoutBlocking) {
    EXPECT_EQ(FailureOf([&] { finisher.Inspect(File("missing.pdf")); }),
              "Cannot read " + File("missing.pdf") + ": The file does not exist.");
    EXPECT_EQ(FailureOf([&] { finisher.Finish(dir.string(), File("out.pdf"), {}); }),
              "Cannot read " + dir.string() + ": It is not a regular file.");
    ASSERT_EQ(::mkfifo(File("pipe").c_str(), 0600), 0);
    EXPECT_THAT(FailureOf([&] { finisher.Inspect(File("pipe")); }), StartsWith("Cannot read "));
}

TEST_F(QpdfFinisher, UnwritableOutputFailsNamingThePathAndLeavesNothingBehind) {
    const auto input = Office(PdfBuilder(1));
    EXPECT_EQ(FailureOf([&] { finisher.Finish(input, File("no-folder/out.pdf"), {}); }),
              "Cannot write out.pdf in " + File("no-folder") + ": No such file or directory");
    EXPECT_EQ(FailureOf([&] { finisher.Finish(input, File("office.pdf/out.pdf"), {}); }),
              "Cannot write out.pdf in " + File("office.pdf") + ": Not a directory");
    std::filesystem::create_directory(File("a-folder"));
    EXPECT_THAT(FailureOf([&] { finisher.Finish(input, File("a-folder"), {}); }),
                StartsWith("Cannot write a-folder in " + dir.string() + ": "));
    EXPECT_EQ(FilesInFolder(), 2u);  // the input and the folder, no partial file
    EXPECT_TRUE(std::filesystem::is_empty(File("a-folder")));
}

// On a full disk the user's old file stays as it was, and the failure says
// why, naming the file and its folder.
TEST_F(QpdfFinisher, AFullDiskKeepsTheOldOutputAndSaysSo) {
    const auto input = Office(PdfBuilder(3));
    std::filesystem::create_directory(File("disk"));
    testsupport::SmallDisk disk(File("disk"), 256 * 1024);
    if (!disk.Mounted()) GTEST_SKIP() << "a small disk needs root";
    const std::string old = Bytes(input) + "the user's old copy";
    WriteBytes(File("disk/out.pdf"), old);
    disk.Fill("filler");
    EXPECT_EQ(FailureOf([&] { finisher.Finish(input, File("disk/out.pdf"), {}); }),
              "Cannot write out.pdf in " + File("disk") + ": No space left on device");
    EXPECT_EQ(Bytes(File("disk/out.pdf")), old);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(File("disk")), {}), 2);
}

TEST_F(QpdfFinisher, ReplacesAnExistingOutputAndMayWriteOverItsInput) {
    const auto input = Office(PdfBuilder(2));
    WriteBytes(File("out.pdf"), "old contents");
    PdfFinish finish;
    finish.Title = "New";
    finisher.Finish(input, File("out.pdf"), finish);
    EXPECT_EQ(PdfDocument(File("out.pdf")).Info().Title, "New");
    finisher.Finish(input, input, finish);
    EXPECT_EQ(PdfDocument(input).Info().Title, "New");
    EXPECT_EQ(PdfDocument(input).PageCount(), 2);
    EXPECT_EQ(FilesInFolder(), 2u);
}

TEST_F(QpdfFinisher, InspectCountsPagesAndListsNamedDestinationsOfBothForms) {
    const auto input = Office(std::move(PdfBuilder(4)
                                            .AddNamedDestination("zeta", 3, 100)
                                            .AddNamedDestination("alpha", 0, 100, Form::NameTree)
                                            .AddNamedDestination("mid", 1, 100)
                                            .AddNamedDestination("beta", 2, 100, Form::NameTree)));
    const auto facts = finisher.Inspect(input);
    EXPECT_EQ(facts.Pages, 4);
    EXPECT_EQ(facts.NamedDestinations, (std::vector<std::string>{"alpha", "beta", "mid", "zeta"}));
}

TEST_F(QpdfFinisher, HostileStructuresNeitherCrashNorPrint) {
    PdfBuilder builder(2);
    builder.AddNamedDestination("good", 1, 50);
    // A name tree whose only kid is itself, and destinations that are no arrays.
    QPDF& pdf = builder.Pdf();
    QPDFObjectHandle loop = pdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
    loop.replaceKey("/Kids", QPDFObjectHandle::newArray({loop}));
    QPDFObjectHandle names = QPDFObjectHandle::newDictionary();
    names.replaceKey("/Dests", loop);
    builder.SetCatalogEntry("/Names", names);
    pdf.getRoot().getKey("/Dests").replaceKey("/number", QPDFObjectHandle::newInteger(7));
    pdf.getRoot().getKey("/Dests").replaceKey(
        "/short", QPDFObjectHandle::newArray({QPDFObjectHandle::newInteger(1)}));
    builder.SetInfo("/Title", "x");
    pdf.getTrailer().replaceKey("/Info", QPDFObjectHandle::newInteger(3));
    pdf.getRoot().getKey("/Pages").replaceKey("/Count", QPDFObjectHandle::newString("many"));
    // A form whose resources hold the form itself.
    builder.AddPicture(0, {10, 10, 20, 20}, true);
    QPDFObjectHandle form = builder.Page(0).getKey("/Resources").getKey("/XObject").getKey("/X0");
    form.getDict().getKey("/Resources").getKey("/XObject").replaceKey("/Self", form);
    const auto input = Office(std::move(builder));

    PdfFinish finish;
    finish.Title = "T \xff\xc3";  // not UTF-8
    finish.Outline = Outline{{"loop", "loop", {}},
                             {"number", "number", {}},
                             {"short \xe2\x82", "short", {}},
                             {"good", "good", {}}};
    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    EXPECT_NO_THROW(finisher.Finish(input, File("out.pdf"), finish));
    EXPECT_EQ(finisher.Inspect(input).Pages, 2);  // counted without the tree's /Count
    EXPECT_THAT(finisher.ArchiveProblems(File("out.pdf")), ElementsAre("it has no XMP metadata"));
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    const PdfDocument out(File("out.pdf"));
    ASSERT_EQ(out.Outline().size(), 2u);  // "short" names a page by number: kept by name
    EXPECT_EQ(out.Outline().back().Title, "good");
    EXPECT_EQ(out.Outline().back().Target.Page, 1);
    EXPECT_EQ(out.Info().Title.substr(0, 2), "T ");
}

// A book exported in parts: the pages in order, every part's names and
// links (one forward within a part, which a copy made page by page loses),
// the addresses that stand for places of another part made jumps, and the
// icon each part has a copy of stored once.
TEST_F(QpdfFinisher, JoinedPartsKeepPagesNamesAndLinksAndPartAddressesBecomeJumps) {
    const std::string prefix = "https://pellin.invalid/#";
    const std::string first = File("part-1.pdf"), second = File("part-2.pdf");
    PdfBuilder(2)
        .AddNamedDestination("one", 1, 700)
        .AddLink(0, {10, 10, 50, 20}, 1, 500)
        .AddUriLink(0, {10, 30, 50, 40}, prefix + "two")
        .AddUriLink(1, {10, 10, 50, 20}, prefix + "nowhere")
        .AddUriLink(1, {10, 30, 50, 40}, "https://example.org/")
        .SetOutline({"Office heading"}, 0)
        .AddPicture(0, {0, 0, 9, 9})
        .Write(first);
    PdfBuilder(2)
        .AddNamedDestination("two", 1, 300, Form::NameTree)
        .AddLink(0, {10, 10, 50, 20}, 1, 400)
        .AddUriLink(1, {10, 10, 50, 20}, prefix + "one")
        .AddPicture(0, {0, 0, 9, 9})
        .AddPicture(1, {0, 0, 9, 9})
        .Write(second);
    PdfFinish finish;
    finish.PlaceAddressPrefix = prefix;
    finish.Outline = Outline{{"Two", "two", {}}};
    finisher.Join({first, second}, File("joined.pdf"));
    finisher.Finish(File("joined.pdf"), File("out.pdf"), finish);

    const PdfDocument pdf(File("out.pdf"));
    ASSERT_EQ(pdf.PageCount(), 4);
    const auto names = pdf.NamedDestinations();
    EXPECT_EQ(names.at("one").Page, 1);
    EXPECT_EQ(names.at("two").Page, 3);
    const auto links = pdf.Links();
    auto landing = [&](int page, std::size_t link) {
        const auto& target = links[page].at(link).Target;
        return std::to_string(target.Page) + "@" + std::to_string(static_cast<int>(*target.Top));
    };
    ASSERT_EQ(links[0].size(), 2u);
    EXPECT_EQ(landing(0, 0), "1@500");
    EXPECT_EQ(landing(0, 1), "3@300");
    ASSERT_EQ(links[1].size(), 1u);  // the place no part has is no link
    EXPECT_EQ(links[1][0].Uri, "https://example.org/");
    EXPECT_EQ(landing(2, 0), "3@400");
    EXPECT_EQ(landing(3, 0), "1@700");
    ASSERT_EQ(pdf.Outline().size(), 1u);
    EXPECT_EQ(pdf.Outline()[0].Target.Page, 3);

    QPDF written;
    written.processFile(File("out.pdf").c_str());
    auto pages = QPDFPageDocumentHelper(written).getAllPages();
    auto pictureOn = [&](int page) {
        auto pictures = pages[page].getObjectHandle().getKey("/Resources").getKey("/XObject");
        return pictures.getKey(*pictures.getKeys().begin()).getObjGen();
    };
    EXPECT_EQ(pictureOn(2), pictureOn(0));
    EXPECT_EQ(pictureOn(3), pictureOn(0));
}
