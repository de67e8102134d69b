#include <gtest/gtest.h>

#include "platform/DurationText.h"

TEST(DurationTextTest, ReadsAsAPersonWouldSayIt) {
    using std::chrono::milliseconds;
    EXPECT_EQ(platform::DurationText(milliseconds(4249)), "4.2 s");
    EXPECT_EQ(platform::DurationText(milliseconds(123456)), "2 min 03 s");
    EXPECT_EQ(platform::DurationText(milliseconds(3600000 + 5 * 60000 + 59000)), "1 h 05 min");
    EXPECT_EQ(platform::DurationText(milliseconds(-5)), "0.0 s");
}
