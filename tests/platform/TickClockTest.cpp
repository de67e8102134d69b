#include "platform/TickClock.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

TEST(TickClock, CountsMillisecondsForward) {
    const auto& clock = platform::SystemTickClock();
    const std::uint32_t t0 = clock.TickCount();
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    const std::uint32_t elapsed = clock.TickCount() - t0;
    EXPECT_GE(elapsed, 29u);
    EXPECT_LT(elapsed, 5000u);
}
