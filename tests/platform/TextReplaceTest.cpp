#include <gtest/gtest.h>

#include "platform/text/TextReplace.h"

using platform::ReplaceAll;

TEST(ReplaceAll, ReplacesLeftToRightWithoutSearchingWhatItPutIn) {
    EXPECT_EQ("ba", ReplaceAll("aaa", "aa", "b"));
    EXPECT_EQ("aaaa", ReplaceAll("aa", "a", "aa"));
    EXPECT_EQ("x y z", ReplaceAll("x%20y%20z", "%20", " "));
    EXPECT_EQ("unchanged", ReplaceAll("unchanged", "%20", " "));
    EXPECT_EQ("same", ReplaceAll("same", "", "x"));
    EXPECT_EQ("", ReplaceAll("&&&", "&", ""));
    // Many occurrences in a long text.
    const std::string many(400'000, 'a');
    EXPECT_EQ(std::string(200'000, 'b'), ReplaceAll(many, "aa", "b"));
}
