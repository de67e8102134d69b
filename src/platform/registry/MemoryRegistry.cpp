#include "platform/registry/MemoryRegistry.h"

#include <stdexcept>

namespace platform {

bool MemoryRegistry::keyExists(RegistryRoot root, const std::string& key) const {
    std::lock_guard lock(mutex_);
    return tree_.keyExists(root, key);
}

void MemoryRegistry::createKey(RegistryRoot root, const std::string& key) {
    std::lock_guard lock(mutex_);
    tree_.createKey(root, key);
}

std::optional<std::string> MemoryRegistry::readValue(RegistryRoot root, const std::string& key,
                                                     const std::string& name) const {
    std::lock_guard lock(mutex_);
    return tree_.readValue(root, key, name);
}

void MemoryRegistry::writeValue(RegistryRoot root, const std::string& key, const std::string& name,
                                const std::string& value) {
    std::lock_guard lock(mutex_);
    if (!tree_.writeValue(root, key, name, value))
        throw std::runtime_error("Registry key not found: " + key);
}

}  // namespace platform
