#pragma once
// An object whose members are read, written and called by name, as late-bound
// automation calls are made. Member names compare without regard to case.

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "platform/automation/AutomationError.h"
#include "platform/automation/Variant.h"
#include "platform/text/AsciiText.h"

namespace platform {

class AutomationObject : public std::enable_shared_from_this<AutomationObject> {
public:
    enum class InvokeKind { Method, PropertyGet, PropertyPut };

    virtual ~AutomationObject() = default;

    // For PropertyPut the new value is the last argument. An unknown member
    // throws AutomationError::memberNotFound().
    virtual Variant invoke(std::string_view member, InvokeKind kind, const VariantList& args) = 0;

    Variant call(std::string_view member, const VariantList& args = {});
    Variant get(std::string_view member, const VariantList& args = {});
    void put(std::string_view member, const Variant& value, const VariantList& args = {});
};

// Base for objects written in C++: members are registered in a table by name.
class DispatchObject : public AutomationObject {
public:
    using Method = std::function<Variant(const VariantList& args)>;
    using Getter = std::function<Variant(const VariantList& args)>;
    using Setter = std::function<void(const Variant& value, const VariantList& args)>;

    Variant invoke(std::string_view member, InvokeKind kind, const VariantList& args) override;

protected:
    void addMethod(std::string name, Method method);
    // A property without a setter is read-only (a write throws memberNotFound).
    void addProperty(std::string name, Getter getter, Setter setter = nullptr);

private:
    struct Member {
        Method method;
        Getter getter;
        Setter setter;
    };
    std::map<std::string, Member, LessNoCase> members_;
};

}  // namespace platform
