#include "convert/output/PdfPrinterOutput.h"

#include <thread>

#include "core/TvxProject.h"
#include "platform/registry/DevicesRegistry.h"
#include "platform/registry/Registry.h"

using platform::DevicesRegistry;
using platform::Registry;
using platform::RegistryRoot;

namespace {

const char* const kFreePdf = "FreePDF XP";
const char* const kFreePdfKey = "Software\\shbox\\FreePdfXp";
const char* const kPdfWriter = "Acrobat PDFWriter";
const char* const kPdfWriterKey = "Software\\Adobe\\Acrobat PDFWriter";
const char* const kDistillerKey = "Software\\Adobe\\Acrobat Distiller\\PrinterJobControl";
const char* const kSpoolerHost = "C:\\Windows\\splwow64.exe";
const char* const kAdobePdf = "Adobe PDF";

void sleepFor(const TvxPrinterOutputWait& wait) {
    if (wait.Sleep)
        wait.Sleep(wait.Step);
    else
        std::this_thread::sleep_for(wait.Step);
}

bool hasPendingOutput(const Registry& registry) {
    const auto pending =
        registry.readValue(RegistryRoot::CurrentUser, kPdfWriterKey, "PDFFileName");
    return pending && !pending->empty();
}

// With MultiInstance, another process may have handed the driver a name it
// has not taken yet; overwriting it would send that print to our file.
void waitForDriver(const TvxProject& project, const Registry& registry,
                   const TvxPrinterOutputWait& wait) {
    std::chrono::milliseconds waited{0};
    while (project.GetMultiInstance() && hasPendingOutput(registry)) {
        if (waited >= wait.Limit)
            throw EPdfPrinterBusy("The PDF printer \"" + std::string(kPdfWriter) +
                                  "\" did not take the previous output file within " +
                                  std::to_string(wait.Limit.count() / 1000) + " seconds");
        sleepFor(wait);
        waited += wait.Step;
    }
}

void setupFreePdf(Registry& registry, const std::string& targetPath) {
    if (!registry.keyExists(RegistryRoot::LocalMachine, kFreePdfKey)) return;
    registry.writeValue(RegistryRoot::LocalMachine, kFreePdfKey, "PDFFilename", targetPath);
}

void setupAdobe(const TvxProject& project, Registry& registry, const std::string& targetPath,
                const std::function<std::string()>& printingAppPath,
                const TvxPrinterOutputWait& wait) {
    if (registry.keyExists(RegistryRoot::CurrentUser, kPdfWriterKey)) {
        waitForDriver(project, registry, wait);
        registry.writeValue(RegistryRoot::CurrentUser, kPdfWriterKey, "PDFFileName", targetPath);
        registry.writeValue(RegistryRoot::CurrentUser, kPdfWriterKey, "bExecViewer", "0");
    }
    registry.createKey(RegistryRoot::CurrentUser, kDistillerKey);
    registry.writeValue(RegistryRoot::CurrentUser, kDistillerKey, printingAppPath(), targetPath);
    registry.writeValue(RegistryRoot::CurrentUser, kDistillerKey, kSpoolerHost, targetPath);
}

bool isInstalled(const Registry& registry, const std::string& printer) {
    const auto value =
        registry.readValue(RegistryRoot::CurrentUser, DevicesRegistry::kDevicesKey, printer);
    return value && !value->empty();
}

}  // namespace

void SetupPrinterOutput(const TvxProject& project, Registry& registry,
                        const std::string& targetPath,
                        const std::function<std::string()>& printingAppPath,
                        const TvxPrinterOutputWait& wait) {
    try {
        if (project.GetOption("PDFWriter") == kFreePdf)
            setupFreePdf(registry, targetPath);
        else
            setupAdobe(project, registry, targetPath, printingAppPath, wait);
    } catch (const EPdfPrinterBusy&) {
        throw;
    } catch (...) {
        // The drivers' settings are best effort: a print without them still
        // goes to the printer, which then asks or uses its own default.
    }
}

std::string ChoosePdfPrinter(const TvxProject& project, const Registry& registry) {
    std::string name = project.GetOption("PDFWriter");
    if (name.empty()) name = kPdfWriter;
    try {
        if (registry.keyExists(RegistryRoot::CurrentUser, DevicesRegistry::kDevicesKey) &&
            !isInstalled(registry, name)) {
            name = kPdfWriter;
            if (!isInstalled(registry, name)) name = kAdobePdf;
        }
    } catch (...) {
        // An unreadable printer list keeps the name chosen so far.
    }
    return name;
}
