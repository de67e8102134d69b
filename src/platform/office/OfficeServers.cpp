#include "platform/office/OfficeServers.h"

#include "platform/automation/AutomationRegistry.h"
#include "platform/office/ServiceManagerObject.h"
#include "platform/office/WordApplication.h"
#include "platform/registry/CupsPrinterList.h"

namespace platform::office {

const char* const kWordProgId = "Word.Application";
const char* const kServiceManagerProgId = "com.sun.star.ServiceManager";

void RegisterOfficeServers() {
    RegisterOfficeServers(OfficeLaunchSettings{}, OfficeTimeouts{},
                          std::make_shared<CupsPrinterList>());
}

void RegisterOfficeServers(const OfficeLaunchSettings& settings, const OfficeTimeouts& timeouts,
                           std::shared_ptr<PrinterList> printers) {
    auto& registry = AutomationRegistry::instance();
    registry.add(kWordProgId, "",
                 [=] { return WordApplication::create(settings, timeouts, printers); });
    registry.add(kServiceManagerProgId, "",
                 [=] { return ServiceManagerObject::create(settings, timeouts); });
}

}  // namespace platform::office
