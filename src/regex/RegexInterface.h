#pragma once
// The check each wrapper makes on the library object it is given: without an
// object there is no interface to wrap.

#include "platform/automation/AutomationObject.h"

namespace vbregex {

// Returns the object, or throws the platform's "No such interface supported".
platform::ObjectRef RequireInterface(platform::ObjectRef object);

}  // namespace vbregex
