#include <gtest/gtest.h>

#include <vector>

#include "platform/automation/AutomationRegistry.h"
#include "regex/VBScriptRegex.h"

using namespace vbregex;
using platform::AutomationError;
using platform::ObjectRef;
using platform::Variant;
using platform::VariantList;

namespace {

// Stands in for the library object: records what the wrapper sets before each
// call and fails as told.
class RecordingRegExp : public platform::DispatchObject {
public:
    std::vector<std::string>& log;
    std::function<void()> failure;

    explicit RecordingRegExp(std::vector<std::string>& sharedLog) : log(sharedLog) {
        for (const char* name : {"Pattern", "IgnoreCase", "Global", "Multiline"}) {
            addProperty(
                name,
                [this, name](const VariantList&) {
                    fail();
                    return Variant(name);
                },
                [this, name](const Variant& value, const VariantList&) {
                    log.push_back(std::string(name) + "=" + value.toText());
                });
        }
        for (const char* name : {"Test", "Execute", "Replace"}) {
            addMethod(name, [this, name](const VariantList&) {
                log.push_back(name);
                fail();
                return std::string(name) == "Execute" ? Variant(shared_from_this())
                                                      : Variant(false);
            });
        }
    }

private:
    void fail() {
        if (failure) failure();
    }
};

class FakeLibrary {
public:
    std::vector<std::string> log;
    std::function<void()> failure;
    int created = 0;

    FakeLibrary()
        : registration_("", RegExpClassId, [this] {
              ++created;
              auto object = std::make_shared<RecordingRegExp>(log);
              object->failure = failure;
              return ObjectRef(object);
          }) {}

private:
    platform::ScopedRegistration registration_;
};

}  // namespace

TEST(VBScriptRegexTest, ErrorTableHasItsRowsInOrder) {
    ASSERT_NE(FindScriptError(429), nullptr);
    EXPECT_STREQ(FindScriptError(429)->Message, "ActiveX component can't create object");
    EXPECT_STREQ(FindScriptError(5017)->Message, "Syntax error in regular expression");
    EXPECT_STREQ(FindScriptError(450)->Message,
                 "Wrong number of arguments or invalid property assignment");
    EXPECT_EQ(FindScriptError(429) + 42, FindScriptError(450));  // 43 rows, first to last
    EXPECT_EQ(FindScriptError(0x1399), FindScriptError(5017));
    EXPECT_EQ(FindScriptError(1234), nullptr);
}

TEST(VBScriptRegexTest, TheOneCallHelpersDoWhatTheProgramNeeds) {
    EXPECT_EQ(Regex::Replace("^file:/*", "file:///C:/docs/a.chm", ""), "C:/docs/a.chm");
    EXPECT_EQ(Regex::Replace("^file:/*", "/home/a/file:/x.chm", ""), "/home/a/file:/x.chm");
    EXPECT_EQ(Regex::Replace("^file:/*", "FILE:///x", ""), "FILE:///x");  // letter case respected
    EXPECT_TRUE(Regex::IsMatch(".*\\.chm$", IgnoreCase, "/DOCS/GUIDE.CHM"));
    EXPECT_FALSE(Regex::IsMatch(".*\\.chm$", None, "/DOCS/GUIDE.CHM"));
    EXPECT_TRUE(Regex::IsMatch("$", None, "/anything"));
    MatchCollectionRef found = Regex::Match("[\\w\\/]+\\.hhc", "one/toc.hhc two/other.hhc");
    ASSERT_EQ(found->Count(), 1);
    EXPECT_EQ(found->Item(0)->Value(), "one/toc.hhc");
}

