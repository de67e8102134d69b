#pragma once
// Reads and writes one declared property of an object as text, looking the
// property up by name without regard to letter case ("Text" finds `text`).
// Booleans and enumerations are read and set by value name ("True"/"False"
// for a check box's `checked`; a boolean is also set from a number, zero
// being false); integers read as decimal digits; any other property as text. Missing properties and
// refused values are ignored.

#include <QMetaProperty>
#include <string>
#include <vector>

class QObject;

class TvxPropList {
public:
    // `instance` is not owned and must outlive the accessor.
    explicit TvxPropList(QObject* instance);

    int PropCount = 0;
    std::vector<QMetaProperty> PropInfos;
    QObject* Instance = nullptr;

    // Empty when the property does not exist or cannot be read.
    std::string GetPropText(const std::string& name) const;
    // An empty text sets a boolean or enumeration to its "False" value name.
    void SetPropText(const std::string& name, const std::string& text);

private:
    const QMetaProperty* Find(const std::string& name) const;
};
