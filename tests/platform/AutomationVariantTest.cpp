#include <gtest/gtest.h>

#include "platform/automation/AutomationObject.h"
#include "platform/automation/Variant.h"

using platform::AutomationError;
using platform::Variant;

namespace {

std::int32_t codeOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const AutomationError& error) {
        return error.code();
    }
    ADD_FAILURE() << "no AutomationError";
    return 0;
}

constexpr std::int32_t TypeMismatch = static_cast<std::int32_t>(0x800A000Du);

}  // namespace

TEST(AutomationVariantTest, TextConvertsToNumbersAndBooleansLikeAutomation) {
    EXPECT_EQ(Variant(" 42 ").toInt(), 42);
    EXPECT_DOUBLE_EQ(Variant("-1.5").toDouble(), -1.5);
    EXPECT_TRUE(Variant("true").toBool());
    EXPECT_FALSE(Variant("FALSE").toBool());
    EXPECT_TRUE(Variant("3").toBool());
    EXPECT_FALSE(Variant("0").toBool());
    EXPECT_EQ(codeOf([] { Variant("abc").toInt(); }), TypeMismatch);
    EXPECT_EQ(codeOf([] { Variant("").toBool(); }), TypeMismatch);
    EXPECT_EQ(codeOf([] { Variant("12abc").toDouble(); }), TypeMismatch);
}

TEST(AutomationVariantTest, NumbersNarrowWithHalfToEvenRoundingAndOverflowIsAnError) {
    EXPECT_EQ(Variant(2.5).toInt(), 2);
    EXPECT_EQ(Variant(3.5).toInt(), 4);
    EXPECT_EQ(Variant(-2.5).toInt(), -2);
    EXPECT_EQ(Variant(true).toInt(), -1);
    EXPECT_EQ(codeOf([] { Variant(1e30).toInt(); }), static_cast<std::int32_t>(0x800A0006u));
}

TEST(AutomationVariantTest, TextOfEachKind) {
    EXPECT_EQ(Variant(true).toText(), "True");
    EXPECT_EQ(Variant(false).toText(), "False");
    EXPECT_EQ(Variant(std::int64_t{-7}).toText(), "-7");
    EXPECT_EQ(Variant(0.1).toText(), "0.1");
    EXPECT_EQ(Variant(1e20).toText(), "1E+20");
    EXPECT_EQ(Variant(std::size_t{7}).kind(), Variant::Kind::Int);
    EXPECT_EQ(Variant(UINT64_MAX).kind(), Variant::Kind::Double);
    EXPECT_EQ(Variant().toText(), "");
    const std::string bytes("\xff\x00\xfe", 3);
    EXPECT_EQ(Variant(bytes).toText(), bytes);  // never re-encoded
    EXPECT_EQ(codeOf([] { Variant::null().toText(); }), TypeMismatch);
    EXPECT_EQ(codeOf([] { Variant(Variant::omitted()).toText(); }), TypeMismatch);
}

TEST(AutomationVariantTest, ObjectsAndArraysAreOnlyWhatTheyAre) {
    EXPECT_EQ(codeOf([] { Variant("x").toObject(); }), static_cast<std::int32_t>(0x800A01A8u));
    EXPECT_EQ(codeOf([] { Variant(1).toArray(); }), TypeMismatch);
    const Variant list(std::vector<Variant>{1, "two"});
    ASSERT_EQ(list.toArray().size(), 2u);
    EXPECT_EQ(list.toArray()[1].toText(), "two");
    EXPECT_TRUE(Variant::omitted().isOmitted());
    EXPECT_EQ(Variant::null().kind(), Variant::Kind::Null);
}

TEST(AutomationVariantTest, EqualityComparesNumbersAcrossKindsButNotTextWithNumbers) {
    EXPECT_EQ(Variant(3), Variant(3.0));
    EXPECT_FALSE(Variant(3) == Variant("3"));
    EXPECT_FALSE(Variant() == Variant::null());
    EXPECT_FALSE(Variant::null() == Variant::omitted());
    EXPECT_EQ(Variant("a"), Variant(std::string("a")));
}
