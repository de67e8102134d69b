#pragma once
// A document of the word processor: Close, HasVBProject, InlineShapes,
// ExportAsFixedFormat and PrintOut over a Writer document.

#include <memory>

#include "platform/automation/AutomationObject.h"
#include "platform/office/WordSession.h"

namespace platform::office {

class WordDocumentObject : public DispatchObject {
public:
    WordDocumentObject(std::shared_ptr<WordSession> session,
                       std::shared_ptr<WriterDocument> document);

    static constexpr int kFormatPdf = 17;
    static constexpr int kRangeAll = 0;
    static constexpr int kRangeFromTo = 3;
    static constexpr int kBookmarksNone = 0;

private:
    Variant exportAsFixedFormat(const VariantList& args);
    Variant printOut(const VariantList& args);
    Variant close(const VariantList& args);
    ObjectRef inlineShapes();

    std::shared_ptr<WordSession> session_;
    std::shared_ptr<WriterDocument> document_;
};

}  // namespace platform::office
