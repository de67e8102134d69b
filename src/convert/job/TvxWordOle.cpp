#include "convert/job/TvxWordOle.h"

#include <filesystem>

#include "core/OptionParsers.h"
#include "core/TvxProject.h"
#include "platform/automation/AutomationCreation.h"

using platform::ObjectRef;
using platform::Variant;
using platform::VariantList;

namespace {

constexpr int kWindowMinimized = 2;
constexpr int kAlertsNone = 0;
constexpr std::int32_t kVersionWithVbProjectFlag = 12;
constexpr std::int32_t kHighestPlainMajor = 77;

bool FileExists(const std::string& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::is_regular_file(path, error);
}

ObjectRef Member(const ObjectRef& object, const char* name) { return object->get(name).toObject(); }

// The product is not installed at all, as opposed to installed but failing to start.
bool IsNotInstalled(const std::exception& error) {
    const auto* automation = dynamic_cast<const platform::AutomationError*>(&error);
    if (!automation) return false;
    const std::int32_t code = automation->code();
    return code == platform::AutomationError::invalidClassString().code() ||
           code == platform::AutomationError::classNotRegistered().code();
}

}  // namespace

TvxWordOle::TvxWordOle(TvxBatch* batch, std::int32_t count, const TvxNodeEvent& onJobDone)
    : TvxConvertor(batch, count, onJobDone) {}

TvxWordOle::~TvxWordOle() { QuitApplication(); }

void TvxWordOle::StartApplication() {
    try {
        WordApp = platform::CreateAutomationObject("Word.Application");
    } catch (const std::exception& wordFailure) {
        // A word processor that is there but would not start is the cause to
        // report, not the absence of the other one.
        const bool wordInstalled = !IsNotInstalled(wordFailure);
        const std::exception_ptr wordError = std::current_exception();
        try {
            WordApp = platform::CreateAutomationObject("WPS.Application");
        } catch (const std::exception& wpsFailure) {
            if (wordInstalled && IsNotInstalled(wpsFailure)) std::rethrow_exception(wordError);
            throw;
        }
        IsWps = true;
    }
    try {
        MajorVersion = ParseMajorVersion(WordApp->get("Version"));
    } catch (const std::exception&) {
    }
    if (BooleanOption("AppVisible")) {
        WordApp->put("Visible", true);
        WordApp->put("WindowState", kWindowMinimized);
    }
    try {
        WordApp->put("DisplayAlerts", kAlertsNone);
    } catch (const std::exception&) {
    }
}

void TvxWordOle::OpenDocument(const std::string& filePath) {
    if (!WordApp) StartApplication();
    if (Document) return;
    const ObjectRef documents = Member(WordApp, "Documents");
    if (FileExists(filePath) && SkipPasswordOption()) {
        // One blank as password: a protected document fails instead of asking.
        Document = documents
                       ->call("Open", {filePath, Variant::omitted(), ReadOnlyOption(),
                                       Variant::omitted(), std::string(" ")})
                       .toObject();
    } else if (FileExists(filePath)) {
        Document =
            documents->call("Open", {filePath, Variant::omitted(), ReadOnlyOption()}).toObject();
    } else {
        Document = documents->call("Add", {Variant::omitted()}).toObject();
    }
    try {
        const ObjectRef options = Member(WordApp, "Options");
        options->put("UpdateFieldsAtPrint", false);
        options->put("UpdateLinksAtPrint", false);
    } catch (const std::exception&) {
    }
}

void TvxWordOle::CloseDocument() {
    if (!Document) return;
    try {
        Document->call("Close", {false});
    } catch (...) {
    }
    Document.reset();
}

void TvxWordOle::QuitApplication() {
    if (!WordApp) return;
    try {
        WordApp->call("Quit", {false});
    } catch (...) {
    }
    WordApp.reset();
}

std::string TvxWordOle::PrintingAppPath() {
    if (!WordApp) throw platform::AutomationError::objectRequired();
    return WordApp->get("Path").toText() + "/WINWORD.EXE";
}

bool TvxWordOle::HasMacros() {
    if (MajorVersion >= kVersionWithVbProjectFlag && Document) {
        try {
            return Document->get("HasVBProject").toBool();
        } catch (const std::exception&) {
        }
    }
    return TvxConvertor::HasMacros();
}

bool TvxWordOle::BooleanOption(const char* key) const {
    return options::ParseBoolean(vxProject->GetOption(key)).value_or(false);
}

bool TvxWordOle::ReadOnlyOption() const { return BooleanOption("ReadOnly"); }

bool TvxWordOle::SkipPasswordOption() const { return BooleanOption("SkipPassword"); }

std::int32_t TvxWordOle::ParseMajorVersion(const Variant& version) {
    std::int64_t major = 0;
    try {
        major = version.toInt();
    } catch (const std::exception&) {
        // A version text the number conversion refuses: drop its first "."
        // and read the rest as a whole number.
        std::string text;
        try {
            text = version.toText();
        } catch (const std::exception&) {
        }
        if (const auto dot = text.find('.'); dot != std::string::npos) text.erase(dot, 1);
        major = options::ParseInteger(text).value_or(0);
    }
    if (major > kHighestPlainMajor) major /= 10;
    return static_cast<std::int32_t>(major);
}

std::string TvxWordOle::FileAddress(const std::string& path) {
    // The path's own leading delimiter is the third slash of the address.
    const bool absolute = !path.empty() && path.front() == '/';
    return "file:///" + (absolute ? path.substr(1) : path);
}

bool TvxWordOle::ExportPdfViaServiceManager(const std::string& sourcePath,
                                            const std::string& targetPath) {
    bool stored = false;
    try {
        const ObjectRef manager = platform::CreateAutomationObject("com.sun.star.ServiceManager");
        const ObjectRef desktop =
            manager->call("createInstance", {"com.sun.star.frame.Desktop"}).toObject();
        const ObjectRef document =
            desktop
                ->call("loadComponentFromURL",
                       {FileAddress(sourcePath), "_blank", 0, Variant(std::vector<Variant>{})})
                .toObject();
        const ObjectRef property =
            manager->call("Bridge_GetStruct", {"com.sun.star.beans.PropertyValue"}).toObject();
        property->put("Name", "FilterName");
        property->put("Value", "writer_pdf_Export");
        document->call("storeToURL",
                       {FileAddress(targetPath), Variant(std::vector<Variant>{Variant(property)})});
        stored = true;
        document->call("close", {true});
    } catch (...) {
        // Only the result tells; a failing close keeps a stored PDF stored.
    }
    return stored;
}
