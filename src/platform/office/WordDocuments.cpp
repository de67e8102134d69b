#include "platform/office/WordDocuments.h"

#include <filesystem>

#include "platform/office/WordArguments.h"
#include "platform/office/WordDocumentObject.h"

namespace platform::office {

WordDocuments::WordDocuments(std::shared_ptr<WordSession> session) : session_(std::move(session)) {
    addMethod("Add", [this](const VariantList& args) { return add(args); });
    addMethod("Open", [this](const VariantList& args) { return open(args); });
}

// Template, NewTemplate, DocumentType, Visible: documents are always built
// from the office's default template.
Variant WordDocuments::add(const VariantList& args) {
    requireArguments(args, 0, 4);
    if (isGiven(args, 0))
        throw AutomationError(kOfficeErrorCode, "Documents cannot be based on a template here");
    auto document = std::make_shared<WriterDocument>(session_->connection());
    session_->setActiveDocument(document);
    return Variant(ObjectRef(std::make_shared<WordDocumentObject>(session_, document)));
}

Variant WordDocuments::open(const VariantList& args) {
    requireArguments(args, 1, 16);
    const std::string path = args[0].toText();
    if (!std::filesystem::is_regular_file(path))
        throw AutomationError::scriptError(5174, "This file could not be found. (" + path + ")");
    const bool readOnly = argumentOr(args, 2, false).toBool();
    std::optional<std::string> password;
    if (isGiven(args, 4)) password = args[4].toText();
    std::shared_ptr<WriterDocument> document =
        WriterDocument::open(session_->connection(), path, readOnly, password);
    session_->setActiveDocument(document);
    return Variant(ObjectRef(std::make_shared<WordDocumentObject>(session_, document)));
}

}  // namespace platform::office
