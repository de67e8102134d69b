#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "platform/automation/AutomationCreation.h"
#include "platform/automation/AutomationRegistry.h"

using namespace platform;

namespace {

class Counter : public DispatchObject {
public:
    Counter() {
        addProperty("Value", [this](const VariantList&) { return Variant(value_); });
        addProperty(
            "Step", [this](const VariantList&) { return Variant(step_); },
            [this](const Variant& v, const VariantList&) { step_ = v.toInt(); });
        addMethod("Add", [this](const VariantList& args) {
            value_ += args.empty() ? step_ : args[0].toInt();
            return Variant(value_);
        });
    }

private:
    std::int64_t value_ = 0;
    std::int64_t step_ = 1;
};

const char* const FakeProgId = "Pellin.TestCounter";
const char* const FakeClassId = "{11111111-2222-3333-4444-555555555555}";

AutomationFactory counterFactory() {
    return [] { return std::make_shared<Counter>(); };
}

}  // namespace

TEST(AutomationDispatchTest, MembersAreFoundWithoutRegardToCase) {
    Counter counter;
    counter.put("STEP", 5);
    EXPECT_EQ(counter.call("add").toInt(), 5);
    EXPECT_EQ(counter.call("ADD", {2}).toInt(), 7);
    EXPECT_EQ(counter.get("value").toInt(), 7);
    EXPECT_EQ(counter.get("Add").toInt(), 12);  // a method read as a property is called
}

TEST(AutomationDispatchTest, UnknownMembersAndReadOnlyWritesFail) {
    Counter counter;
    const auto expectMemberNotFound = [](const std::function<void()>& action) {
        try {
            action();
            ADD_FAILURE() << "no error";
        } catch (const AutomationError& error) {
            EXPECT_EQ(error.code(), static_cast<std::int32_t>(0x800A01B6u));
            EXPECT_STREQ(error.what(), "Object doesn't support this property or method");
        }
    };
    expectMemberNotFound([&] { counter.call("Missing"); });
    expectMemberNotFound([&] { counter.put("Value", 3); });
    expectMemberNotFound([&] { counter.put("Add", 3); });
}

TEST(AutomationCreationTest, UnknownNamesAreReportedWithTheNameAppended) {
    try {
        CreateAutomationObject("Foo.Bar");
        FAIL();
    } catch (const AutomationError& error) {
        EXPECT_STREQ(error.what(), "Invalid class string, ProgID: \"Foo.Bar\"");
        EXPECT_EQ(error.code(), static_cast<std::int32_t>(0x800401F3u));
    }
    try {
        CreateObjectByClassId(FakeClassId);
        FAIL();
    } catch (const AutomationError& error) {
        EXPECT_EQ(std::string(error.what()),
                  std::string("Class not registered, ClassID: ") + FakeClassId);
        EXPECT_EQ(error.code(), static_cast<std::int32_t>(0x80040154u));
    }
}

TEST(AutomationCreationTest, OnlyAutomationFailuresOfAServerAreReworded) {
    {
        ScopedRegistration failing(FakeProgId, FakeClassId, []() -> ObjectRef {
            throw AutomationError::scriptError(429, "ActiveX component can't create object");
        });
        try {
            CreateAutomationObject(FakeProgId);
            FAIL();
        } catch (const AutomationError& error) {
            EXPECT_EQ(std::string(error.what()),
                      std::string("ActiveX component can't create object, ProgID: \"") +
                          FakeProgId + "\"");
            EXPECT_EQ(error.code(), static_cast<std::int32_t>(0x800A01ADu));
        }
    }
    ScopedRegistration throwing(FakeProgId, "",
                                []() -> ObjectRef { throw std::runtime_error("plain"); });
    try {
        CreateAutomationObject(FakeProgId);
        FAIL();
    } catch (const AutomationError&) {
        FAIL() << "a plain error must not be reworded";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "plain");
    }
}

TEST(AutomationRegistryTest, ScopedRegistrationsNestAndRestoreWhatWasThere) {
    {
        ScopedRegistration outer(FakeProgId, FakeClassId, counterFactory());
        EXPECT_TRUE(CreateAutomationObject("pellin.testcounter"));  // ProgIDs ignore case
        EXPECT_TRUE(CreateObjectByClassId("{11111111-2222-3333-4444-555555555555}"));
        {
            ScopedRegistration hidden("", FakeClassId, nullptr);  // an empty factory hides the name
            EXPECT_THROW(CreateObjectByClassId(FakeClassId), AutomationError);
            EXPECT_TRUE(CreateAutomationObject(FakeProgId));
        }
        EXPECT_TRUE(CreateObjectByClassId(FakeClassId));
    }
    EXPECT_THROW(CreateAutomationObject(FakeProgId), AutomationError);
    EXPECT_THROW(CreateObjectByClassId(FakeClassId), AutomationError);
}

TEST(AutomationRegistryTest, TheRegularExpressionServerIsBuiltIn) {
    ObjectRef regExp = CreateObjectByClassId("{3f4daca4-160d-11d2-a8e9-00104b365c9f}");
    regExp->put("Pattern", "b+");
    EXPECT_TRUE(regExp->call("Test", {"abbc"}).toBool());
}

TEST(AutomationRegistryTest, ObjectsAreCreatedConcurrentlyWhileRegistrationsChange) {
    ScopedRegistration counter(FakeProgId, FakeClassId, counterFactory());
    std::atomic<int> created{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&] {
            for (int i = 0; i < 200; ++i) {
                if (CreateAutomationObject(FakeProgId)->call("Add").toInt() == 1) ++created;
            }
        });
    }
    for (int i = 0; i < 200; ++i) ScopedRegistration other("Pellin.Other", "", counterFactory());
    for (auto& thread : threads) thread.join();
    EXPECT_EQ(created.load(), 800);
}
