#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>
#include <sstream>

#include "FakeAutomation.h"
#include "FakePdfFinisher.h"
#include "ScratchFolder.h"
#include "SmallDisk.h"
#include "batch/TvxBatch.h"
#include "convert/job/TvxPellin.h"
#include "core/TvxProject.h"
#include "platform/registry/DevicesRegistry.h"
#include "platform/registry/FileRegistry.h"
#include "platform/registry/MemoryRegistry.h"

namespace fs = std::filesystem;
using platform::RegistryRoot;

namespace {

std::string ReadText(const fs::path& file) { return testsupport::ReadBytes(file); }

void WriteText(const fs::path& file, const std::string& text) {
    fs::create_directories(file.parent_path());
    testsupport::WriteBytes(file, text);
}

std::string TocOf(const std::vector<std::string>& locals) {
    std::string toc = "<HTML><BODY><UL>\n";
    for (const std::string& local : locals)
        toc += "<LI><OBJECT type=\"text/sitemap\"><param name=\"Local\" value=\"" + local +
               "\"></OBJECT>\n";
    return toc + "</UL></BODY></HTML>\n";
}

class Printers : public platform::PrinterList {
public:
    std::vector<std::string> names;
    std::vector<std::string> installedPrinters() const override { return names; }
};

// One CHM job in a scratch folder: in/guide.chm is converted to out/guide.pdf.
// The "decompiler" is a script that copies the prepared pages/ folder into
// the job's temporary folder and notes which folder that was.
class PellinConvert : public ::testing::Test {
protected:
    void SetUp() override {
        vxProject = &project;
        project.TargetExt = ".pdf";
        project.ShortName = "pellin";
        previousRegistry = platform::SetProcessRegistry(&registry);
        printers.names = {"Office_Laser", "Adobe PDF"};

        fs::create_directories(root / "in");
        fs::create_directories(root / "out");
        fs::create_directories(root / "pages");
        WriteText(source, "ITSF not really a CHM");
        const fs::path script = root / "decompile";
        WriteText(script, "#!/bin/sh\npwd > '" + (root / "cwd").string() + "'\ncp -R '" +
                              (root / "pages").string() + "/.' .\n");
        fs::permissions(script, fs::perms::owner_all);
        setPages(
            {{"toc.hhc", TocOf({"a.htm", "b.htm"})}, {"a.htm", "<p>A</p>"}, {"b.htm", "<p>B</p>"}});

        batch.SourceDir = (root / "in").string() + "/";
        batch.TargetDir = (root / "out").string() + "/";
        batch.AddFile(source.string());
        node = batch.LockNodes().front().get();
        batch.UnlockNodes();
        install([](fake::OfficeSetup&) {});
    }

    void TearDown() override {
        converter.reset();
        WaitForTempFolderRemovals(std::chrono::seconds(10));
        platform::SetProcessRegistry(previousRegistry);
        vxProject = nullptr;
        fs::remove_all(root);
    }

    void setPages(const std::vector<std::pair<std::string, std::string>>& files) {
        fs::remove_all(root / "pages");
        fs::create_directories(root / "pages");
        for (const auto& [name, text] : files) WriteText(root / "pages" / name, text);
    }

    // The export, the service manager and the PDF printer all fail.
    void installWithEveryRouteFailing() {
        install([](fake::OfficeSetup& s) {
            s.exportFails = true;
            s.storeFails = true;
            s.printFails = true;
        });
    }
    template <class Change>
    void install(Change change) {
        fake::OfficeSetup setup;
        setup.printers = {"Office_Laser", "Adobe PDF"};
        change(setup);
        converter.reset();  // quits the word processor of the previous office
        office.reset();     // its registrations go before the new ones are made
        office = std::make_unique<fake::FakeOffice>(setup);
        converter = std::make_unique<TvxPellin>(&batch, 1, TvxNodeEvent());
        converter->DecompileSettings.HelpProgram = (root / "decompile").string();
        converter->DecompileSettings.SearchWait = std::chrono::milliseconds(5);
        converter->PrinterWait.Sleep = [](std::chrono::milliseconds) {};
        converter->Finisher = &finisher;
    }

    void convert() {
        converter->ConvertFile(&batch, node);
        converter->CloseDocument();
    }