TEST(VBScriptRegexTest, WrapperReadsMatchesAndSubMatches) {
    RegexRef regex = Regex::Create("(\\w+)@(\\w+)?", IgnoreCase | Multiline);
    EXPECT_EQ(regex->Pattern(), "(\\w+)@(\\w+)?");
    EXPECT_TRUE(regex->IgnoreCase());
    EXPECT_TRUE(regex->Multiline());
    MatchCollectionRef all = regex->Matches("a@b c@");
    ASSERT_EQ(all->Count(), 2);
    MatchRef second = all->Item(1);
    EXPECT_EQ(second->Value(), "c@");
    EXPECT_EQ(second->FirstIndex(), 4);
    EXPECT_EQ(second->Length(), 2);
    SubMatchesRef subs = second->SubMatches();
    ASSERT_EQ(subs->Count(), 2);
    EXPECT_EQ(subs->Item(0).toText(), "c");
    EXPECT_TRUE(subs->Item(1).isEmpty());
    EXPECT_EQ(regex->Match("a@b c@")->Count(), 1);  // Matches left the global flag set
    EXPECT_EQ(regex->ReplaceAll("a@b c@", "<$1>"), "<a> <c>");
    EXPECT_EQ(regex->Replace("a@b c@", "<$1>"), "<a> c@");
    EXPECT_THROW(all->Item(2), AutomationError);  // out of range: the library's error, unconverted
}

TEST(VBScriptRegexTest, PatternErrorsBecomeRegexExceptionsWithTheFullCode) {
    try {
        Regex::IsMatch("(unbalanced", None, "text");
        FAIL();
    } catch (const ERegexException& error) {
        EXPECT_STREQ(error.what(), "Expected ')' in regular expression");
        EXPECT_EQ(error.ErrorCode, static_cast<std::int32_t>(0x800A139Cu));
    }
    try {
        Regex::Match("a**", "aaa");
        FAIL();
    } catch (const ERegexException& error) {
        EXPECT_STREQ(error.what(), "Unexpected quantifier");
        EXPECT_EQ(error.ErrorCode, static_cast<std::int32_t>(0x800A139Au));
    }
    EXPECT_THROW(Regex::Replace("[z-a]", "x", ""), ERegexException);
}

TEST(VBScriptRegexTest, EachMatchingOperationSetsTheGlobalFlagItself) {
    FakeLibrary library;
    RegexRef regex = Regex::Create("p", IgnoreCase);
    regex->Matches("x");
    regex->IsMatch("x");
    regex->ReplaceAll("x", "y");
    regex->Match("x");
    regex->Replace("x", "y");
    EXPECT_EQ(library.log, (std::vector<std::string>{
                               "Pattern=p", "IgnoreCase=True", "Multiline=False", "Global=True",
                               "Execute", "Global=False", "Test", "Global=True", "Replace",
                               "Global=False", "Execute", "Global=False", "Replace"}));
}

TEST(VBScriptRegexTest, EveryClassLevelCallCreatesAFreshObject) {
    FakeLibrary library;
    Regex::IsMatch("a", None, "a");
    Regex::IsMatch("a", None, "a");
    Regex::Replace("a", "a", "");
    EXPECT_EQ(library.created, 3);
}

TEST(VBScriptRegexTest, OnlyMatchingOperationsConvertLibraryFailures) {
    FakeLibrary library;
    library.failure = [] {
        throw AutomationError(static_cast<std::int32_t>(0x80041234u), "library words");
    };
    RegexRef regex = Regex::Create("p", None);
    try {
        regex->IsMatch("x");
        FAIL();
    } catch (const ERegexException& error) {
        EXPECT_STREQ(error.what(), "library words");  // not in the table: the library's message
        EXPECT_EQ(error.ErrorCode, static_cast<std::int32_t>(0x80041234u));
    }
    EXPECT_THROW(regex->Pattern(), AutomationError);

    library.failure = [] {
        throw AutomationError(static_cast<std::int32_t>(0x800A000Du), "whatever");
    };
    try {
        Regex::Create("p", None)->Matches("x");
        FAIL();
    } catch (const ERegexException& error) {
        EXPECT_STREQ(error.what(), "Type mismatch");  // in the table: the table's message
    }

    library.failure = [] { throw std::logic_error("not the library's"); };
    EXPECT_THROW(Regex::Create("p", None)->ReplaceAll("x", ""), std::logic_error);
}

TEST(VBScriptRegexTest, AMissingLibraryFailsCreationNamingTheClass) {
    platform::ScopedRegistration hidden("", RegExpClassId, nullptr);
    try {
        Regex::IsMatch("a", None, "a");
        FAIL();
    } catch (const ERegexException&) {
        FAIL() << "creation failures are not converted";
    } catch (const AutomationError& error) {
        EXPECT_EQ(std::string(error.what()),
                  std::string("Class not registered, ClassID: ") + RegExpClassId);
    }
    EXPECT_THROW(TRegex(nullptr), AutomationError);
}
