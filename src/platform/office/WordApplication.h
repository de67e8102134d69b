#pragma once
// "Word.Application" on this platform: the word-processor object model the
// converter drives, answered by a private headless LibreOffice.

#include <memory>

#include "platform/automation/AutomationObject.h"
#include "platform/office/WordSession.h"

namespace platform::office {

class WordApplication : public DispatchObject {
public:
    // Starts the office; throws AutomationError saying why when it cannot.
    static ObjectRef create(const OfficeLaunchSettings& settings, const OfficeTimeouts& timeouts,
                            std::shared_ptr<PrinterList> printers);

    explicit WordApplication(std::shared_ptr<WordSession> session);

private:
    void addWindowProperties();
    void addCollections();

    std::shared_ptr<WordSession> session_;
    bool visible_ = false;
    int windowState_ = 0;
    int displayAlerts_ = -1;
};

}  // namespace platform::office
