#pragma once
// One picture in the text, as the word processor's inline shape: its Type
// (4 linked to a file, 3 stored in the document) and LinkFormat, whose
// SavePictureWithDocument = true stores the linked file in the document.

#include <com/sun/star/beans/XPropertySet.hpp>
#include <memory>

#include "platform/automation/AutomationObject.h"
#include "platform/office/WriterDocument.h"

namespace platform::office {

class WordInlineShape : public DispatchObject {
public:
    WordInlineShape(std::shared_ptr<WriterDocument> document,
                    css::uno::Reference<css::beans::XPropertySet> graphic);

    static constexpr int kLinkedPicture = 4;
    static constexpr int kPicture = 3;

private:
    std::shared_ptr<WriterDocument> document_;
    css::uno::Reference<css::beans::XPropertySet> graphic_;
};

}  // namespace platform::office
