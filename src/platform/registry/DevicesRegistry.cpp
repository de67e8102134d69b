#include "platform/registry/DevicesRegistry.h"

#include <stdexcept>

#include "platform/text/AsciiText.h"

namespace platform {

namespace {

std::string trimDelimiters(const std::string& key) {
    const auto first = key.find_first_not_of('\\');
    if (first == std::string::npos) return {};
    return key.substr(first, key.find_last_not_of('\\') - first + 1);
}

}  // namespace

DevicesRegistry::DevicesRegistry(Registry& store, const PrinterList& printers)
    : store_(store), printers_(printers) {}

bool DevicesRegistry::isDevicesKey(RegistryRoot root, const std::string& key) {
    return root == RegistryRoot::CurrentUser && EqualsNoCase(trimDelimiters(key), kDevicesKey);
}

bool DevicesRegistry::keyExists(RegistryRoot root, const std::string& key) const {
    return isDevicesKey(root, key) || store_.keyExists(root, key);
}

void DevicesRegistry::createKey(RegistryRoot root, const std::string& key) {
    if (!isDevicesKey(root, key)) store_.createKey(root, key);
}

std::optional<std::string> DevicesRegistry::readValue(RegistryRoot root, const std::string& key,
                                                      const std::string& name) const {
    if (!isDevicesKey(root, key)) return store_.readValue(root, key, name);
    for (const std::string& printer : printers_.installedPrinters())
        if (EqualsNoCase(printer, name)) return std::string("cups,") + printer;
    return std::nullopt;
}

void DevicesRegistry::writeValue(RegistryRoot root, const std::string& key, const std::string& name,
                                 const std::string& value) {
    if (isDevicesKey(root, key))
        throw std::runtime_error("The installed-printer list cannot be written");
    store_.writeValue(root, key, name, value);
}

}  // namespace platform
