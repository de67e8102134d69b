#include "regex/RegexInterface.h"

namespace vbregex {

platform::ObjectRef RequireInterface(platform::ObjectRef object) {
    if (!object)
        throw platform::AutomationError(static_cast<std::int32_t>(0x80004002u),
                                        "No such interface supported");
    return object;
}

}  // namespace vbregex