    std::string tempFolder() const {
        std::string folder = ReadText(root / "cwd");
        while (!folder.empty() && (folder.back() == '\n' || folder.back() == '\r'))
            folder.pop_back();
        return folder;
    }

    bool tempFolderRemoved() const {
        WaitForTempFolderRemovals(std::chrono::seconds(10));
        const std::string folder = tempFolder();
        return !folder.empty() && !fs::exists(folder);
    }

    int count(const std::string& entry) const {
        const auto entries = office->log()->entries();
        return static_cast<int>(std::count(entries.begin(), entries.end(), entry));
    }

    std::string quoted(const fs::path& path) const { return "\"" + path.string() + "\""; }

    // The hidden files a job writes beside its target; none may stay.
    std::vector<std::string> hiddenInTarget() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(root / "out"))
            if (entry.path().filename().string().front() == '.')
                names.push_back(entry.path().filename().string());
        return names;
    }

    // The argument the document's export was given (the file the office wrote).
    std::string exportedTo() const {
        const auto calls = office->log()->startingWith("doc.Export");
        if (calls.empty()) return {};
        const auto open = calls.front().find('"');
        return calls.front().substr(open + 1, calls.front().find('"', open + 1) - open - 1);
    }

    const fs::path root =
        fs::temp_directory_path() /
        ("pellin-convert-" + std::to_string(::getpid()) + "-" +
         std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
    const fs::path source = root / "in" / "guide.chm";
    const fs::path target = root / "out" / "guide.pdf";
    TvxProject project;
    platform::MemoryRegistry store;
    Printers printers;
    platform::DevicesRegistry registry{store, printers};
    platform::Registry* previousRegistry = nullptr;
    TvxBatch batch;
    TvxNode* node = nullptr;
    std::unique_ptr<fake::FakeOffice> office;
    fake::FakePdfFinisher finisher;
    std::unique_ptr<TvxPellin> converter;
};

}  // namespace

TEST_F(PellinConvert, WordExportsTheTopicsJoinedIntoOneDocument) {
    // A drawing reaches the book as a file, which the office is asked to store.
    setPages({{"toc.hhc", TocOf({"a.htm", "b.htm"})},
              {"a.htm", "<p>A</p>"},
              {"b.htm", "<p>B</p><p><img src=\"plan.svg\"></p>"},
              {"plan.svg", "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"9\"/>"}});
    install([](fake::OfficeSetup& s) { s.inlineShapeTypes = {4, 1, 4}; });
    convert();

    EXPECT_EQ(node->Status, TvxNode::Done) << node->ResultText;
    EXPECT_EQ(node->ResultText, target.string());
    EXPECT_EQ(batch.Successes, 1);
    const std::string pdf = ReadText(target);
    EXPECT_LT(pdf.find("></a>A</p>"), pdf.find("></a>B</p>"));
    EXPECT_NE(pdf.find("name=\"PellinTopic1\""), std::string::npos);

    const std::string temp = tempFolder();
    EXPECT_EQ(office->log()->startingWith("selection."),
              (std::vector<std::string>{"selection.InsertFile(\"" + temp +
                                        "/#pellin-book.html\", \"\", false, false, false)"}));
    EXPECT_EQ(office->log()->startingWith("link"),
              (std::vector<std::string>{"link1.SavePictureWithDocument = true",
                                        "link3.SavePictureWithDocument = true"}));
    // The office writes under a hidden name beside the target, which then
    // replaces the target in one move.
    const std::string written = exportedTo();
    EXPECT_EQ(fs::path(written).parent_path(), root / "out");
    EXPECT_TRUE(fs::path(written).filename().string().starts_with(".pellin-"));
    EXPECT_EQ(office->log()->startingWith("doc.ExportAsFixedFormat"),
              (std::vector<std::string>{"doc.ExportAsFixedFormat(" + quoted(written) +
                                        ", 17, false, 0, 0, 1, 1, 7, false, false, 1, false, "
                                        "true, false)"}));
    EXPECT_TRUE(hiddenInTarget().empty());
    EXPECT_EQ(finisher.last.Title, "guide");
    EXPECT_TRUE(finisher.archiveChecked.empty());
    EXPECT_EQ(count("doc.Close(false)"), 1);
    EXPECT_TRUE(tempFolderRemoved());
}

