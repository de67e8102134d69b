#include "platform/office/WordArguments.h"

#include "platform/automation/AutomationError.h"

namespace platform::office {

void requireArguments(const VariantList& args, std::size_t required, std::size_t most) {
    if (args.size() > most) throw AutomationError::wrongArgumentCount();
    for (std::size_t i = 0; i < required; ++i)
        if (!isGiven(args, i)) throw AutomationError::wrongArgumentCount();
}

}  // namespace platform::office
