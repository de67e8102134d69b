#include "platform/office/UnoObject.h"

#include <com/sun/star/beans/XExactName.hpp>
#include <com/sun/star/beans/XMaterialHolder.hpp>
#include <com/sun/star/lang/XSingleServiceFactory.hpp>
#include <com/sun/star/reflection/InvocationTargetException.hpp>
#include <com/sun/star/script/XTypeConverter.hpp>
#include <cppu/unotype.hxx>
#include <limits>

#include "platform/office/UnoRuntime.h"

namespace platform::office {

namespace {

using css::uno::Any;
using css::uno::Reference;
using css::uno::Sequence;
using css::uno::TypeClass;

Reference<css::script::XInvocation> makeInvocation(const Any& target) {
    const auto local = localContext();
    Reference<css::lang::XSingleServiceFactory> factory(
        local->getServiceManager()->createInstanceWithContext("com.sun.star.script.Invocation",
                                                              local),
        css::uno::UNO_QUERY_THROW);
    // The Invocation service is reached only through this factory interface.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    return Reference<css::script::XInvocation>(
        factory->createInstanceWithArguments(Sequence<Any>(&target, 1)), css::uno::UNO_QUERY_THROW);
#pragma GCC diagnostic pop
}

Sequence<Any> toAnySequence(const Any& value) {
    const auto local = localContext();
    Reference<css::script::XTypeConverter> converter(
        local->getServiceManager()->createInstanceWithContext("com.sun.star.script.Converter",
                                                              local),
        css::uno::UNO_QUERY_THROW);
    Sequence<Any> items;
    converter->convertTo(value, cppu::UnoType<Sequence<Any>>::get()) >>= items;
    return items;
}

Sequence<Any> toAnys(const VariantList& args) {
    Sequence<Any> result(static_cast<sal_Int32>(args.size()));
    Any* out = result.getArray();
    for (const Variant& arg : args) *out++ = toAny(arg);
    return result;
}

Variant fromNumber(const Any& value) {
    switch (value.getValueTypeClass()) {
        case TypeClass::TypeClass_FLOAT:
        case TypeClass::TypeClass_DOUBLE: {
            double d = 0;
            value >>= d;
            return Variant(d);
        }
        case TypeClass::TypeClass_UNSIGNED_HYPER: {
            sal_uInt64 u = 0;
            value >>= u;
            return Variant(static_cast<std::int64_t>(u));
        }
        default: {
            sal_Int64 i = 0;
            value >>= i;
            return Variant(static_cast<std::int64_t>(i));
        }
    }
}

}  // namespace

Any toAny(const Variant& value) {
    switch (value.kind()) {
        case Variant::Kind::Bool:
            return Any(value.toBool());
        case Variant::Kind::Int: {
            const std::int64_t i = value.toInt();
            if (i >= std::numeric_limits<sal_Int32>::min() &&
                i <= std::numeric_limits<sal_Int32>::max())
                return Any(static_cast<sal_Int32>(i));
            return Any(static_cast<sal_Int64>(i));
        }
        case Variant::Kind::Double:
            return Any(value.toDouble());
        case Variant::Kind::Text:
            return Any(toUno(value.toText()));
        case Variant::Kind::Object: {
            const auto object = std::dynamic_pointer_cast<UnoObject>(value.toObject());
            if (!object) throw AutomationError::typeMismatch();
            return object->material();
        }
        case Variant::Kind::Array: {
            Sequence<Any> items(static_cast<sal_Int32>(value.toArray().size()));
            Any* out = items.getArray();
            for (const Variant& item : value.toArray()) *out++ = toAny(item);
            return Any(items);
        }
        default:
            return Any();
    }
}

