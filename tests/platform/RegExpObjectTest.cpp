#include <gtest/gtest.h>

#include <chrono>
#include <random>

#include "platform/automation/AutomationCreation.h"
#include "platform/regexserver/CompiledPattern.h"
#include "platform/regexserver/RegExpServer.h"

using namespace platform;

namespace {

ObjectRef makeRegExp(const std::string& pattern, bool global = false, bool ignoreCase = false,
                     bool multiline = false) {
    ObjectRef regExp = CreateObjectByClassId(RegExpServerClassId);
    regExp->put("Pattern", pattern);
    regExp->put("Global", global);
    regExp->put("IgnoreCase", ignoreCase);
    regExp->put("Multiline", multiline);
    return regExp;
}

std::string replaceAll(const std::string& pattern, const std::string& subject,
                       const std::string& replacement) {
    return makeRegExp(pattern, true)->call("Replace", {subject, replacement}).toText();
}

std::vector<std::string> executeAll(const std::string& pattern, const std::string& subject) {
    ObjectRef matches = makeRegExp(pattern, true)->call("Execute", {subject}).toObject();
    std::vector<std::string> values;
    for (std::int64_t i = 0; i < matches->get("Count").toInt(); ++i)
        values.push_back(matches->get("Item", {i}).toObject()->get("Value").toText());
    return values;
}

std::int32_t testErrorCode(const std::string& pattern, const std::string& subject = "abc") {
    try {
        makeRegExp(pattern)->call("Test", {subject});
    } catch (const AutomationError& error) {
        return error.code() & 0xFFFF;
    }
    return 0;
}

}  // namespace

TEST(RegExpObjectTest, PatternErrorsGetTheScriptErrorCodes) {
    EXPECT_EQ(testErrorCode("(abc"), 5020);
    EXPECT_EQ(testErrorCode("[abc"), 5019);
    EXPECT_EQ(testErrorCode("a**"), 5018);
    EXPECT_EQ(testErrorCode("*a"), 5018);
    EXPECT_EQ(testErrorCode("[z-a]"), 5021);
    EXPECT_EQ(testErrorCode("abc\\"), 5017);
    EXPECT_EQ(testErrorCode("a)"), 5017);
    EXPECT_EQ(testErrorCode("a\\\\"), 0);  // an escaped backslash is fine
    try {
        makeRegExp("(x")->call("Execute", {"x"});
        FAIL();
    } catch (const AutomationError& error) {
        EXPECT_EQ(error.code(), static_cast<std::int32_t>(0x800A139Cu));
        EXPECT_STREQ(error.what(), "Expected ')' in regular expression");
    }
}

TEST(RegExpObjectTest, ChangingThePatternOrAFlagRecompiles) {
    ObjectRef regExp = makeRegExp("abc");
    EXPECT_FALSE(regExp->call("Test", {"ABC"}).toBool());
    regExp->put("IgnoreCase", true);
    EXPECT_TRUE(regExp->call("Test", {"ABC"}).toBool());
    regExp->put("Pattern", "(");
    EXPECT_THROW(regExp->call("Test", {"ABC"}), AutomationError);
    regExp->put("Pattern", "b$");
    EXPECT_FALSE(regExp->call("Test", {"ab\nc"}).toBool());
    regExp->put("Multiline", true);
    EXPECT_TRUE(regExp->call("Test", {"ab\nc"}).toBool());
}

TEST(RegExpObjectTest, PatternsInTheScriptDialect) {
    EXPECT_EQ(executeAll("[\\w\\/]+\\.hhc", "ms-its:x.chm::/docs/Toc_1.hhc and a.hhc"),
              (std::vector<std::string>{"/docs/Toc_1.hhc", "a.hhc"}));
    EXPECT_EQ(executeAll("\\u0041\\x42", "xAB"), std::vector<std::string>{"AB"});
    EXPECT_EQ(executeAll("\\q", "aqb"),
              std::vector<std::string>{"q"});                        // unknown escape: the letter
    EXPECT_EQ(executeAll("a$", "a\n"), std::vector<std::string>{});  // "$" only at the very end
    EXPECT_EQ(executeAll(".*\\.chm$", "/A/B.CHM"), std::vector<std::string>{});
    EXPECT_TRUE(makeRegExp(".*\\.chm$", false, true)->call("Test", {"/A/B.CHM"}).toBool());
}

TEST(RegExpObjectTest, GlobalSearchMovesOnAfterEmptyMatches) {
    EXPECT_EQ(replaceAll("a*", "baaac", "-"), "-b--c-");
    EXPECT_EQ(replaceAll("x*", "", "-"), "-");
    EXPECT_EQ(replaceAll("", "é", "|"), "|é|");  // one whole character, not its bytes
    EXPECT_EQ(makeRegExp("o")->call("Replace", {"foo", "0"}).toText(), "f0o");
}

TEST(RegExpObjectTest, ReplacementTextRules) {
    const std::string subject = "<ab12>";
    const auto replaced = [&](const std::string& replacement) {
        return makeRegExp("([a-z]+)(\\d+)")->call("Replace", {subject, replacement}).toText();
    };
    EXPECT_EQ(replaced("$2$1"), "<12ab>");
    EXPECT_EQ(replaced("[$&]"), "<[ab12]>");
    EXPECT_EQ(replaced("$`|$'"), "<<|>>");
    EXPECT_EQ(replaced("$$1"), "<$1>");
    EXPECT_EQ(replaced("$10"), "<ab0>");  // no group 10: group 1, then "0"
    EXPECT_EQ(replaced("$0$3$x$"), "<$0$3$x$>");
    EXPECT_EQ(makeRegExp("(a)|(b)")->call("Replace", {"b", "[$1]"}).toText(), "[]");
    const std::string twelveGroups = "(a)(b)(c)(d)(e)(f)(g)(h)(i)(j)(k)(l)";
    EXPECT_EQ(makeRegExp(twelveGroups)->call("Replace", {"abcdefghijkl", "$12$11"}).toText(), "lk");
}

