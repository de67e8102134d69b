#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/OptionCatalog.h"
#include "platform/text/AsciiText.h"

using namespace options;

TEST(OptionCatalog, KeysAreUniqueWithoutRegardToCaseAndFoundInAnyCase) {
    std::set<std::string> seen;
    for (const auto& option : OptionCatalog()) {
        EXPECT_TRUE(seen.insert(platform::ToLowerAscii(option.key)).second) << option.key;
    }
    ASSERT_NE(FindOption("threadscount"), nullptr);
    EXPECT_STREQ(FindOption("threadscount")->key, "ThreadsCount");
    EXPECT_EQ(FindOption("Subdirs"), nullptr);
    // Blanks are part of a key, as everywhere in the option list.
    EXPECT_EQ(FindOption("Subdir "), nullptr);
}

TEST(OptionCatalog, ValuesAreCheckedAsTheGettersReadThem) {
    const auto problem = [](const char* key, const char* value) {
        return ValueProblem(*FindOption(key), value).has_value();
    };
    EXPECT_FALSE(problem("ThreadsCount", "$10"));
    EXPECT_TRUE(problem("ThreadsCount", "lots"));
    EXPECT_FALSE(problem("Subdir", "-1"));
    EXPECT_FALSE(problem("Subdir", "tRUE"));
    EXPECT_TRUE(problem("Subdir", "yes"));
    EXPECT_FALSE(problem("IsOverwrite", "SKIP"));
    EXPECT_TRUE(problem("IsOverwrite", "maybe"));
    EXPECT_FALSE(problem("Outline", "headings"));
    EXPECT_TRUE(problem("Outline", "Chapters"));
    EXPECT_FALSE(problem("Shard", "3/4"));
    EXPECT_TRUE(problem("Shard", "4/4"));
    EXPECT_TRUE(problem("Shard", "1/"));
    EXPECT_TRUE(problem("Shard", "-1/4"));
    EXPECT_FALSE(problem("Source", "anything, at all"));
    EXPECT_FALSE(problem("ThreadsCount", ""));  // empty is the default
}

TEST(OptionCatalog, AnUnknownKeyGetsTheKnownOneItWasMeantToBe) {
    EXPECT_EQ(ClosestKey("Subdirs"), "Subdir");
    EXPECT_EQ(ClosestKey("Tagret"), "Target");
    EXPECT_EQ(ClosestKey("threadcount"), "ThreadsCount");
    EXPECT_EQ(ClosestKey("Colour"), std::nullopt);
}
