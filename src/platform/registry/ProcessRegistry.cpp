#include <atomic>

#include "platform/registry/CupsPrinterList.h"
#include "platform/registry/DevicesRegistry.h"
#include "platform/registry/FileRegistry.h"

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