TEST(RegExpObjectTest, MatchesAndSubMatchesReportTheirParts) {
    ObjectRef matches = makeRegExp("(\\d)(x)?", true)->call("Execute", {"a1b2x"}).toObject();
    ASSERT_EQ(matches->get("Count").toInt(), 2);
    ObjectRef second = matches->get("Item", {1}).toObject();
    EXPECT_EQ(second->get("Value").toText(), "2x");
    EXPECT_EQ(second->get("FirstIndex").toInt(), 3);
    EXPECT_EQ(second->get("Length").toInt(), 2);
    ObjectRef firstSubs = matches->get("Item", {0}).toObject()->get("SubMatches").toObject();
    ASSERT_EQ(firstSubs->get("Count").toInt(), 2);
    EXPECT_EQ(firstSubs->get("Item", {0}).toText(), "1");
    EXPECT_TRUE(firstSubs->get("Item", {1}).isEmpty());
    try {
        matches->get("Item", {2});
        FAIL();
    } catch (const AutomationError& error) {
        EXPECT_EQ(error.code(), static_cast<std::int32_t>(0x800A0005u));
    }
    EXPECT_EQ(makeRegExp("\\d")->call("Execute", {"1 2 3"}).toObject()->get("Count").toInt(), 1);
}

TEST(RegExpObjectTest, TextThatIsNotUtf8IsMatchedAsBytes) {
    std::string chm("ITSF\x03\x00\x00\x00\xff\xfe\x80", 11);
    chm += "docs/Table of Contents.hhc\xc3";
    ObjectRef matches = makeRegExp("[\\w\\/]+\\.hhc")->call("Execute", {chm}).toObject();
    ASSERT_EQ(matches->get("Count").toInt(), 1);
    ObjectRef match = matches->get("Item", {0}).toObject();
    EXPECT_EQ(match->get("Value").toText(), "Contents.hhc");
    EXPECT_EQ(match->get("FirstIndex").toInt(), 25);
    EXPECT_TRUE(makeRegExp("^.$")->call("Test", {"\xe9"}).toBool());  // a Latin-1 byte
    EXPECT_TRUE(makeRegExp("^.$")->call("Test", {"é"}).toBool());     // a UTF-8 character
    EXPECT_TRUE(makeRegExp("é", false, true)->call("Test", {"/X/É.CHM"}).toBool());
}

class RegExpLimitTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = CompiledPattern::timeLimit();
        CompiledPattern::setTimeLimit(std::chrono::milliseconds(300));
    }
    void TearDown() override { CompiledPattern::setTimeLimit(saved_); }

    static std::int32_t executeErrorCode(const std::string& pattern, const std::string& subject) {
        try {
            makeRegExp(pattern, true)->call("Execute", {subject});
        } catch (const AutomationError& error) {
            return error.code() & 0xFFFF;
        }
        return 0;
    }

private:
    std::chrono::milliseconds saved_{};
};

TEST_F(RegExpLimitTest, CatastrophicBacktrackingEndsWithAnError) {
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(executeErrorCode("(a+)+$", std::string(40, 'a') + "!"), 28);
    EXPECT_EQ(executeErrorCode("(x+x+)+z", std::string(5000, 'x') + "yz"),
              28);  // long enough for JIT
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(20));
}

TEST_F(RegExpLimitTest, QuadraticScanOfALongTextStopsAtTheTimeLimit) {
    // Every start position scans the whole run of word characters again.
    std::string text(4 * 1024 * 1024, 'a');
    text += 'c';
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(executeErrorCode("[\\w\\/]+\\.hhc", text), 28);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(20));
}

TEST(RegExpObjectTest, RandomPatternsAndBytesEndInAResultOrAScriptError) {
    std::mt19937 random(20261208);
    const std::string alphabet = "ab()[]{}*+?|^$.\\-/,01wdsbux:=!<>\xc3\xa9\xff\x80";
    const auto randomText = [&](std::size_t maxLength) {
        std::string text(random() % (maxLength + 1), ' ');
        for (char& c : text) c = alphabet[random() % alphabet.size()];
        return text;
    };
    for (int i = 0; i < 3000; ++i) {
        const std::string subject = randomText(i % 100 == 0 ? 6000 : 40);
        try {
            ObjectRef regExp = makeRegExp(randomText(12), random() % 2, random() % 2, random() % 2);
            ObjectRef matches = regExp->call("Execute", {subject}).toObject();
            for (std::int64_t m = 0; m < matches->get("Count").toInt(); ++m) {
                ObjectRef match = matches->get("Item", {m}).toObject();
                const std::int64_t end =
                    match->get("FirstIndex").toInt() + match->get("Length").toInt();
                ASSERT_LE(end, static_cast<std::int64_t>(subject.size()));
                ObjectRef subs = match->get("SubMatches").toObject();
                for (std::int64_t s = 0; s < subs->get("Count").toInt(); ++s)
                    subs->get("Item", {s});
            }
            regExp->call("Replace", {subject, "$&$1$`$'$"});
        } catch (const AutomationError&) {
            // an invalid pattern is an expected outcome
        }
    }
}
