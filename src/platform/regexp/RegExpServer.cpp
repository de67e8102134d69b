#include "platform/regexp/RegExpServer.h"

#include "platform/regexp/RegExpObject.h"

namespace platform {

void RegisterRegExpServer(AutomationRegistry& registry) {
    registry.add(RegExpProgId, RegExpServerClassId,
                 [] { return std::make_shared<RegExpObject>(); });
}

}  // namespace platform
