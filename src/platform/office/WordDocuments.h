#pragma once
// The application's Documents collection: Add (a new blank document) and
// Open (FileName, ConfirmConversions, ReadOnly, AddToRecentFiles,
// PasswordDocument). Either makes the new document the selection's target.

#include <memory>
#include <vector>

#include "platform/automation/AutomationObject.h"
#include "platform/office/WordSession.h"

namespace platform::office {

class WordDocuments : public DispatchObject {
public:
    explicit WordDocuments(std::shared_ptr<WordSession> session);

private:
    Variant add(const VariantList& args);
    Variant open(const VariantList& args);

    std::shared_ptr<WordSession> session_;
};

}  // namespace platform::office
