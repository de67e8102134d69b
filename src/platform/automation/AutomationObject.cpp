#include "platform/automation/AutomationObject.h"

namespace platform {

Variant AutomationObject::call(std::string_view member, const VariantList& args) {
    return invoke(member, InvokeKind::Method, args);
}

Variant AutomationObject::get(std::string_view member, const VariantList& args) {
    return invoke(member, InvokeKind::PropertyGet, args);
}

void AutomationObject::put(std::string_view member, const Variant& value, const VariantList& args) {
    VariantList withValue = args;
    withValue.push_back(value);
    invoke(member, InvokeKind::PropertyPut, withValue);
}

// Late-bound callers do not always know whether a name is a method or a
// property, so a method is also readable as a property and a property
// callable as a method; only writes need a setter.
Variant DispatchObject::invoke(std::string_view member, InvokeKind kind, const VariantList& args) {
    const auto found = members_.find(member);
    if (found == members_.end()) throw AutomationError::memberNotFound();
    const Member& entry = found->second;
    switch (kind) {
        case InvokeKind::Method:
            if (entry.method) return entry.method(args);
            if (entry.getter) return entry.getter(args);
            break;
        case InvokeKind::PropertyGet:
            if (entry.getter) return entry.getter(args);
            if (entry.method) return entry.method(args);
            break;
        case InvokeKind::PropertyPut:
            if (entry.setter) {
                if (args.empty()) throw AutomationError::wrongArgumentCount();
                const VariantList indices(args.begin(), args.end() - 1);
                entry.setter(args.back(), indices);
                return {};
            }
            break;
    }
    throw AutomationError::memberNotFound();
}

void DispatchObject::addMethod(std::string name, Method method) {
    members_[std::move(name)].method = std::move(method);
}

void DispatchObject::addProperty(std::string name, Getter getter, Setter setter) {
    Member& entry = members_[std::move(name)];
    entry.getter = std::move(getter);
    entry.setter = std::move(setter);
}

}  // namespace platform
