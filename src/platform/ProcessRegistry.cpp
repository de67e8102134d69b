#include <atomic>

#include "platform/CupsPrinterList.h"
#include "platform/DevicesRegistry.h"
#include "platform/FileRegistry.h"

namespace platform {

namespace {

std::atomic<Registry*> overrideRegistry{nullptr};

Registry& defaultRegistry() {
    static FileRegistry file(FileRegistry::defaultPath());
    static CupsPrinterList printers;
    static DevicesRegistry registry(file, printers);
    return registry;
}

}  // namespace

Registry& ProcessRegistry() {
    Registry* chosen = overrideRegistry.load();
    return chosen ? *chosen : defaultRegistry();
}

Registry* SetProcessRegistry(Registry* registry) { return overrideRegistry.exchange(registry); }

}  // namespace platform