// Icons the book carries are stored by the office's load: no picture step.
TEST_F(PellinConvert, ABookCarryingAllItsPicturesNeedsNoPictureStep) {
    const std::string icon("GIF89a\x01\0\x01\0\0\0\0", 13);
    setPages({{"toc.hhc", TocOf({"a.htm", "b.htm"})},
              {"a.htm", "<p><img src=\"m.gif\">A</p>"},
              {"b.htm", "<p><img src=\"m.gif\">B</p>"},
              {"m.gif", icon}});
    install([](fake::OfficeSetup& s) { s.inlineShapeTypes = {4, 4}; });
    convert();

    EXPECT_EQ(node->Status, TvxNode::Done) << node->ResultText;
    EXPECT_EQ(office->log()->startingWith("link"), std::vector<std::string>{});
    EXPECT_EQ(node->Timings.find("pictures"), std::string::npos) << node->Timings;
    EXPECT_NE(node->Timings.find("export"), std::string::npos) << node->Timings;
}

// Many pictures: each part of the book is a document of its own, exported
// apart and joined by the finisher; the links between parts are addresses
// it turns back into jumps. When a part cannot be exported, the parts go
// into one document.
TEST_F(PellinConvert, ABookOfManyPicturesIsExportedInPartsAndJoined) {
    const std::string icon("GIF89a\x01\0\x01\0\0\0\0", 13);
    setPages({{"toc.hhc",
               "<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"A\">"
               "<param name=\"Local\" value=\"a.htm\"></OBJECT>"
               "<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"B\">"
               "<param name=\"Local\" value=\"b.htm\"></OBJECT></UL>"},
              {"a.htm", "<p><img src=\"m.gif\">A <a href=\"b.htm\">on</a></p>"},
              {"b.htm", "<p><img src=\"m.gif\">B <a href=\"a.htm\">back</a></p>"},
              {"m.gif", icon}});
    install([](fake::OfficeSetup& s) { s.inlineShapeTypes = {4}; });
    converter->Parts = {1, 0};
    convert();

    ASSERT_EQ(node->Status, TvxNode::Done) << node->ResultText;
    const std::string temp = tempFolder();
    EXPECT_EQ(office->log()->startingWith("selection."),
              (std::vector<std::string>{"selection.InsertFile(\"" + temp +
                                            "/#pellin-book.html\", \"\", false, false, false)",
                                        "selection.InsertFile(\"" + temp +
                                            "/#pellin-book-2.html\", \"\", false, false, false)"}));
    EXPECT_EQ(count("doc.Close(false)"), 2);
    EXPECT_EQ(finisher.joinedParts, 2u);
    EXPECT_EQ(finisher.last.PlaceAddressPrefix, "https://pellin.invalid/#");
    const std::string pdf = ReadText(target);
    EXPECT_LT(pdf.find("name=\"PellinTopic0\""), pdf.find("name=\"PellinTopic1\""));
    EXPECT_NE(pdf.find("href=\"https://pellin.invalid/#PellinTopic1\""), std::string::npos);
    EXPECT_NE(pdf.find("href=\"https://pellin.invalid/#PellinTopic0\""), std::string::npos);
    EXPECT_TRUE(hiddenInTarget().empty());
    EXPECT_TRUE(tempFolderRemoved());

    install([](fake::OfficeSetup& s) {
        s.inlineShapeTypes = {4};
        s.exportFailsUnlessHolding = "B ";
    });
    converter->Parts = {1, 0};
    finisher.joinedParts = 0;
    fs::remove(target);
    convert();
    ASSERT_EQ(node->Status, TvxNode::Done) << node->ResultText;
    EXPECT_EQ(finisher.joinedParts, 0u);
    const std::string whole = ReadText(target);
    EXPECT_LT(whole.find("name=\"PellinTopic0\""), whole.find("name=\"PellinTopic1\""));
}

TEST_F(PellinConvert, WpsExportsWithItsOwnOneArgumentCall) {
    install([](fake::OfficeSetup& s) { s.wordInstalled = false; });
    convert();

    EXPECT_EQ(node->Status, TvxNode::Done);
    EXPECT_EQ(office->log()->startingWith("doc.Export"),
              (std::vector<std::string>{"doc.ExportPdf(" + quoted(exportedTo()) + ")"}));
}

