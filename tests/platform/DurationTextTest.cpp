#include <gtest/gtest.h>

#include "platform/text/DurationText.h"

TEST(DurationTextTest, TenthsUnderAMinuteThenMinutesAndHours) {
    using std::chrono::milliseconds;
    EXPECT_EQ(platform::DurationText(milliseconds(0)), "0.0 s");
    EXPECT_EQ(platform::DurationText(milliseconds(4249)), "4.2 s");
    EXPECT_EQ(platform::DurationText(milliseconds(59949)), "59.9 s");
    EXPECT_EQ(platform::DurationText(milliseconds(59950)), "1 min 00 s");  // never "60.0 s"
    EXPECT_EQ(platform::DurationText(milliseconds(123456)), "2 min 03 s");
    EXPECT_EQ(platform::DurationText(milliseconds(3600000 + 5 * 60000 + 59000)), "1 h 05 min 59 s");
    EXPECT_EQ(platform::DurationText(milliseconds(0xFFFFFFFFu)), "1193 h 02 min 47 s");
    EXPECT_EQ(platform::DurationText(milliseconds(-5)), "0.0 s");
}
