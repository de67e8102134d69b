#pragma once
// The registry store kept in one text file. Several processes may share the
// file (printer output names are handed over through it), so every operation
// takes an advisory lock on a companion ".lock" file, reads the file afresh
// and, when it changes something, replaces the file as a whole.

#include <filesystem>
#include <functional>
#include <mutex>

#include "platform/registry/Registry.h"
#include "platform/registry/RegistryTree.h"

namespace platform {

class FileRegistry : public Registry {
public:
    explicit FileRegistry(std::filesystem::path file);

    // $XDG_CONFIG_HOME/pellin/registry.txt, or ~/.config/pellin/registry.txt.
    static std::filesystem::path defaultPath();

    bool keyExists(RegistryRoot root, const std::string& key) const override;
    void createKey(RegistryRoot root, const std::string& key) override;
    std::optional<std::string> readValue(RegistryRoot root, const std::string& key,
                                         const std::string& name) const override;
    void writeValue(RegistryRoot root, const std::string& key, const std::string& name,
                    const std::string& value) override;

private:
    // Runs `work` on the current content under the lock; writes the content
    // back when `work` returns true.
    void withTree(const std::function<bool(RegistryTree&)>& work) const;
    RegistryTree load() const;
    void save(const RegistryTree& tree) const;

    std::filesystem::path file_;
    mutable std::mutex mutex_;  // the file lock does not exclude threads of one process
};

}  // namespace platform
