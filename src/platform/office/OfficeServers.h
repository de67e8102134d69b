#pragma once
// Registers this platform's office servers in the automation layer:
// "Word.Application" (the word processor, over a private LibreOffice) and
// "com.sun.star.ServiceManager" (LibreOffice's own service manager). Each
// created object starts its own office and ends it when released.

#include <memory>

#include "platform/office/OfficeSettings.h"
#include "platform/registry/PrinterList.h"

namespace platform::office {

void RegisterOfficeServers();
// The same with other launch settings and printer list (for tests).
void RegisterOfficeServers(const OfficeLaunchSettings& settings, const OfficeTimeouts& timeouts,
                           std::shared_ptr<PrinterList> printers);

extern const char* const kWordProgId;
extern const char* const kServiceManagerProgId;

}  // namespace platform::office
