#include "platform/process/TickClock.h"

#include <chrono>

namespace platform {

std::uint32_t SteadyTickClock::TickCount() const {
    using namespace std::chrono;
    const auto ms = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    return static_cast<std::uint32_t>(ms);
}

const TickClock& SystemTickClock() {
    static const SteadyTickClock clock;
    return clock;
}

}  // namespace platform
