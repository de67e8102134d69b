#pragma once
// Positional arguments of late-bound calls, where any may be left out.

#include "platform/automation/Variant.h"

namespace platform::office {

inline bool isGiven(const VariantList& args, std::size_t index) {
    return index < args.size() && !args[index].isOmitted() && !args[index].isEmpty();
}

inline Variant argumentOr(const VariantList& args, std::size_t index, const Variant& fallback) {
    return isGiven(args, index) ? args[index] : fallback;
}

// Throws "Wrong number of arguments" (450) when a required one is missing or
// there are more than the member takes.
void requireArguments(const VariantList& args, std::size_t required, std::size_t most);

}  // namespace platform::office