// The service manager is handed the raw help file, as the fallback is
// written; what it makes of those bytes holds none of the topics and is not
// taken for the PDF, so the next fallback runs.
TEST_F(PellinConvert, AServiceManagerPdfOfTheRawHelpFileIsNoSuccess) {
    install([](fake::OfficeSetup& s) { s.exportFails = true; });
    convert();

    EXPECT_EQ(count("desktop.loadComponentFromURL(\"file://" + source.string() +
                    "\", \"_blank\", 0, [])"),
              1);
    EXPECT_EQ(office->log()->startingWith("doc.PrintOut"),
              (std::vector<std::string>{"doc.PrintOut(false, false, 0)"}));
    EXPECT_EQ(node->Status, TvxNode::Done);  // printing started counts, as written
    EXPECT_FALSE(fs::exists(target));        // the driver writes it, not the job
    EXPECT_TRUE(hiddenInTarget().empty());
}

TEST_F(PellinConvert, PrintingIsTheLastFallbackAndRestoresTheActivePrinter) {
    store.createKey(RegistryRoot::CurrentUser, "Software\\Adobe\\Acrobat PDFWriter");
    bool lockedDuringPrint = false;
    install([&](fake::OfficeSetup& s) {
        s.exportFails = true;
        s.storeFails = true;
        s.onPrintOut = [&] {
            auto other = std::async(std::launch::async, [&] {
                const bool free = batch.SharedLock()->try_lock();
                if (free) batch.SharedLock()->unlock();
                return free;
            });
            lockedDuringPrint = !other.get();
        };
    });
    convert();

    EXPECT_EQ(node->Status, TvxNode::Done);
    EXPECT_EQ(node->ResultText, target.string());
    EXPECT_TRUE(lockedDuringPrint);
    EXPECT_EQ(office->activePrinter(), "Office_Laser");
    EXPECT_EQ(office->log()->startingWith("app.ActivePrinter"),
              (std::vector<std::string>{"app.ActivePrinter", "app.ActivePrinter = \"Adobe PDF\"",
                                        "app.ActivePrinter = \"Office_Laser\""}));
    EXPECT_EQ(office->log()->startingWith("doc.PrintOut"),
              (std::vector<std::string>{"doc.PrintOut(false, false, 0)"}));
    EXPECT_EQ(store.readValue(RegistryRoot::CurrentUser, "Software\\Adobe\\Acrobat PDFWriter",
                              "PDFFileName"),
              target.string());
    EXPECT_EQ(store.readValue(RegistryRoot::CurrentUser,
                              "Software\\Adobe\\Acrobat Distiller\\PrinterJobControl",
                              "/opt/office/WINWORD.EXE"),
              target.string());

    // The lock is released again: another thread can take it.
    auto later = std::async(std::launch::async, [&] {
        const bool free = batch.SharedLock()->try_lock();
        if (free) batch.SharedLock()->unlock();
        return free;
    });
    EXPECT_TRUE(later.get());
}

// The printer route hands the driver the target's path through the registry
// file that other processes read; nothing of the help file itself (names,
// titles, contents) may land there.
TEST_F(PellinConvert, ThePrinterRouteWritesOnlyTheTargetPathIntoTheRegistryFile) {
    const fs::path file = root / "config" / "registry.txt";
    platform::FileRegistry fileRegistry(file);
    fileRegistry.createKey(RegistryRoot::CurrentUser, "Software\\Adobe\\Acrobat PDFWriter");
    platform::SetProcessRegistry(&fileRegistry);
    setPages({{"toc.hhc",
               "<HTML><BODY><UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" "
               "value=\"LEAKNAME contents entry\"><param name=\"Local\" "
               "value=\"LEAKFILE.htm\"></OBJECT></UL></BODY></HTML>"},
              {"LEAKFILE.htm",
               "<html><head><title>LEAKTITLE</title></head><body>LEAKTEXT</body></html>"},
              {"guide.hhp", "[OPTIONS]\nTitle=LEAKHHP\nDefault topic=LEAKFILE.htm\n"}});
    install([](fake::OfficeSetup& s) {
        s.exportFails = true;
        s.storeFails = true;
        s.printers.insert("Acrobat PDFWriter");
    });
    convert();
    platform::SetProcessRegistry(&registry);

    ASSERT_EQ(office->log()->startingWith("doc.PrintOut").size(), 1u);
    const std::string stored = ReadText(file);
    EXPECT_NE(stored.find(target.string()), std::string::npos) << stored;
    for (const char* leak : {"LEAK", "guide.chm", "#pellin"})
        EXPECT_EQ(stored.find(leak), std::string::npos) << leak << " in\n" << stored;
}

