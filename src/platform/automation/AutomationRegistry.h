#pragma once
// The servers the automation layer can create, known by ProgID and by class
// identifier (braced text form, compared without regard to case). The program
// registers its real servers at start-up; tests register fakes with
// ScopedRegistration, which restores what was there before.

#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/automation/AutomationObject.h"

namespace platform {

using AutomationFactory = std::function<ObjectRef()>;

class AutomationRegistry {
public:
    static AutomationRegistry& instance();

    // progId or classId may be empty; a later registration of the same name wins.
    void add(const std::string& progId, const std::string& classId, AutomationFactory factory);
    void remove(const std::string& progId, const std::string& classId);

    // Throw AutomationError::invalidClassString() / classNotRegistered() when
    // nothing is registered; a factory's own failure passes through.
    ObjectRef createByProgId(const std::string& progId) const;
    ObjectRef createByClassId(const std::string& classId) const;

private:
    struct Entry {
        std::string progId;
        std::string classId;
        AutomationFactory factory;
    };
    const Entry* find(const std::string& progId, const std::string& classId) const;

    mutable std::mutex mutex_;
    std::vector<Entry> entries_;
};

class ScopedRegistration {
public:
    ScopedRegistration(std::string progId, std::string classId, AutomationFactory factory);
    ~ScopedRegistration();
    ScopedRegistration(const ScopedRegistration&) = delete;
    ScopedRegistration& operator=(const ScopedRegistration&) = delete;

private:
    std::string progId_;
    std::string classId_;
    std::optional<AutomationFactory> previousByProgId_;
    std::optional<AutomationFactory> previousByClassId_;
};

}  // namespace platform
