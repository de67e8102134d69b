#pragma once
// A registry store whose printer list key answers the printers installed on
// this machine: under the current user, the key
// "Software\Microsoft\Windows NT\CurrentVersion\Devices" always exists and
// holds one non-empty value per installed printer, named by the printer.
// Everything else is passed to the underlying store.

#include "platform/registry/PrinterList.h"
#include "platform/registry/Registry.h"

namespace platform {

class DevicesRegistry : public Registry {
public:
    static constexpr const char* kDevicesKey =
        "Software\\Microsoft\\Windows NT\\CurrentVersion\\Devices";

    DevicesRegistry(Registry& store, const PrinterList& printers);

    bool keyExists(RegistryRoot root, const std::string& key) const override;
    void createKey(RegistryRoot root, const std::string& key) override;
    std::optional<std::string> readValue(RegistryRoot root, const std::string& key,
                                         const std::string& name) const override;
    // The printer list is read-only: writing into it throws.
    void writeValue(RegistryRoot root, const std::string& key, const std::string& name,
                    const std::string& value) override;

private:
    static bool isDevicesKey(RegistryRoot root, const std::string& key);

    Registry& store_;
    const PrinterList& printers_;
};

}  // namespace platform
