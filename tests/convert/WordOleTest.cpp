#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "FakeAutomation.h"
#include "batch/TvxBatch.h"
#include "convert/job/TvxWordOle.h"
#include "core/TvxProject.h"

using platform::Variant;

namespace {

class WordOle : public ::testing::Test {
protected:
    void SetUp() override { vxProject = &project; }
    void TearDown() override { vxProject = nullptr; }

    std::vector<std::string> calls() const { return office->log()->entries(); }
    // Replaces the office installation by one changed by `change`.
    template <class Change>
    void reinstall(Change change) {
        fake::OfficeSetup setup;
        change(setup);
        office = nullptr;
        office = std::make_unique<fake::FakeOffice>(setup);
    }

    TvxProject project;
    TvxBatch batch;
    std::unique_ptr<fake::FakeOffice> office = std::make_unique<fake::FakeOffice>();
    std::unique_ptr<TvxWordOle> ole = std::make_unique<TvxWordOle>(&batch, 1, TvxNodeEvent());
};

std::string WriteFile(const std::string& name) {
    const auto path = std::filesystem::temp_directory_path() / name;
    std::ofstream(path) << "doc";
    return path.string();
}

}  // namespace

TEST_F(WordOle, WordIsPreferredAndPreparedWithoutAlerts) {
    ole->StartApplication();
    EXPECT_FALSE(ole->IsWps);
    EXPECT_EQ(ole->MajorVersion, 16);
    EXPECT_EQ(calls(), (std::vector<std::string>{"create Word.Application", "app.Version",
                                                 "app.DisplayAlerts = 0"}));
}

TEST_F(WordOle, WpsIsTakenWhenWordIsAbsent) {
    reinstall([](fake::OfficeSetup& s) { s.wordInstalled = false; });
    ole->StartApplication();
    EXPECT_TRUE(ole->IsWps);
    EXPECT_EQ(calls().at(0), "create Word.Application");
    EXPECT_EQ(calls().at(1), "create WPS.Application");
}

// With no word processor at all the last one tried is named; one that is
// installed but would not start names why it did not.
TEST_F(WordOle, NoWordProcessorRaisesTheCauseOfTheFailure) {
    auto failure = [this] {
        try {
            ole->OpenDocument("");
            return std::string("no word processor, yet a document");
        } catch (const std::exception& error) {
            return std::string(error.what());
        }
    };
    reinstall([](fake::OfficeSetup& s) { s.wordInstalled = s.wpsInstalled = false; });
    EXPECT_TRUE(failure().ends_with(", ProgID: \"WPS.Application\"")) << failure();
    EXPECT_FALSE(ole->WordApp);

    reinstall([](fake::OfficeSetup& s) {
        s.wpsInstalled = false;
        s.wordStartFailure = "LibreOffice did not start within 1 min 00 s of processor time";
    });
    EXPECT_EQ("LibreOffice did not start within 1 min 00 s of processor time", failure());
}

TEST_F(WordOle, AppVisibleShowsTheWordProcessorMinimised) {
    project.SetOption("AppVisible", "True");
    ole->StartApplication();
    EXPECT_EQ(calls(), (std::vector<std::string>{"create Word.Application", "app.Version",
                                                 "app.Visible = true", "app.WindowState = 2",
                                                 "app.DisplayAlerts = 0"}));
}

TEST_F(WordOle, BlankDocumentIsAddedOnceAndPrintUpdatesAreTurnedOff) {
    ole->OpenDocument("");
    ole->OpenDocument("");
    EXPECT_EQ(office->documentsCreated(), 1);
    EXPECT_EQ(office->applicationsCreated(), 1);
    EXPECT_EQ(office->log()->startingWith("docs."),
              (std::vector<std::string>{"docs.Add(<omitted>)"}));
    EXPECT_EQ(office->log()->startingWith("options."),
              (std::vector<std::string>{"options.UpdateFieldsAtPrint = false",
                                        "options.UpdateLinksAtPrint = false"}));
}

