#include <gtest/gtest.h>

#include "batch/TvxMatch.h"

TEST(WildcardToRegex, EscapesRegexCharactersAndAnchorsAtTheEndOnly) {
    EXPECT_EQ(WildcardToRegex("*.chm"), ".*\\.chm$");
    EXPECT_EQ(WildcardToRegex(""), "$");
    EXPECT_EQ(WildcardToRegex("a?b.*"), "a.?b\\..*$");
    EXPECT_EQ(WildcardToRegex("c++(1)[2]{3}^$"), "c\\+\\+\\(1\\)\\[2\\]\\{3\\}\\^\\$$");
    EXPECT_EQ(WildcardToRegex("a\\b|c"), "a\\b|c$");
}

TEST(PatternProblem, ABrokenPatternIsNamedBeforeItCanFilterNothing) {
    EXPECT_EQ(PatternProblem("manual.*\\.chm$"), std::nullopt);
    EXPECT_EQ(PatternProblem(""), std::nullopt);
    EXPECT_EQ(PatternProblem("[unclosed"), "Expected ']' in regular expression");
    EXPECT_EQ(PatternProblem("(a"), "Expected ')' in regular expression");
    EXPECT_EQ(PatternProblem("a**"), "Unexpected quantifier");
    // Such a pattern then accepts every name.
    TvxMatch match;
    EXPECT_TRUE(match.MatchName("/in/x.chm", "[unclosed"));
    EXPECT_TRUE(match.MatchName("/in/x.chm", "a**"));
    TvxMatchBase base;
    EXPECT_TRUE(base.MatchName("anything", "^$"));
}
