#include "platform/regexserver/RegExpServer.h"

#include "platform/regexserver/RegExpObject.h"

namespace platform {

void RegisterRegExpServer(AutomationRegistry& registry) {
    registry.add(RegExpProgId, RegExpServerClassId,
                 [] { return std::make_shared<RegExpObject>(); });
}

}  // namespace platform
