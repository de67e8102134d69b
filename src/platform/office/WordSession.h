#pragma once
// What the objects of one word-processor application share: the private
// office (started again when it has died, so one stuck file does not fail
// every later job of the thread), the document the selection works on, and
// the active printer.

#include <memory>
#include <string>

#include "platform/office/OfficeConnection.h"
#include "platform/office/WriterDocument.h"
#include "platform/registry/PrinterList.h"

namespace platform::office {

class WordSession {
public:
    // Starts the office at once, so a missing office fails the creation.
    WordSession(OfficeLaunchSettings settings, OfficeTimeouts timeouts,
                std::shared_ptr<PrinterList> printers);

    std::shared_ptr<OfficeConnection> connection();
    void quit();

    // The document Selection inserts into: the one added or opened last.
    std::shared_ptr<WriterDocument> activeDocument() const { return activeDocument_; }
    void setActiveDocument(std::shared_ptr<WriterDocument> document) {
        activeDocument_ = std::move(document);
    }
    void forgetDocument(const std::shared_ptr<WriterDocument>& document);

    std::string activePrinter();
    // Throws when no printer of that name is installed.
    void setActivePrinter(const std::string& name);

    std::string officeVersion();

private:
    OfficeLaunchSettings settings_;
    OfficeTimeouts timeouts_;
    std::shared_ptr<PrinterList> printers_;
    std::shared_ptr<OfficeConnection> connection_;
    std::shared_ptr<WriterDocument> activeDocument_;
    std::string activePrinter_;
    std::string version_;
};

}  // namespace platform::office
