#pragma once
// The servers the automation layer can create, known by ProgID and by class
// identifier (braced text form, compared without regard to case). The servers
// built into the platform layer (the regular-expression object) are registered
// by instance() itself on first use, so no caller depends on the order in which
// static objects are initialised. Other servers (the office stand-ins) are
// registered by the program at start-up; tests register fakes with
// ScopedRegistration, which restores what was there before. Registering an
// empty factory hides a name: creating it then fails as if it were unknown.

#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>

#include "platform/automation/AutomationObject.h"
#include "platform/text/AsciiText.h"

namespace platform {

using AutomationFactory = std::function<ObjectRef()>;

class AutomationRegistry {
public:
    static AutomationRegistry& instance();

    // progId or classId may be empty; a later registration of the same name
    // wins. Factories run outside the registry's lock and may run on any thread.
    void add(const std::string& progId, const std::string& classId, AutomationFactory factory);
    void remove(const std::string& progId, const std::string& classId);

    // Throw AutomationError::invalidClassString() / classNotRegistered() when
    // nothing is registered; a factory's own failure passes through.
    ObjectRef createByProgId(const std::string& progId) const;
    ObjectRef createByClassId(const std::string& classId) const;

    // The factory registered under a name, if any (ScopedRegistration keeps it
    // to restore it later).
    std::optional<AutomationFactory> factoryByProgId(const std::string& progId) const;
    std::optional<AutomationFactory> factoryByClassId(const std::string& classId) const;

private:
    using FactoryMap = std::map<std::string, AutomationFactory, LessNoCase>;
    static std::optional<AutomationFactory> lookup(const FactoryMap& map, const std::string& name);

    mutable std::mutex mutex_;
    FactoryMap byProgId_;
    FactoryMap byClassId_;
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
