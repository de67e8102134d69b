#pragma once
// The content of a registry store as plain data: keys with their values,
// looked up without regard to letter case but kept as first written. Also
// reads and writes the text form the file store keeps on disk.

#include <map>
#include <optional>
#include <string>

#include "platform/registry/Registry.h"

namespace platform {

class RegistryTree {
public:
    bool keyExists(RegistryRoot root, const std::string& key) const;
    void createKey(RegistryRoot root, const std::string& key);
    std::optional<std::string> readValue(RegistryRoot root, const std::string& key,
                                         const std::string& name) const;
    // False when the key does not exist.
    bool writeValue(RegistryRoot root, const std::string& key, const std::string& name,
                    const std::string& value);

    // One "[root\key]" line per key followed by its "name=value" lines; every
    // line ends in CR LF. "%", "=", "[", CR and LF inside names and values
    // are written as %25, %3D, %5B, %0D and %0A so that any text survives.
    std::string toText() const;
    // Accepts CR LF, LF or CR line ends; lines it does not understand are skipped.
    static RegistryTree fromText(const std::string& text);

private:
    struct Value {
        std::string name;
        std::string data;
    };
    struct Key {
        RegistryRoot root;
        std::string path;
        std::map<std::string, Value> values;  // by lower-case name
    };
    static std::string normalizeKey(const std::string& key);
    static std::string slot(RegistryRoot root, const std::string& normalizedKey);
    const Key* find(RegistryRoot root, const std::string& key) const;

    std::map<std::string, Key> keys_;  // by root and lower-case path
};

}  // namespace platform
