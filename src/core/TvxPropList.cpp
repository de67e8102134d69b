#include "core/TvxPropList.h"

#include <QMetaEnum>
#include <QMetaObject>
#include <QObject>
#include <QVariant>
#include <optional>

#include "core/OptionList.h"
#include "core/OptionParsers.h"
#include "platform/text/AsciiText.h"

namespace {

bool IsBoolean(const QMetaProperty& prop) { return prop.metaType().id() == QMetaType::Bool; }

bool IsEnumerated(const QMetaProperty& prop) { return IsBoolean(prop) || prop.isEnumType(); }

bool IsInteger(const QMetaProperty& prop) {
    switch (prop.metaType().id()) {
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::Long:
        case QMetaType::ULong:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Short:
        case QMetaType::UShort:
            return true;
        default:
            return false;
    }
}

std::string EnumName(const QMetaProperty& prop, const QVariant& value) {
    if (IsBoolean(prop)) return value.toBool() ? "True" : "False";
    const char* key = prop.enumerator().valueToKey(value.toInt());
    return key ? key : "";
}

// The value for a value name, compared without regard to case. A boolean
// also takes the numbers the option getters take, so a check box bound to
// "Subdir=1" shows what the run will do.
std::optional<QVariant> EnumValue(const QMetaProperty& prop, const std::string& name) {
    if (IsBoolean(prop)) {
        if (const auto value = options::ParseBoolean(name)) return QVariant(*value);
        return std::nullopt;
    }
    const QMetaEnum meta = prop.enumerator();
    for (int i = 0; i < meta.keyCount(); ++i)
        if (platform::EqualsNoCase(name, meta.key(i))) return QVariant(meta.value(i));
    return std::nullopt;
}

}  // namespace

TvxPropList::TvxPropList(QObject* instance) : Instance(instance) {
    if (!instance) return;
    const QMetaObject* meta = instance->metaObject();
    PropCount = meta->propertyCount();
    PropInfos.reserve(static_cast<std::size_t>(PropCount));
    for (int i = 0; i < PropCount; ++i) PropInfos.push_back(meta->property(i));
}

const QMetaProperty* TvxPropList::Find(const std::string& name) const {
    for (const auto& prop : PropInfos)
        if (platform::EqualsNoCase(name, prop.name())) return &prop;
    return nullptr;
}

std::string TvxPropList::GetPropText(const std::string& name) const {
    const QMetaProperty* prop = Find(name);
    if (!prop || !Instance || !prop->isReadable()) return {};
    const QVariant value = prop->read(Instance);
    if (!value.isValid()) return {};
    if (IsEnumerated(*prop)) return EnumName(*prop, value);
    if (IsInteger(*prop)) return std::to_string(value.toLongLong());
    return value.toString().toStdString();
}

void TvxPropList::SetPropText(const std::string& name, const std::string& text) {
    const QMetaProperty* prop = Find(name);
    if (!prop || !Instance || !prop->isWritable()) return;
    if (IsEnumerated(*prop)) {
        if (const auto value = EnumValue(*prop, text.empty() ? "False" : text))
            prop->write(Instance, *value);
        return;
    }
    prop->write(Instance, QVariant(QString::fromStdString(text)));
}
