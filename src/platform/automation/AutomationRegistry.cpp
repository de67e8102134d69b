#include "platform/automation/AutomationRegistry.h"

#include "platform/regexserver/RegExpServer.h"

namespace platform {

// The registry lives until the process ends (never destroyed) so that threads
// still running at exit can create objects safely. The built-in servers are
// registered here, on first use, which makes them available however early the
// first creation happens.
AutomationRegistry& AutomationRegistry::instance() {
    static AutomationRegistry* const registry = [] {
        auto* created = new AutomationRegistry;
        RegisterRegExpServer(*created);
        return created;
    }();
    return *registry;
}

void AutomationRegistry::add(const std::string& progId, const std::string& classId,
                             AutomationFactory factory) {
    std::lock_guard lock(mutex_);
    if (!progId.empty()) byProgId_[progId] = factory;
    if (!classId.empty()) byClassId_[classId] = std::move(factory);
}

void AutomationRegistry::remove(const std::string& progId, const std::string& classId) {
    std::lock_guard lock(mutex_);
    if (!progId.empty()) byProgId_.erase(progId);
    if (!classId.empty()) byClassId_.erase(classId);
}

std::optional<AutomationFactory> AutomationRegistry::lookup(const FactoryMap& map,
                                                            const std::string& name) {
    const auto found = map.find(name);
    if (found == map.end()) return std::nullopt;
    return found->second;
}

std::optional<AutomationFactory> AutomationRegistry::factoryByProgId(
    const std::string& progId) const {
    std::lock_guard lock(mutex_);
    return lookup(byProgId_, progId);
}

std::optional<AutomationFactory> AutomationRegistry::factoryByClassId(
    const std::string& classId) const {
    std::lock_guard lock(mutex_);
    return lookup(byClassId_, classId);
}

ObjectRef AutomationRegistry::createByProgId(const std::string& progId) const {
    const auto factory = factoryByProgId(progId);
    if (!factory || !*factory) throw AutomationError::invalidClassString();
    return (*factory)();
}

ObjectRef AutomationRegistry::createByClassId(const std::string& classId) const {
    const auto factory = factoryByClassId(classId);
    if (!factory || !*factory) throw AutomationError::classNotRegistered();
    return (*factory)();
}

ScopedRegistration::ScopedRegistration(std::string progId, std::string classId,
                                       AutomationFactory factory)
    : progId_(std::move(progId)), classId_(std::move(classId)) {
    auto& registry = AutomationRegistry::instance();
    if (!progId_.empty()) previousByProgId_ = registry.factoryByProgId(progId_);
    if (!classId_.empty()) previousByClassId_ = registry.factoryByClassId(classId_);
    registry.add(progId_, classId_, std::move(factory));
}

ScopedRegistration::~ScopedRegistration() {
    auto& registry = AutomationRegistry::instance();
    registry.remove(progId_, classId_);
    if (previousByProgId_) registry.add(progId_, "", *previousByProgId_);
    if (previousByClassId_) registry.add("", classId_, *previousByClassId_);
}

}  // namespace platform
