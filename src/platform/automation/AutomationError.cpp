#include "platform/automation/AutomationError.h"

namespace platform {

namespace {

constexpr std::int32_t ScriptErrorBase = static_cast<std::int32_t>(0x800A0000u);

}  // namespace

AutomationError AutomationError::invalidClassString() {
    return AutomationError(static_cast<std::int32_t>(0x800401F3u), "Invalid class string");
}

AutomationError AutomationError::classNotRegistered() {
    return AutomationError(static_cast<std::int32_t>(0x80040154u), "Class not registered");
}

AutomationError AutomationError::memberNotFound() {
    return scriptError(438, "Object doesn't support this property or method");
}

AutomationError AutomationError::typeMismatch() { return scriptError(13, "Type mismatch"); }

AutomationError AutomationError::objectRequired() { return scriptError(424, "Object required"); }

AutomationError AutomationError::wrongArgumentCount() {
    return scriptError(450, "Wrong number of arguments or invalid property assignment");
}

AutomationError AutomationError::scriptError(int number, const std::string& message) {
    return AutomationError(ScriptErrorBase | (number & 0xFFFF), message);
}

}  // namespace platform