TEST_F(PellinConvert, WhenEveryRouteFailsTheJobNamesTheFirstRoutesError) {
    installWithEveryRouteFailing();
    convert();

    EXPECT_EQ(node->Status, TvxNode::Failed);
    EXPECT_EQ(node->ResultText, "Export failed");
    EXPECT_EQ(batch.FailureMessages, (std::vector<std::string>{"Export failed"}));
    EXPECT_EQ(batch.Successes, 0);
    EXPECT_EQ(count("create com.sun.star.ServiceManager"), 1);
    EXPECT_EQ(office->activePrinter(), "Office_Laser");
    EXPECT_EQ(count("doc.Close(false)"), 1);
    EXPECT_TRUE(tempFolderRemoved());
}

TEST_F(PellinConvert, AFailedConversionLeavesTheExistingPdfAsItWas) {
    WriteText(target, "old pdf");
    installWithEveryRouteFailing();
    convert();

    EXPECT_EQ(node->Status, TvxNode::Failed);
    EXPECT_EQ(ReadText(target), "old pdf");
    EXPECT_TRUE(hiddenInTarget().empty());
    EXPECT_TRUE(tempFolderRemoved());
}

TEST_F(PellinConvert, ASuccessfulConversionReplacesTheExistingPdf) {
    WriteText(target, "old pdf");
    convert();

    EXPECT_EQ(node->Status, TvxNode::Done) << node->ResultText;
    EXPECT_NE(ReadText(target).find("></a>B</p>"), std::string::npos);
    EXPECT_TRUE(hiddenInTarget().empty());
}

TEST_F(PellinConvert, ATargetFolderThatTakesNoFileFailsAtOnceWithItsReason) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into any folder";
    fs::permissions(root / "out", fs::perms::owner_read | fs::perms::owner_exec);
    convert();
    fs::permissions(root / "out", fs::perms::owner_all);

    EXPECT_EQ(node->Status, TvxNode::Failed);
    EXPECT_EQ(node->ResultText,
              "Cannot write to " + (root / "out").string() + ": Permission denied");
    EXPECT_FALSE(fs::exists(root / "cwd"));  // nothing was decompiled
    EXPECT_TRUE(office->log()->entries().empty());
}

// A target folder on a full disk: the job fails saying so, naming the PDF and
// its folder, and the user's old PDF stays as it was, whether the finished
// copy or already the office's export found no room.
TEST_F(PellinConvert, AFullTargetDiskFailsTheJobAndKeepsTheOldPdf) {
    testsupport::SmallDisk disk((root / "out").string(), 256 * 1024);
    if (!disk.Mounted()) GTEST_SKIP() << "a small disk needs root";
    const std::string old = "%PDF the user's old file";
    WriteText(target, old);
    const std::string full =
        "Cannot write guide.pdf in " + (root / "out").string() + ": No space left on device";
    for (const bool fullBeforeExport : {false, true}) {
        if (fullBeforeExport)
            disk.Fill("filler");
        else
            finisher.beforeWrite = [&] { disk.Fill("filler"); };
        convert();
        EXPECT_EQ(node->Status, TvxNode::Failed);
        EXPECT_EQ(node->ResultText, full);
        EXPECT_EQ(ReadText(target), old);
        EXPECT_TRUE(hiddenInTarget().empty());
        fs::remove(root / "out" / "filler");
        finisher.beforeWrite = nullptr;
    }
}

TEST_F(PellinConvert, ATopicThatStopsTheOfficeIsLeftOutAndNamed) {
    setPages({{"toc.hhc", TocOf({"a.htm", "bad.htm", "b.htm"})},
              {"a.htm", "<p>A</p>"},
              {"bad.htm", "<p>STOP-THE-OFFICE</p>"},
              {"b.htm", "<p>B</p>"}});
    install([](fake::OfficeSetup& s) { s.stopsOfficeOn = "STOP-THE-OFFICE"; });
    convert();

    EXPECT_EQ(node->Status, TvxNode::Done) << node->ResultText;
    const std::string pdf = ReadText(target);
    EXPECT_NE(pdf.find("></a>A</p>"), std::string::npos);
    EXPECT_NE(pdf.find("></a>B</p>"), std::string::npos);
    EXPECT_EQ(pdf.find("STOP-THE-OFFICE"), std::string::npos);
    EXPECT_EQ(node->Note, "1 of 3 topics left out: bad.htm (it stopped LibreOffice)");
    EXPECT_TRUE(hiddenInTarget().empty());
}

