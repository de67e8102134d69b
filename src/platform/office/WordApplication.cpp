#include "platform/office/WordApplication.h"

#include <filesystem>

#include "platform/office/WordArguments.h"
#include "platform/office/WordDocuments.h"

namespace platform::office {

namespace {

// Selection.InsertFile(FileName, Range, ConfirmConversions, Link, Attachment):
// the file's content goes to the end of the active document, which is where
// the insertion point stands after every insertion.
class Selection : public DispatchObject {
public:
    explicit Selection(std::shared_ptr<WordSession> session) : session_(std::move(session)) {
        addMethod("InsertFile", [this](const VariantList& args) {
            requireArguments(args, 1, 5);
            const auto document = session_->activeDocument();
            if (!document) throw AutomationError(kOfficeErrorCode, "There is no open document");
            document->insertHtml(args[0].toText());
            return Variant();
        });
    }

private:
    std::shared_ptr<WordSession> session_;
};

// Options that only matter to printing from a live document: kept, not used.
class Options : public DispatchObject {
public:
    Options() {
        for (const char* name : {"UpdateFieldsAtPrint", "UpdateLinksAtPrint"}) {
            addProperty(
                name, [this, name](const VariantList&) { return Variant(values_[name]); },
                [this, name](const Variant& value, const VariantList&) {
                    values_[name] = value.toBool();
                });
        }
    }

private:
    std::map<std::string, bool> values_;
};

}  // namespace

ObjectRef WordApplication::create(const OfficeLaunchSettings& settings,
                                  const OfficeTimeouts& timeouts,
                                  std::shared_ptr<PrinterList> printers) {
    auto session = std::make_shared<WordSession>(settings, timeouts, std::move(printers));
    return std::make_shared<WordApplication>(std::move(session));
}

WordApplication::WordApplication(std::shared_ptr<WordSession> session)
    : session_(std::move(session)) {
    addProperty("Version",
                [this](const VariantList&) { return Variant(session_->officeVersion()); });
    addProperty("Name", [](const VariantList&) { return Variant("LibreOffice"); });
    addProperty("Path", [](const VariantList&) { return Variant(PELLIN_OFFICE_PROGRAM_DIR); });
    addMethod("Quit", [this](const VariantList&) {
        session_->quit();
        return Variant();
    });
    addProperty(
        "ActivePrinter", [this](const VariantList&) { return Variant(session_->activePrinter()); },
        [this](const Variant& value, const VariantList&) {
            session_->setActivePrinter(value.toText());
        });
    addWindowProperties();
    addCollections();
}

// The office runs without a window; these are kept so that callers can set
// and read them back.
void WordApplication::addWindowProperties() {
    addProperty(
        "Visible", [this](const VariantList&) { return Variant(visible_); },
        [this](const Variant& value, const VariantList&) { visible_ = value.toBool(); });
    addProperty(
        "WindowState", [this](const VariantList&) { return Variant(windowState_); },
        [this](const Variant& value, const VariantList&) {
            windowState_ = static_cast<int>(value.toInt());
        });
    addProperty(
        "DisplayAlerts", [this](const VariantList&) { return Variant(displayAlerts_); },
        [this](const Variant& value, const VariantList&) {
            displayAlerts_ = static_cast<int>(value.toInt());
        });
}

void WordApplication::addCollections() {
    auto documents = std::make_shared<WordDocuments>(session_);
    auto selection = std::make_shared<Selection>(session_);
    auto options = std::make_shared<Options>();
    addProperty("Documents",
                [documents](const VariantList&) { return Variant(ObjectRef(documents)); });
    addProperty("Selection",
                [selection](const VariantList&) { return Variant(ObjectRef(selection)); });
    addProperty("Options", [options](const VariantList&) { return Variant(ObjectRef(options)); });
}

}  // namespace platform::office
