#pragma once
// A UNO object or struct of the office reached by member name. The calls go
// through an Invocation made in this process, so an unknown member is refused
// here (438) instead of reaching the office, whose own invocation would tear
// down the connection.

#include <com/sun/star/script/XInvocation.hpp>
#include <com/sun/star/uno/Any.hxx>
#include <memory>

#include "platform/automation/AutomationObject.h"
#include "platform/office/OfficeConnection.h"

namespace platform::office {

class UnoObject : public AutomationObject {
public:
    // target holds an interface or a struct.
    UnoObject(std::shared_ptr<OfficeConnection> connection, const css::uno::Any& target);

    Variant invoke(std::string_view member, InvokeKind kind, const VariantList& args) override;

    // The value to pass back into the office: the interface, or the struct
    // with the members written so far.
    css::uno::Any material() const;

protected:
    const std::shared_ptr<OfficeConnection>& connection() const { return connection_; }

private:
    std::string exactName(std::string_view member) const;
    std::chrono::milliseconds limitFor(const std::string& member) const;
    Variant callMethod(const std::string& name, const VariantList& args);

    std::shared_ptr<OfficeConnection> connection_;
    css::uno::Any target_;
    css::uno::Reference<css::script::XInvocation> invocation_;
};

// Variant <-> Any. Objects wrap as UnoObject sharing the connection.
css::uno::Any toAny(const Variant& value);
Variant fromAny(const css::uno::Any& value, const std::shared_ptr<OfficeConnection>& connection);

}  // namespace platform::office