// A page the office takes too long over is named as slow, not as fatal,
// whether other topics remain or none does.
TEST_F(PellinConvert, ATopicTheOfficeIsTooSlowOnIsNamedAsSlow) {
    setPages({{"toc.hhc", TocOf({"a.htm", "big.htm"})},
              {"a.htm", "<p>A</p>"},
              {"big.htm", "<p>SLOW</p>"}});
    install([](fake::OfficeSetup& s) { s.stallsOfficeOn = "SLOW"; });
    convert();
    EXPECT_EQ(node->Status, TvxNode::Done) << node->ResultText;
    EXPECT_EQ(node->Note, "1 of 2 topics left out: big.htm (it was too slow for LibreOffice)");

    setPages({{"toc.hhc", TocOf({"big.htm"})}, {"big.htm", "<p>SLOW</p>"}});
    converter->ConvertFile(&batch, node);
    EXPECT_EQ(node->Status, TvxNode::Failed);
    EXPECT_EQ(node->ResultText, "LibreOffice was too slow on big.htm");
}

// A document the office runs out of time on is not loaded again and again:
// the search for a slow topic ends when it has taken as long as the first try.
TEST_F(PellinConvert, TheSearchForASlowTopicTakesNoLongerThanTheFirstTry) {
    setPages({{"toc.hhc", TocOf({"a.htm", "big.htm"})},
              {"a.htm", "<p>A</p>"},
              {"big.htm", "<p>SLOW</p>"}});
    install([](fake::OfficeSetup& s) { s.stallsOfficeOn = "SLOW"; });
    converter->SlowSearchTime = std::chrono::milliseconds(0);
    convert();
    EXPECT_EQ(node->Status, TvxNode::Failed);
    EXPECT_EQ(office->log()->startingWith("selection.InsertFile").size(), 1u);
    // Named as the user knows it, not by the job's own file.
    EXPECT_EQ(node->ResultText,
              "LibreOffice did not finish loading the help file's pages within 1 min 00 s and was "
              "stopped");
}

// An archival PDF is checked once finished, since the finishing rewrote
// it; one that is not archival is kept, and the job says why.
TEST_F(PellinConvert, AnArchivalPdfIsCheckedAsFinishedAndItsProblemsNoted) {
    project.SetOption("PdfA", "1");
    finisher.archiveProblems = {"it is encrypted", "the font Symbol is not embedded"};
    convert();

    EXPECT_EQ(node->Status, TvxNode::Done) << node->ResultText;
    EXPECT_TRUE(fs::exists(target));
    EXPECT_EQ(node->Note,
              "not PDF/A-2b as asked: it is encrypted, the font Symbol is not embedded");
    ASSERT_EQ(finisher.archiveChecked.size(), 1u);
    EXPECT_NE(finisher.archiveChecked.front(), exportedTo());
    EXPECT_EQ(fs::path(finisher.archiveChecked.front()).parent_path(), root / "out");
    EXPECT_TRUE(
        office->log()->startingWith("doc.ExportAsFixedFormat").front().ends_with(", true)"));
}

TEST_F(PellinConvert, DamagedTopicsAreLeftOutAndTheJobSaysSo) {
    setPages({{"toc.hhc", TocOf({"a.htm", "zeros.htm"})},
              {"a.htm", "<p>A</p>"},
              {"zeros.htm", std::string(1024, '\0')}});
    convert();

    EXPECT_EQ(node->Status, TvxNode::Done) << node->ResultText;
    EXPECT_EQ(node->Note, "1 of 2 topics left out: zeros.htm (the page is damaged)");
}

// Entries naming pages the help file does not hold are counted; links to
// the web are no such entries.
TEST_F(PellinConvert, ContentsEntriesNamingMissingPagesAreCountedInTheNote) {
    setPages({{"toc.hhc",
               TocOf({"a.htm", "gone.htm", "http://example.com/", "sub/gone.htm#x", "zeros.htm"})},
              {"a.htm", "<p>A</p>"},
              {"zeros.htm", std::string(1024, '\0')}});
    convert();

    EXPECT_EQ(node->Status, TvxNode::Done) << node->ResultText;
    EXPECT_EQ(node->Note,
              "2 contents entries name files the help file does not hold; "
              "1 of 2 topics left out: zeros.htm (the page is damaged)");
}

