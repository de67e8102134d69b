#pragma once
// Creation of automation objects for the rest of the program. A failure of the
// automation layer is re-raised as an AutomationError of the same code whose
// message names the object: `<message>, ProgID: "<id>"` or `<message>, ClassID: <id>`.

#include <string>

#include "platform/automation/AutomationObject.h"

namespace platform {

ObjectRef CreateAutomationObject(const std::string& progId);
ObjectRef CreateObjectByClassId(const std::string& classId);

}  // namespace platform
