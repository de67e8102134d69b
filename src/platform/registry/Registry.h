#pragma once
// A small hierarchical store of named text values, addressed like the
// platform registry the printer drivers read: a root, a key path whose levels
// are separated by "\", and a value name. Key paths and value names compare
// without regard to letter case. Implementations are safe to use from several
// threads at once.

#include <optional>
#include <string>

namespace platform {

enum class RegistryRoot { CurrentUser, LocalMachine };

class Registry {
public:
    virtual ~Registry() = default;

    virtual bool keyExists(RegistryRoot root, const std::string& key) const = 0;
    // Creates the key and all missing levels above it; an existing key is kept.
    virtual void createKey(RegistryRoot root, const std::string& key) = 0;
    // Nothing when the key or the value is missing.
    virtual std::optional<std::string> readValue(RegistryRoot root, const std::string& key,
                                                 const std::string& name) const = 0;
    // Throws std::runtime_error when the key does not exist or the store
    // cannot be written.
    virtual void writeValue(RegistryRoot root, const std::string& key, const std::string& name,
                            const std::string& value) = 0;
};

// The store the program uses; the file store in the user's configuration
// folder unless a test has put another one in its place.
Registry& ProcessRegistry();
// Replaces the process store (nullptr restores the default); returns the previous override.
Registry* SetProcessRegistry(Registry* registry);

}  // namespace platform