TEST_F(PellinConvert, AHelpFileOfDamagedPagesOnlyFailsAndSaysWhy) {
    setPages({{"toc.hhc", TocOf({"zeros.htm"})}, {"zeros.htm", std::string(1024, '\0')}});
    convert();

    EXPECT_EQ(node->Status, TvxNode::Failed);
    EXPECT_EQ(node->ResultText,
              "The help file is damaged: no topic could be read (zeros.htm: the page is damaged)");
    EXPECT_TRUE(office->log()->startingWith("docs.").empty());
}

TEST_F(PellinConvert, SkippedJobTouchesNothing) {
    WriteText(target, "old pdf");
    project.SetOption("IsOverwrite", "SKIP");
    convert();

    EXPECT_EQ(node->Status, TvxNode::Done);
    EXPECT_EQ(node->ResultText, "");
    EXPECT_EQ(batch.Successes, 0);
    EXPECT_TRUE(office->log()->entries().empty());
    EXPECT_EQ(ReadText(target), "old pdf");
    EXPECT_FALSE(fs::exists(root / "cwd"));  // nothing was decompiled
}

TEST_F(PellinConvert, KeptTargetGivesANewName) {
    WriteText(target, "old pdf");
    project.SetOption("IsOverwrite", "0");
    convert();

    const fs::path renamed = root / "out" / "-pellin-guide.pdf";
    EXPECT_EQ(node->Status, TvxNode::Done);
    EXPECT_EQ(node->ResultText, renamed.string());
    EXPECT_EQ(ReadText(target), "old pdf");
    EXPECT_TRUE(fs::exists(renamed));
}

TEST_F(PellinConvert, NoExistingPageFailsInsteadOfExportingAnEmptyDocument) {
    setPages({{"toc.hhc", TocOf({"missing.htm"})}});
    install([](fake::OfficeSetup& s) { s.serviceManagerInstalled = false; });
    convert();

    EXPECT_EQ(node->Status, TvxNode::Failed);
    EXPECT_EQ(node->ResultText, "No topic found in the help file");
    EXPECT_TRUE(office->log()->startingWith("docs.").empty());
    EXPECT_FALSE(fs::exists(target));
    EXPECT_TRUE(tempFolderRemoved());
}

TEST_F(PellinConvert, UnreadableHelpFileFailsWithoutHandingItsBytesToTheOfficeSuite) {
    setPages({});  // the decompiler writes nothing: not a help file
    convert();

    EXPECT_EQ(node->Status, TvxNode::Failed);
    EXPECT_EQ(count("create com.sun.star.ServiceManager"), 0);
    EXPECT_FALSE(fs::exists(target));
    EXPECT_TRUE(tempFolderRemoved());
}

// The real decompiler on a real help file: topics arrive in contents order,
// each once, and links that leave the help file are never inserted.
class PellinConvertRealChm : public PellinConvert {
protected:
    void SetUp() override {
        PellinConvert::SetUp();
        if (!fs::exists(decompiler)) GTEST_SKIP() << "pellin-hh is not built";
        converter->DecompileSettings.HelpProgram = decompiler.string();
    }
    void convertFixture(const std::string& name) {
        fs::copy_file(fs::path(PELLIN_SOURCE_DIR) / "tests" / "fixtures" / name, source,
                      fs::copy_options::overwrite_existing);
        converter->ConvertFile(&batch, node);
    }
    // Where each text stands in the PDF the fake office wrote, in the order given.
    std::vector<std::size_t> placesOf(const std::vector<std::string>& texts) const {
        const std::string pdf = ReadText(target);
        std::vector<std::size_t> places;
        for (const auto& text : texts) places.push_back(pdf.find(text));
        return places;
    }

    const fs::path decompiler = fs::path(PELLIN_BIN_DIR) / "pellin-hh";
};

TEST_F(PellinConvertRealChm, TopicsFollowTheTableOfContents) {
    convertFixture("toc-basic.chm");
    ASSERT_EQ(node->Status, TvxNode::Done) << node->ResultText;
    const auto places = placesOf({"Start</h1>", "Introduction</h1>", "Second page</h1>",
                                  "holds a blank", "holds an ampersand"});
    EXPECT_EQ(std::count(places.begin(), places.end(), std::string::npos), 0);
    EXPECT_TRUE(std::is_sorted(places.begin(), places.end()));
}