TEST_F(WordOle, ExistingFilesOpenWithTheReadOnlyAndPasswordOptions) {
    const std::string file = WriteFile("pellin-wordole-open.doc");
    project.SetOption("ReadOnly", "1");
    ole->OpenDocument(file);
    ole->CloseDocument();
    project.SetOption("SkipPassword", "true");
    project.SetOption("ReadOnly", "0");
    ole->OpenDocument(file);
    std::filesystem::remove(file);

    EXPECT_EQ(office->log()->startingWith("docs."),
              (std::vector<std::string>{
                  "docs.Open(\"" + file + "\", <omitted>, true)",
                  "docs.Open(\"" + file + "\", <omitted>, false, <omitted>, \" \")"}));
}

TEST_F(WordOle, CloseAndQuitDiscardChangesAndForgetTheObjects) {
    ole->OpenDocument("");
    ole->CloseDocument();
    ole->CloseDocument();
    EXPECT_FALSE(ole->Document);
    ole = nullptr;  // the converter quits its word processor when destroyed
    EXPECT_EQ(office->log()->startingWith("doc.Close"),
              (std::vector<std::string>{"doc.Close(false)"}));
    EXPECT_EQ(office->log()->startingWith("app.Quit"),
              (std::vector<std::string>{"app.Quit(false)"}));
}

TEST_F(WordOle, MacrosAreAskedOfTheDocumentFromVersion12On) {
    reinstall([](fake::OfficeSetup& s) { s.hasVBProject = false; });
    ole->OpenDocument("");
    EXPECT_FALSE(ole->HasMacros());
    ole->MajorVersion = 11;
    EXPECT_TRUE(ole->HasMacros());

    reinstall([](fake::OfficeSetup&) {});  // reading HasVBProject fails
    ole = std::make_unique<TvxWordOle>(&batch, 1, TvxNodeEvent());
    ole->OpenDocument("");
    EXPECT_TRUE(ole->HasMacros());
}

TEST(WordOleVersion, MajorNumberOfVersionValues) {
    EXPECT_EQ(TvxWordOle::ParseMajorVersion(Variant("16.0")), 16);
    EXPECT_EQ(TvxWordOle::ParseMajorVersion(Variant(120)), 12);
    EXPECT_EQ(TvxWordOle::ParseMajorVersion(Variant(77)), 77);
    EXPECT_EQ(TvxWordOle::ParseMajorVersion(Variant(78)), 7);
    EXPECT_EQ(TvxWordOle::ParseMajorVersion(Variant("not a version")), 0);
}

TEST_F(WordOle, ServiceManagerStoresTheSourceAsPdf) {
    const auto target = std::filesystem::temp_directory_path() / "pellin-wordole sm.pdf";
    std::filesystem::remove(target);
    EXPECT_TRUE(TvxWordOle::ExportPdfViaServiceManager("/in/My Docs/a.chm", target.string()));
    EXPECT_TRUE(std::filesystem::exists(target));
    std::filesystem::remove(target);

    EXPECT_EQ(calls(),
              (std::vector<std::string>{
                  "create com.sun.star.ServiceManager",
                  "sm.createInstance(\"com.sun.star.frame.Desktop\")",
                  "desktop.loadComponentFromURL(\"file:///in/My Docs/a.chm\", \"_blank\", 0, [])",
                  "sm.Bridge_GetStruct(\"com.sun.star.beans.PropertyValue\")",
                  "prop.Name = \"FilterName\"",
                  "prop.Value = \"writer_pdf_Export\"",
                  "loaded.storeToURL(\"file://" + target.string() + "\", [<object>])",
                  "loaded.close(true)",
              }));
    EXPECT_FALSE(ole->WordApp);  // no word processor is needed for it
}

TEST_F(WordOle, ServiceManagerFailuresGiveFalse) {
    reinstall([](fake::OfficeSetup& s) { s.storeFails = true; });
    EXPECT_FALSE(TvxWordOle::ExportPdfViaServiceManager("/in/a.chm", "/out/a.pdf"));
    EXPECT_FALSE(office->log()->contains("loaded.close(true)"));

    reinstall([](fake::OfficeSetup& s) { s.serviceManagerInstalled = false; });
    EXPECT_FALSE(TvxWordOle::ExportPdfViaServiceManager("/in/a.chm", "/out/a.pdf"));
}
