#include "FakeAutomation.h"

#include <fstream>
#include <map>
#include <sstream>

using platform::AutomationError;
using platform::ObjectRef;
using platform::Variant;
using platform::VariantList;

namespace fake {

namespace {

// The name the office gives a file in its messages: the last part of its
// address, '#' written as "%23".
std::string OfficeFileName(const std::string& path) {
    std::string name = path.substr(path.find_last_of('/') + 1);
    for (auto at = name.find('#'); at != std::string::npos; at = name.find('#', at))
        name.replace(at, 1, "%23");
    return name;
}

}  // namespace

void CallLog::add(std::string entry) {
    std::lock_guard lock(mutex_);
    entries_.push_back(std::move(entry));
}

std::vector<std::string> CallLog::entries() const {
    std::lock_guard lock(mutex_);
    return entries_;
}

std::vector<std::string> CallLog::startingWith(const std::string& prefix) const {
    std::vector<std::string> found;
    for (const std::string& entry : entries())
        if (entry.rfind(prefix, 0) == 0) found.push_back(entry);
    return found;
}

bool CallLog::contains(const std::string& entry) const {
    for (const std::string& e : entries())
        if (e == entry) return true;
    return false;
}

std::string Describe(const Variant& value) {
    switch (value.kind()) {
        case Variant::Kind::Empty:
            return "<empty>";
        case Variant::Kind::Null:
            return "<null>";
        case Variant::Kind::Omitted:
            return "<omitted>";
        case Variant::Kind::Bool:
            return value.toBool() ? "true" : "false";
        case Variant::Kind::Int:
            return std::to_string(value.toInt());
        case Variant::Kind::Double: {
            std::ostringstream out;
            out << value.toDouble();
            return out.str();
        }
        case Variant::Kind::Text:
            return "\"" + value.toText() + "\"";
        case Variant::Kind::Object:
            return "<object>";
        case Variant::Kind::Array: {
            std::string out = "[";
            for (const Variant& item : value.toArray())
                out += (out.size() > 1 ? ", " : "") + Describe(item);
            return out + "]";
        }
    }
    return "?";
}

namespace {

std::string describeArgs(const VariantList& args) {
    std::string out;
    for (const Variant& arg : args) out += (out.empty() ? "" : ", ") + Describe(arg);
    return out;
}

void writePdf(const std::string& path, const std::string& content = {}) {
    std::ofstream(path, std::ios::binary) << "%PDF-1.4\n%fake\n" << content;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string pathOfUrl(const std::string& url) {
    const std::string scheme = "file://";
    return url.rfind(scheme, 0) == 0 ? url.substr(scheme.size()) : url;
}

AutomationError notRegistered() { return AutomationError::invalidClassString(); }

}  // namespace

FakeObject::FakeObject(std::string name, std::shared_ptr<CallLog> log)
    : name_(std::move(name)),
      log_(std::move(log)),
      values_(std::make_shared<std::map<std::string, Variant>>()) {}

Variant FakeObject::invoke(std::string_view member, InvokeKind kind, const VariantList& args) {
    const std::string target = name_ + "." + std::string(member);
    switch (kind) {
        case InvokeKind::Method:
            log_->add(target + "(" + describeArgs(args) + ")");
            break;
        case InvokeKind::PropertyGet:
            log_->add(target);
            break;
        case InvokeKind::PropertyPut:
            log_->add(target + " = " + (args.empty() ? "?" : Describe(args.back())));
            break;
    }
    return DispatchObject::invoke(member, kind, args);
}

void FakeObject::addValue(const std::string& name, Variant initial) {
    (*values_)[name] = std::move(initial);
    auto values = values_;
    addProperty(
        name, [values, name](const VariantList&) { return values->at(name); },
        [values, name](const Variant& v, const VariantList&) { (*values)[name] = v; });
}

Variant FakeObject::value(const std::string& name) const { return values_->at(name); }

void FakeObject::addFailingMethod(const std::string& name, const std::string& message) {
    addMethod(name, [message](const VariantList&) -> Variant {
        throw AutomationError::scriptError(1000, message);
    });
}

FakeOffice::FakeOffice(OfficeSetup setup)
    : setup_(std::move(setup)), activePrinter_(setup_.activePrinter) {
    auto product = [this](const std::string& progId, bool installed, auto make) {
        registrations_.push_back(std::make_unique<platform::ScopedRegistration>(
            progId, "", [this, progId, installed, make]() -> ObjectRef {
                log_->add("create " + progId);
                if (!installed) throw notRegistered();
                return make();
            }));
    };
    product("Word.Application", setup_.wordInstalled, [this]() -> ObjectRef {
        if (!setup_.wordStartFailure.empty()) throw std::runtime_error(setup_.wordStartFailure);
        return makeApplication("app");
    });
    product("WPS.Application", setup_.wpsInstalled, [this] { return makeApplication("app"); });
    product("com.sun.star.ServiceManager", setup_.serviceManagerInstalled,
            [this] { return makeServiceManager(); });
}

FakeOffice::~FakeOffice() = default;

std::string FakeOffice::activePrinter() const {
    std::lock_guard lock(mutex_);
    return activePrinter_;
}

int FakeOffice::applicationsCreated() const {
    std::lock_guard lock(mutex_);
    return applications_;
}

int FakeOffice::documentsCreated() const {
    std::lock_guard lock(mutex_);
    return documents_;
}

ObjectRef FakeOffice::makeApplication(const std::string& name) {
    {
        std::lock_guard lock(mutex_);
        ++applications_;
    }
    auto app = std::make_shared<FakeObject>(name, log_);
    app->addValue("Version", setup_.version);
    app->addValue("Path", setup_.path);
    app->addValue("Visible", false);
    app->addValue("WindowState", 0);
    app->addValue("DisplayAlerts", -1);
    app->addMethod("Quit", [](const VariantList&) { return Variant(); });

    auto options = std::make_shared<FakeObject>("options", log_);
    options->addValue("UpdateFieldsAtPrint", true);
    options->addValue("UpdateLinksAtPrint", true);
    app->addProperty("Options",
                     [options](const VariantList&) { return Variant(ObjectRef(options)); });

    auto selection = std::make_shared<FakeObject>("selection", log_);
    selection->addMethod("InsertFile", [this](const VariantList& args) {
        const std::string content = readFile(args.at(0).toText());
        if (!setup_.stopsOfficeOn.empty() &&
            content.find(setup_.stopsOfficeOn) != std::string::npos)
            throw AutomationError(AutomationError::kDisconnected,
                                  "LibreOffice stopped while loading");
        if (!setup_.stallsOfficeOn.empty() &&
            content.find(setup_.stallsOfficeOn) != std::string::npos)
            throw AutomationError(AutomationError::kTimedOut,
                                  "LibreOffice did not finish loading " +
                                      OfficeFileName(args.at(0).toText()) +
                                      " within 1 min 00 s and was stopped");
        std::lock_guard lock(mutex_);
        inserted_ += content;
        return Variant();
    });
    app->addProperty("Selection",
                     [selection](const VariantList&) { return Variant(ObjectRef(selection)); });

    auto documents = std::make_shared<FakeObject>("docs", log_);
    documents->addMethod("Add",
                         [this](const VariantList&) { return Variant(makeDocument("doc")); });
    documents->addMethod("Open",
                         [this](const VariantList&) { return Variant(makeDocument("doc")); });
    app->addProperty("Documents",
                     [documents](const VariantList&) { return Variant(ObjectRef(documents)); });

    app->addProperty(
        "ActivePrinter",
        [this](const VariantList&) -> Variant {
            if (setup_.activePrinterReadFails)
                throw AutomationError::scriptError(1001, "No printer");
            return activePrinter();
        },
        [this](const Variant& value, const VariantList&) {
            if (!setup_.printers.count(value.toText()))
                throw AutomationError::scriptError(4608,
                                                   "There is no printer called " + value.toText());
            std::lock_guard lock(mutex_);
            activePrinter_ = value.toText();
        });
    return app;
}

ObjectRef FakeOffice::makeDocument(const std::string& name) {
    {
        std::lock_guard lock(mutex_);
        ++documents_;
        inserted_.clear();
    }
    auto doc = std::make_shared<FakeObject>(name, log_);
    doc->addMethod("Close", [](const VariantList&) { return Variant(); });
    if (setup_.hasVBProject)
        doc->addValue("HasVBProject", *setup_.hasVBProject);
    else
        doc->addFailingMethod("HasVBProject", "Access to the project is not trusted");

    if (setup_.exportFails) {
        doc->addFailingMethod("ExportAsFixedFormat", "Export failed");
        doc->addFailingMethod("ExportPdf", "Export failed");
    } else {
        auto exporter = [this](const VariantList& args) {
            std::lock_guard lock(mutex_);
            const std::string& only = setup_.exportFailsUnlessHolding;
            if (!only.empty() && inserted_.find(only) == std::string::npos)
                throw AutomationError::scriptError(1000, "Export failed");
            if (!args.empty()) writePdf(args.front().toText(), inserted_);
            return Variant();
        };
        doc->addMethod("ExportAsFixedFormat", exporter);
        doc->addMethod("ExportPdf", exporter);
    }
    if (setup_.printFails)
        doc->addFailingMethod("PrintOut", "The printer is not ready");
    else
        doc->addMethod("PrintOut", [this](const VariantList&) {
            if (setup_.onPrintOut) setup_.onPrintOut();
            return Variant();
        });

    auto shapes = std::make_shared<FakeObject>("shapes", log_);
    std::vector<ObjectRef> items;
    for (std::size_t i = 0; i < setup_.inlineShapeTypes.size(); ++i) {
        auto shape = std::make_shared<FakeObject>("shape" + std::to_string(i + 1), log_);
        shape->addValue("Type", setup_.inlineShapeTypes[i]);
        auto link = std::make_shared<FakeObject>("link" + std::to_string(i + 1), log_);
        link->addValue("SavePictureWithDocument", false);
        shape->addProperty("LinkFormat",
                           [link](const VariantList&) { return Variant(ObjectRef(link)); });
        items.push_back(shape);
    }
    shapes->addValue("Count", static_cast<int>(items.size()));
    shapes->addMethod("Item", [items](const VariantList& args) {
        const auto index = args.at(0).toInt();
        if (index < 1 || index > static_cast<std::int64_t>(items.size()))
            throw AutomationError::scriptError(
                5941, "The requested member of the collection does not exist");
        return Variant(items[static_cast<std::size_t>(index - 1)]);
    });
    doc->addProperty("InlineShapes",
                     [shapes](const VariantList&) { return Variant(ObjectRef(shapes)); });
    return doc;
}

ObjectRef FakeOffice::makeServiceManager() {
    auto manager = std::make_shared<FakeObject>("sm", log_);
    auto desktop = std::make_shared<FakeObject>("desktop", log_);
    desktop->addMethod("loadComponentFromURL", [this](const VariantList& args) {
        return Variant(makeLoadedComponent(pathOfUrl(args.at(0).toText())));
    });
    manager->addMethod("createInstance", [desktop](const VariantList& args) -> Variant {
        if (args.at(0).toText() != "com.sun.star.frame.Desktop") return Variant::null();
        return Variant(ObjectRef(desktop));
    });
    manager->addMethod("Bridge_GetStruct", [this](const VariantList&) {
        auto property = std::make_shared<FakeObject>("prop", log_);
        property->addValue("Name", "");
        property->addValue("Value", "");
        return Variant(ObjectRef(property));
    });
    return manager;
}

ObjectRef FakeOffice::makeLoadedComponent(const std::string& source) {
    auto loaded = std::make_shared<FakeObject>("loaded", log_);
    if (setup_.storeFails)
        loaded->addFailingMethod("storeToURL", "General Error");
    else
        loaded->addMethod("storeToURL", [source](const VariantList& args) {
            writePdf(pathOfUrl(args.at(0).toText()), readFile(source));
            return Variant();
        });
    loaded->addMethod("close", [](const VariantList&) { return Variant(); });
    return loaded;
}

}  // namespace fake
