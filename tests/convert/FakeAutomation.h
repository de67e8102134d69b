#pragma once
// Recording stand-ins for the word processors and the office suite's service
// manager. Every member access on every fake object is written to one shared
// log, so tests can assert the exact call sequence with its arguments:
//   call  "doc.ExportPdf(\"/out/a.pdf\")"
//   read  "app.Version"
//   write "app.DisplayAlerts = 0"
// Text arguments are quoted, left-out arguments show as <omitted>, arrays as [..].

#include <functional>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/automation/AutomationObject.h"
#include "platform/automation/AutomationRegistry.h"

namespace fake {

class CallLog {
public:
    void add(std::string entry);
    std::vector<std::string> entries() const;
    // The entries that begin with `prefix`, in order.
    std::vector<std::string> startingWith(const std::string& prefix) const;
    bool contains(const std::string& entry) const;

private:
    mutable std::mutex mutex_;
    std::vector<std::string> entries_;
};

std::string Describe(const platform::Variant& value);

// A dispatch object whose members are set up by the test and whose every use is logged.
class FakeObject : public platform::DispatchObject {
public:
    FakeObject(std::string name, std::shared_ptr<CallLog> log);
    platform::Variant invoke(std::string_view member, InvokeKind kind,
                             const platform::VariantList& args) override;

    using DispatchObject::addMethod;
    using DispatchObject::addProperty;
    // A readable and writable property holding a value.
    void addValue(const std::string& name, platform::Variant initial);
    platform::Variant value(const std::string& name) const;
    // A method that always fails with the given message.
    void addFailingMethod(const std::string& name, const std::string& message);

private:
    std::string name_;
    std::shared_ptr<CallLog> log_;
    std::shared_ptr<std::map<std::string, platform::Variant>> values_;
};

// What the fake office installation on the machine can do.
struct OfficeSetup {
    bool wordInstalled = true;
    std::string wordStartFailure;  // set: installed, but creating it fails with this
    bool wpsInstalled = true;
    bool serviceManagerInstalled = true;
    std::string version = "16.0";
    std::string path = "/opt/office";
    bool exportFails = false;  // ExportAsFixedFormat / ExportPdf
    // Set: the export fails for a document that does not hold this text.
    std::string exportFailsUnlessHolding;
    bool storeFails = false;  // the service manager's storeToURL
    bool printFails = false;  // PrintOut
    bool activePrinterReadFails = false;
    std::string activePrinter = "Office_Laser";
    std::set<std::string> printers = {"Office_Laser"};  // names ActivePrinter accepts
    std::vector<int> inlineShapeTypes;                  // Type of each picture in a new document
    std::optional<bool> hasVBProject;                   // none: reading it fails
    std::function<void()> onPrintOut;                   // runs inside a successful PrintOut
    // An inserted file holding this text brings the office down.
    std::string stopsOfficeOn;
    // An inserted file holding this text takes the office past its time limit.
    std::string stallsOfficeOn;
};

// Registers fake servers for "Word.Application", "WPS.Application" and
// "com.sun.star.ServiceManager" for its lifetime. An absent product is
// registered as a factory that fails the way an unregistered class does.
// Successful exports write a small "%PDF" file at the target path holding the
// text of every file inserted into the document; the service manager's store
// writes the bytes of the file it loaded.
class FakeOffice {
public:
    explicit FakeOffice(OfficeSetup setup = {});
    ~FakeOffice();

    std::shared_ptr<CallLog> log() const { return log_; }
    const OfficeSetup& setup() const { return setup_; }
    // The word processor's active printer as it stands now.
    std::string activePrinter() const;
    int applicationsCreated() const;
    int documentsCreated() const;

private:
    platform::ObjectRef makeApplication(const std::string& name);
    platform::ObjectRef makeDocument(const std::string& name);
    platform::ObjectRef makeServiceManager();
    platform::ObjectRef makeLoadedComponent(const std::string& source);

    OfficeSetup setup_;
    std::shared_ptr<CallLog> log_ = std::make_shared<CallLog>();
    mutable std::mutex mutex_;
    std::string inserted_;  // what the open document holds
    std::string activePrinter_;
    int applications_ = 0;
    int documents_ = 0;
    std::vector<std::unique_ptr<platform::ScopedRegistration>> registrations_;
};

}  // namespace fake
