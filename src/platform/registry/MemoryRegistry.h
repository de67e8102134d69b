#pragma once
// A registry store that lives in memory only; used by tests.

#include <mutex>

#include "platform/registry/Registry.h"
#include "platform/registry/RegistryTree.h"

namespace platform {

class MemoryRegistry : public Registry {
public:
    bool keyExists(RegistryRoot root, const std::string& key) const override;
    void createKey(RegistryRoot root, const std::string& key) override;
    std::optional<std::string> readValue(RegistryRoot root, const std::string& key,
                                         const std::string& name) const override;
    void writeValue(RegistryRoot root, const std::string& key, const std::string& name,
                    const std::string& value) override;

private:
    mutable std::mutex mutex_;
    RegistryTree tree_;
};

}  // namespace platform
