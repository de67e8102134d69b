#include <gtest/gtest.h>

#include "convert/output/PdfPrinterOutput.h"
#include "core/TvxProject.h"
#include "platform/registry/DevicesRegistry.h"
#include "platform/registry/MemoryRegistry.h"

using platform::RegistryRoot;

namespace {

const char* const kPdfWriterKey = "Software\\Adobe\\Acrobat PDFWriter";
const char* const kDistillerKey = "Software\\Adobe\\Acrobat Distiller\\PrinterJobControl";
const char* const kFreePdfKey = "Software\\shbox\\FreePdfXp";
const char* const kTarget = "/out/guide.pdf";

class InstalledPrinters : public platform::PrinterList {
public:
    std::vector<std::string> names;
    std::vector<std::string> installedPrinters() const override { return names; }
};

class PrinterOutput : public ::testing::Test {
protected:
    void install(std::vector<std::string> names) { printers.names = std::move(names); }
    void setup(const TvxPrinterOutputWait& wait = {}) {
        SetupPrinterOutput(
            project, registry, kTarget, [] { return std::string("/opt/office/WINWORD.EXE"); },
            wait);
    }
    std::optional<std::string> user(const char* key, const std::string& name) const {
        return store.readValue(RegistryRoot::CurrentUser, key, name);
    }

    TvxProject project;
    platform::MemoryRegistry store;
    InstalledPrinters printers;
    platform::DevicesRegistry registry{store, printers};
};

}  // namespace

TEST_F(PrinterOutput, AdobeDriversReceiveTheTargetAndTheFirstInstalledPrinterIsChosen) {
    store.createKey(RegistryRoot::CurrentUser, kPdfWriterKey);
    install({"Adobe PDF"});

    setup();

    EXPECT_EQ(user(kPdfWriterKey, "PDFFileName"), kTarget);
    EXPECT_EQ(user(kPdfWriterKey, "bExecViewer"), "0");
    EXPECT_EQ(user(kDistillerKey, "/opt/office/WINWORD.EXE"), kTarget);
    EXPECT_EQ(user(kDistillerKey, "C:\\Windows\\splwow64.exe"), kTarget);
    EXPECT_EQ(ChoosePdfPrinter(project, registry), "Adobe PDF");

    install({"Acrobat PDFWriter", "Adobe PDF"});
    EXPECT_EQ(ChoosePdfPrinter(project, registry), "Acrobat PDFWriter");
}

TEST_F(PrinterOutput, DistillerKeyIsCreatedButThePdfWriterKeyNever) {
    setup();
    EXPECT_FALSE(store.keyExists(RegistryRoot::CurrentUser, kPdfWriterKey));
    EXPECT_EQ(user(kDistillerKey, "C:\\Windows\\splwow64.exe"), kTarget);
}

TEST_F(PrinterOutput, FreePdfGetsOnlyItsOwnValue) {
    project.SetOption("PDFWriter", "FreePDF XP");
    store.createKey(RegistryRoot::LocalMachine, kFreePdfKey);
    store.createKey(RegistryRoot::CurrentUser, kPdfWriterKey);
    install({"FreePDF XP"});

    setup();

    EXPECT_EQ(store.readValue(RegistryRoot::LocalMachine, kFreePdfKey, "PDFFilename"), kTarget);
    EXPECT_FALSE(user(kPdfWriterKey, "PDFFileName"));
    EXPECT_FALSE(store.keyExists(RegistryRoot::CurrentUser, kDistillerKey));
    EXPECT_EQ(ChoosePdfPrinter(project, registry), "FreePDF XP");

    install({"Acrobat PDFWriter"});
    EXPECT_EQ(ChoosePdfPrinter(project, registry), "Acrobat PDFWriter");
    install({});
    EXPECT_EQ(ChoosePdfPrinter(project, registry), "Adobe PDF");
}

TEST_F(PrinterOutput, FreePdfNameIsCaseSensitiveAndAnyInstalledPrinterIsAccepted) {
    project.SetOption("PDFWriter", "freepdf xp");
    install({"freepdf xp"});
    setup();
    EXPECT_EQ(user(kDistillerKey, "C:\\Windows\\splwow64.exe"), kTarget);
    EXPECT_EQ(ChoosePdfPrinter(project, registry), "freepdf xp");

    project.SetOption("PDFWriter", "Office_Laser");
    install({"Office_Laser"});
    EXPECT_EQ(ChoosePdfPrinter(project, registry), "Office_Laser");
}

TEST_F(PrinterOutput, FailureOfThePrintingProgramPathIsSwallowed) {
    store.createKey(RegistryRoot::CurrentUser, kPdfWriterKey);
    EXPECT_NO_THROW(SetupPrinterOutput(
        project, registry, kTarget, []() -> std::string { throw std::runtime_error("no Path"); }));
    EXPECT_EQ(user(kPdfWriterKey, "PDFFileName"), kTarget);
    EXPECT_FALSE(user(kDistillerKey, "C:\\Windows\\splwow64.exe"));
}

TEST_F(PrinterOutput, MultiInstanceWaitsUntilTheDriverHasTakenTheEarlierName) {
    store.createKey(RegistryRoot::CurrentUser, kPdfWriterKey);
    store.writeValue(RegistryRoot::CurrentUser, kPdfWriterKey, "PDFFileName", "/out/earlier.pdf");
    project.SetOption("MultiInstance", "1");
    int sleeps = 0;
    TvxPrinterOutputWait wait;
    wait.Sleep = [&](std::chrono::milliseconds step) {
        EXPECT_EQ(step, std::chrono::milliseconds(1000));
        if (++sleeps == 3)
            store.writeValue(RegistryRoot::CurrentUser, kPdfWriterKey, "PDFFileName", "");
    };

    setup(wait);

    EXPECT_EQ(sleeps, 3);
    EXPECT_EQ(user(kPdfWriterKey, "PDFFileName"), kTarget);
}

TEST_F(PrinterOutput, MultiInstanceWaitIsBoundedAndLeavesThePendingNameAlone) {
    store.createKey(RegistryRoot::CurrentUser, kPdfWriterKey);
    store.writeValue(RegistryRoot::CurrentUser, kPdfWriterKey, "PDFFileName", "/out/earlier.pdf");
    project.SetOption("MultiInstance", "True");
    int sleeps = 0;
    TvxPrinterOutputWait wait;
    wait.Sleep = [&](std::chrono::milliseconds) { ++sleeps; };

    EXPECT_THROW(setup(wait), EPdfPrinterBusy);
    EXPECT_EQ(sleeps, 60);
    EXPECT_EQ(user(kPdfWriterKey, "PDFFileName"), "/out/earlier.pdf");

    project.SetOption("MultiInstance", "0");
    sleeps = 0;
    setup(wait);
    EXPECT_EQ(sleeps, 0);
    EXPECT_EQ(user(kPdfWriterKey, "PDFFileName"), kTarget);
}