Variant fromAny(const Any& value, const std::shared_ptr<OfficeConnection>& connection) {
    switch (value.getValueTypeClass()) {
        case TypeClass::TypeClass_VOID:
            return Variant();
        case TypeClass::TypeClass_BOOLEAN:
            return Variant(*static_cast<const sal_Bool*>(value.getValue()) != 0);
        case TypeClass::TypeClass_STRING: {
            OUString text;
            value >>= text;
            return Variant(fromUno(text));
        }
        case TypeClass::TypeClass_CHAR:
            return Variant(fromUno(OUString(*static_cast<const sal_Unicode*>(value.getValue()))));
        case TypeClass::TypeClass_ENUM:
            return Variant(
                static_cast<std::int64_t>(*static_cast<const sal_Int32*>(value.getValue())));
        case TypeClass::TypeClass_BYTE:
        case TypeClass::TypeClass_SHORT:
        case TypeClass::TypeClass_UNSIGNED_SHORT:
        case TypeClass::TypeClass_LONG:
        case TypeClass::TypeClass_UNSIGNED_LONG:
        case TypeClass::TypeClass_HYPER:
        case TypeClass::TypeClass_UNSIGNED_HYPER:
        case TypeClass::TypeClass_FLOAT:
        case TypeClass::TypeClass_DOUBLE:
            return fromNumber(value);
        case TypeClass::TypeClass_INTERFACE: {
            Reference<css::uno::XInterface> object;
            value >>= object;
            if (!object.is()) return Variant::null();
            return Variant(ObjectRef(std::make_shared<UnoObject>(connection, value)));
        }
        case TypeClass::TypeClass_STRUCT:
        case TypeClass::TypeClass_EXCEPTION:
            return Variant(ObjectRef(std::make_shared<UnoObject>(connection, value)));
        case TypeClass::TypeClass_SEQUENCE: {
            VariantList items;
            for (const Any& item : toAnySequence(value)) items.push_back(fromAny(item, connection));
            return Variant(std::move(items));
        }
        case TypeClass::TypeClass_TYPE: {
            css::uno::Type type;
            value >>= type;
            return Variant(fromUno(type.getTypeName()));
        }
        default:
            throw AutomationError::typeMismatch();
    }
}

UnoObject::UnoObject(std::shared_ptr<OfficeConnection> connection, const Any& target)
    : connection_(std::move(connection)), target_(target) {
    invocation_ = connection_->call(connection_->timeouts().quick, "inspecting an object",
                                    [&] { return makeInvocation(target); });
}

Any UnoObject::material() const {
    Reference<css::beans::XMaterialHolder> holder(invocation_, css::uno::UNO_QUERY);
    if (target_.getValueTypeClass() != TypeClass::TypeClass_INTERFACE && holder.is())
        return holder->getMaterial();
    return target_;
}

std::string UnoObject::exactName(std::string_view member) const {
    Reference<css::beans::XExactName> names(invocation_, css::uno::UNO_QUERY);
    const OUString asked = toUno(std::string(member));
    if (!names.is()) return std::string(member);
    const OUString exact = names->getExactName(asked);
    return exact.isEmpty() ? std::string() : fromUno(exact);
}

std::chrono::milliseconds UnoObject::limitFor(const std::string& member) const {
    const auto& limits = connection_->timeouts();
    if (member == "storeToURL" || member == "storeAsURL" || member == "store" || member == "print")
        return limits.export_;
    if (member == "loadComponentFromURL" || member == "insertDocumentFromURL") return limits.load;
    return limits.quick;
}

Variant UnoObject::callMethod(const std::string& name, const VariantList& args) {
    Sequence<sal_Int16> outIndices;
    Sequence<Any> outValues;
    try {
        const Any result = invocation_->invoke(toUno(name), toAnys(args), outIndices, outValues);
        return fromAny(result, connection_);
    } catch (const css::reflection::InvocationTargetException& e) {
        // Report what the office itself raised, not the wrapper.
        css::uno::Exception inner;
        if (e.TargetException >>= inner) throw css::uno::RuntimeException(inner.Message);
        throw;
    }
}

Variant UnoObject::invoke(std::string_view member, InvokeKind kind, const VariantList& args) {
    const std::string what = "the call of " + std::string(member);
    return connection_->call(limitFor(std::string(member)), what, [&]() -> Variant {
        const std::string name = exactName(member);
        if (name.empty()) throw AutomationError::memberNotFound();
        const OUString unoName = toUno(name);
        const bool isMethod = invocation_->hasMethod(unoName);
        const bool isProperty = invocation_->hasProperty(unoName);
        if (kind == InvokeKind::PropertyPut) {
            if (!isProperty || args.empty()) throw AutomationError::memberNotFound();
            invocation_->setValue(unoName, toAny(args.back()));
            return Variant();
        }
        if (isMethod) return callMethod(name, args);
        if (isProperty && args.empty()) return fromAny(invocation_->getValue(unoName), connection_);
        throw AutomationError::memberNotFound();
    });
}

}  // namespace platform::office
