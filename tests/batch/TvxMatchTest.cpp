#include "batch/TvxMatch.h"

#include <gtest/gtest.h>

#include "BatchTestSupport.h"
#include "batch/TvxBatch.h"

TEST(WildcardToRegex, EscapesRegexCharactersAndAnchorsAtTheEndOnly) {
    EXPECT_EQ(WildcardToRegex("*.chm"), ".*\\.chm$");
    EXPECT_EQ(WildcardToRegex(""), "$");
    EXPECT_EQ(WildcardToRegex("a?b.*"), "a.?b\\..*$");
    EXPECT_EQ(WildcardToRegex("c++(1)[2]{3}^$"), "c\\+\\+\\(1\\)\\[2\\]\\{3\\}\\^\\$$");
    EXPECT_EQ(WildcardToRegex("a\\b|c"), "a\\b|c$");
}

TEST(MatchName, IgnoresCaseAndMatchesAnywhereInThePath) {
    TvxMatch match;
    EXPECT_TRUE(match.MatchName("/in/GUIDE.CHM", WildcardToRegex("*.chm")));
    EXPECT_FALSE(match.MatchName("/in/notes.chmx", WildcardToRegex("*.chm")));
    EXPECT_TRUE(match.MatchName("/in/sub/x.chm", "SUB"));
    EXPECT_FALSE(match.MatchName("/in/x.chm", "^x"));
}

TEST(MatchName, BrokenPatternAcceptsEverything) {
    TvxMatch match;
    EXPECT_TRUE(match.MatchName("/in/x.chm", "[unclosed"));
    EXPECT_TRUE(match.MatchName("/in/x.chm", "a**"));
    TvxMatchBase base;
    EXPECT_TRUE(base.MatchName("anything", "^$"));
}

TEST(Accept, MaskAndRegExtBothApplyToTheWholePath) {
    pellintest::ProjectScope scope;
    TvxBatch batch;
    batch.Mask = "*.chm";
    batch.RegExt = "/keep/";
    EXPECT_TRUE(batch.Accept("/in/keep/a.CHM"));
    EXPECT_FALSE(batch.Accept("/in/drop/a.chm"));
    EXPECT_FALSE(batch.Accept("/in/keep/a.txt"));
    vxMatch = nullptr;
    EXPECT_TRUE(batch.Accept("/in/drop/a.txt"));  // no matcher: everything
}
