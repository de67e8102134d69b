#pragma once
// A duration as a person reads it: "4.2 s" under a minute, "2 min 03 s" under
// an hour, "1 h 05 min 09 s" beyond.

#include <chrono>
#include <string>

namespace platform {

std::string DurationText(std::chrono::milliseconds duration);

}  // namespace platform