TEST_F(PellinConvertRealChm, HostileLinksPutNoFileOfTheMachineIntoTheDocument) {
    convertFixture("hostile-toc.chm");
    ASSERT_EQ(node->Status, TvxNode::Done) << node->ResultText;
    const std::string pdf = ReadText(target);
    EXPECT_EQ(pdf.find("root:"), std::string::npos);
    EXPECT_EQ(pdf.find("[fonts]"), std::string::npos);
    EXPECT_EQ(pdf.find("name=\"PellinTopic1\""), std::string::npos);  // one topic only
}

// The page reader is the built program behind a script that passes its
// answer on and crashes or stalls once it begins a chosen topic, as a
// faulty page would make it.
class PellinConvertReaderFault : public PellinConvert {
protected:
    void SetUp() override {
        PellinConvert::SetUp();
        if (!fs::exists(kReader)) GTEST_SKIP() << "pellin-reader is not built";
        setPages({{"toc.hhc", TocOf({"a.htm", "bad.htm", "b.htm"})},
                  {"a.htm", "<p>A</p>"},
                  {"bad.htm", "<p>BAD</p>"},
                  {"b.htm", "<p>B</p>"}});
    }
    // `fault` runs when the reader begins a topic whose file name matches `names`.
    void faultyReader(const std::string& names, const std::string& fault) {
        std::string text = R"(#!/bin/sh
'READER' "$@" | { n=0; bad=' '
while IFS= read -r line; do
  printf '%s\n' "$line"
  case "$line" in "topic-file	"*/NAMES) bad="$bad$n ";; esac
  case "$line" in "topic-file	"*) n=$((n+1));; esac
  case "$line" in "topic	"*) case "$bad" in *" ${line#*	} "*) FAULT; exit;; esac;; esac
done; }
)";
        text.replace(text.find("READER"), 6, kReader.string());
        text.replace(text.find("NAMES"), 5, names);
        text.replace(text.find("FAULT"), 5, fault);
        const fs::path script = root / "reader";
        WriteText(script, text);
        fs::permissions(script, fs::perms::owner_all);
        converter->Reader.Program = script.string();
        converter->Reader.TimeLimit = std::chrono::seconds(1);
        converter->Reader.TimePerMiB = {};
    }
    const fs::path kReader = fs::path(PELLIN_BIN_DIR) / "pellin-reader";
};

TEST_F(PellinConvertReaderFault, ATopicThatCrashesTheReaderIsLeftOutAndNamed) {
    faultyReader("bad.htm", "kill -SEGV $$");
    convert();

    EXPECT_EQ(node->Status, TvxNode::Done) << node->ResultText;
    const std::string pdf = ReadText(target);
    EXPECT_NE(pdf.find("></a>A</p>"), std::string::npos);
    EXPECT_NE(pdf.find("></a>B</p>"), std::string::npos);
    EXPECT_EQ(pdf.find("BAD"), std::string::npos);
    EXPECT_EQ(node->Note, "1 of 3 topics left out: bad.htm (it stopped the page reader)");
    EXPECT_TRUE(tempFolderRemoved());
}

TEST_F(PellinConvertReaderFault, AReaderThatCrashesOnEveryTopicFailsTheJobNamingOne) {
    faultyReader("*", "kill -SEGV $$");
    convert();

    EXPECT_EQ(node->Status, TvxNode::Failed);
    EXPECT_EQ(node->ResultText,
              "The help file could not be read: the page reader stopped on b.htm (signal 11)");
    EXPECT_TRUE(office->log()->startingWith("docs.").empty());
    EXPECT_TRUE(tempFolderRemoved());
}

TEST_F(PellinConvertReaderFault, AStalledReaderIsStoppedAtItsLimitWithWhatStayed) {
    faultyReader("*", "sleep 30");
    const auto started = std::chrono::steady_clock::now();
    convert();

    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(10));
    EXPECT_EQ(node->Status, TvxNode::Failed);
    EXPECT_EQ(node->ResultText,
              "The help file could not be read: the page reader was too slow on bad.htm");
    EXPECT_TRUE(tempFolderRemoved());
}
