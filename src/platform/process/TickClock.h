#pragma once
// The millisecond tick counter: a steady clock truncated to 32 unsigned bits,
// so it wraps about every 49.7 days. Differences of two readings taken in
// uint32_t arithmetic stay right across a wrap.

#include <cstdint>

namespace platform {

class TickClock {
public:
    virtual ~TickClock() = default;
    virtual std::uint32_t TickCount() const = 0;
};

class SteadyTickClock final : public TickClock {
public:
    std::uint32_t TickCount() const override;
};

// The steady clock itself; safe from every thread.
const TickClock& SystemTickClock();

}  // namespace platform
