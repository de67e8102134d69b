#pragma once
// The platform's regular-expression automation object, backed by PCRE2.
// AutomationRegistry::instance() registers it on first use; a registry made
// elsewhere (a test's own) can be given it explicitly.

#include "platform/automation/AutomationRegistry.h"

namespace platform {

inline constexpr const char* RegExpProgId = "VBScript.RegExp";
inline constexpr const char* RegExpServerClassId = "{3F4DACA4-160D-11D2-A8E9-00104B365C9F}";

void RegisterRegExpServer(AutomationRegistry& registry = AutomationRegistry::instance());

}  // namespace platform
