#include "platform/office/ServiceManagerObject.h"

#include <com/sun/star/reflection/XIdlReflection.hpp>

#include "platform/office/UnoRuntime.h"
#include "platform/text/AsciiText.h"

namespace platform::office {

ObjectRef ServiceManagerObject::create(const OfficeLaunchSettings& settings,
                                       const OfficeTimeouts& timeouts) {
    return std::make_shared<ServiceManagerObject>(
        std::make_shared<OfficeConnection>(settings, timeouts));
}

ServiceManagerObject::ServiceManagerObject(std::shared_ptr<OfficeConnection> connection)
    : UnoObject(connection, css::uno::Any(connection->serviceManager())) {}

Variant ServiceManagerObject::invoke(std::string_view member, InvokeKind kind,
                                     const VariantList& args) {
    if (kind == InvokeKind::Method && EqualsNoCase(member, "Bridge_GetStruct")) {
        if (args.size() != 1) throw AutomationError::wrongArgumentCount();
        return newStruct(args[0].toText());
    }
    return UnoObject::invoke(member, kind, args);
}

Variant ServiceManagerObject::newStruct(const std::string& typeName) {
    const auto local = localContext();
    css::uno::Reference<css::reflection::XIdlReflection> reflection(
        local->getValueByName("/singletons/com.sun.star.reflection.theCoreReflection"),
        css::uno::UNO_QUERY);
    const auto type = reflection.is() ? reflection->forName(toUno(typeName)) : nullptr;
    if (!type.is())
        throw AutomationError(kOfficeErrorCode, "Unknown struct type \"" + typeName + "\"");
    css::uno::Any value;
    type->createObject(value);
    if (value.getValueTypeClass() != css::uno::TypeClass_STRUCT)
        throw AutomationError(kOfficeErrorCode, "\"" + typeName + "\" is not a struct type");
    return Variant(ObjectRef(std::make_shared<UnoObject>(connection(), value)));
}

}  // namespace platform::office
