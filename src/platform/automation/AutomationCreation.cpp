#include "platform/automation/AutomationCreation.h"

#include "platform/automation/AutomationRegistry.h"

namespace platform {

// Only the automation layer's own failure is reworded (same code, the name
// appended); anything else a server throws passes unchanged.

ObjectRef CreateAutomationObject(const std::string& progId) {
    try {
        return AutomationRegistry::instance().createByProgId(progId);
    } catch (const AutomationError& error) {
        throw AutomationError(error.code(),
                              std::string(error.what()) + ", ProgID: \"" + progId + "\"");
    }
}

ObjectRef CreateObjectByClassId(const std::string& classId) {
    try {
        return AutomationRegistry::instance().createByClassId(classId);
    } catch (const AutomationError& error) {
        throw AutomationError(error.code(), std::string(error.what()) + ", ClassID: " + classId);
    }
}

}  // namespace platform
