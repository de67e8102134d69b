#include "platform/office/WordDocumentObject.h"

#include "platform/office/WordArguments.h"
#include "platform/office/WordInlineShape.h"

namespace platform::office {

namespace {

class InlineShapes : public DispatchObject {
public:
    explicit InlineShapes(std::shared_ptr<WriterDocument> document)
        : document_(std::move(document)) {
        addProperty("Count",
                    [this](const VariantList&) { return Variant(document_->graphicCount()); });
        addMethod("Item", [this](const VariantList& args) {
            requireArguments(args, 1, 1);
            const auto index = args[0].toInt();
            if (index < 1 || index > document_->graphicCount())
                throw AutomationError::scriptError(
                    5941, "The requested member of the collection does not exist.");
            const auto graphic = document_->graphic(static_cast<int>(index - 1));
            return Variant(ObjectRef(std::make_shared<WordInlineShape>(document_, graphic)));
        });
    }

private:
    std::shared_ptr<WriterDocument> document_;
};

}  // namespace

WordDocumentObject::WordDocumentObject(std::shared_ptr<WordSession> session,
                                       std::shared_ptr<WriterDocument> document)
    : session_(std::move(session)), document_(std::move(document)) {
    addMethod("Close", [this](const VariantList& args) { return close(args); });
    addProperty("HasVBProject", [](const VariantList&) { return Variant(false); });
    addProperty("InlineShapes", [this](const VariantList&) { return Variant(inlineShapes()); });
    addMethod("ExportAsFixedFormat",
              [this](const VariantList& args) { return exportAsFixedFormat(args); });
    addMethod("PrintOut", [this](const VariantList& args) { return printOut(args); });
}

ObjectRef WordDocumentObject::inlineShapes() { return std::make_shared<InlineShapes>(document_); }

// OutputFileName, ExportFormat, OpenAfterExport, OptimizeFor, Range, From, To,
// Item, IncludeDocProps, KeepIRM, CreateBookmarks, DocStructureTags,
// BitmapMissingFonts, UseISO19005_1. Opening the PDF afterwards, the
// optimisation target, the item, document properties, rights management and
// bitmaps for missing fonts do not apply to this office's export.
Variant WordDocumentObject::exportAsFixedFormat(const VariantList& args) {
    requireArguments(args, 2, 15);
    const std::string target = args[0].toText();
    if (args[1].toInt() != kFormatPdf)
        throw AutomationError(kOfficeErrorCode, "Only the PDF format (17) can be exported");
    PdfExportSettings settings;
    const auto range = argumentOr(args, 4, 0).toInt();
    if (range == kRangeFromTo) {
        settings.pageRange = std::make_pair(static_cast<int>(argumentOr(args, 5, 1).toInt()),
                                            static_cast<int>(argumentOr(args, 6, 1).toInt()));
    } else if (range != kRangeAll) {
        throw AutomationError(kOfficeErrorCode,
                              "Only the whole document or a page range can be exported");
    }
    settings.bookmarksFromHeadings = argumentOr(args, 10, kBookmarksNone).toInt() != kBookmarksNone;
    settings.taggedPdf = argumentOr(args, 11, false).toBool();
    settings.pdfA = argumentOr(args, 13, false).toBool();
    document_->exportPdf(target, settings);
    return Variant();
}

// Background, Append, Range: the whole document is printed on the active
// printer and the call returns once the office has handed it over.
Variant WordDocumentObject::printOut(const VariantList& args) {
    if (argumentOr(args, 2, 0).toInt() != kRangeAll)
        throw AutomationError(kOfficeErrorCode, "Only the whole document can be printed");
    const std::string printer = session_->activePrinter();
    if (printer.empty()) throw AutomationError(kOfficeErrorCode, "No printer is installed");
    document_->print(printer);
    return Variant();
}

Variant WordDocumentObject::close(const VariantList&) {
    session_->forgetDocument(document_);
    document_->close();
    return Variant();
}

}  // namespace platform::office
