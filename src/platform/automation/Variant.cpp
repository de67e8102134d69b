#include "platform/automation/Variant.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

#include "platform/automation/AutomationError.h"
#include "platform/automation/AutomationObject.h"
#include "platform/text/AsciiText.h"

namespace platform {

namespace {

std::string_view trimmed(std::string_view text) {
    const char* spaces = " \t\r\n";
    const auto first = text.find_first_not_of(spaces);
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(spaces);
    return text.substr(first, last - first + 1);
}

// A number written in text; anything else is a type mismatch, as in automation.
double parseNumber(std::string_view text) {
    auto body = trimmed(text);
    if (!body.empty() && body.front() == '+') body.remove_prefix(1);
    double value = 0;
    const auto [end, error] = std::from_chars(body.data(), body.data() + body.size(), value);
    if (body.empty() || error != std::errc() || end != body.data() + body.size())
        throw AutomationError::typeMismatch();
    return value;
}

std::int64_t roundToInteger(double value) {
    // Automation rounds half to even when it narrows a double to an integer.
    const double rounded = std::nearbyint(value);
    if (!std::isfinite(rounded) || rounded < -9.2233720368547758e18 ||
        rounded >= 9.2233720368547758e18)
        throw AutomationError::scriptError(6, "Overflow");
    return static_cast<std::int64_t>(rounded);
}

std::string formatDouble(double value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    std::string text = buffer;
    for (char& c : text) {
        if (c == 'e') c = 'E';  // automation writes exponents as "1E+20"
    }
    return text;
}

}  // namespace

Variant::Variant(bool value) : kind_(Kind::Bool), value_(value) {}
Variant::Variant(int value) : kind_(Kind::Int), value_(std::int64_t{value}) {}
Variant::Variant(std::int64_t value) : kind_(Kind::Int), value_(value) {}
Variant::Variant(double value) : kind_(Kind::Double), value_(value) {}
Variant::Variant(std::string value) : kind_(Kind::Text), value_(std::move(value)) {}
Variant::Variant(const char* value) : kind_(Kind::Text), value_(std::string(value ? value : "")) {}
Variant::Variant(ObjectRef value) : kind_(Kind::Object), value_(std::move(value)) {}
Variant::Variant(std::vector<Variant> value) : kind_(Kind::Array), value_(std::move(value)) {}

Variant Variant::null() {
    Variant result;
    result.kind_ = Kind::Null;
    return result;
}

Variant Variant::omitted() {
    Variant result;
    result.kind_ = Kind::Omitted;
    return result;
}

bool Variant::toBool() const {
    switch (kind_) {
        case Kind::Empty:
            return false;
        case Kind::Bool:
            return std::get<bool>(value_);
        case Kind::Int:
            return std::get<std::int64_t>(value_) != 0;
        case Kind::Double:
            return std::get<double>(value_) != 0.0;
        case Kind::Text: {
            const auto text = trimmed(std::get<std::string>(value_));
            if (EqualsNoCase(text, "True")) return true;
            if (EqualsNoCase(text, "False")) return false;
            return parseNumber(text) != 0.0;
        }
        default:
            throw AutomationError::typeMismatch();
    }
}

std::int64_t Variant::toInt() const {
    switch (kind_) {
        case Kind::Empty:
            return 0;
        case Kind::Bool:
            return std::get<bool>(value_) ? -1 : 0;  // automation's true is all bits set
        case Kind::Int:
            return std::get<std::int64_t>(value_);
        case Kind::Double:
            return roundToInteger(std::get<double>(value_));
        case Kind::Text:
            return roundToInteger(parseNumber(std::get<std::string>(value_)));
        default:
            throw AutomationError::typeMismatch();
    }
}

double Variant::toDouble() const {
    switch (kind_) {
        case Kind::Empty:
            return 0.0;
        case Kind::Bool:
            return std::get<bool>(value_) ? -1.0 : 0.0;
        case Kind::Int:
            return static_cast<double>(std::get<std::int64_t>(value_));
        case Kind::Double:
            return std::get<double>(value_);
        case Kind::Text:
            return parseNumber(std::get<std::string>(value_));
        default:
            throw AutomationError::typeMismatch();
    }
}

std::string Variant::toText() const {
    switch (kind_) {
        case Kind::Empty:
            return {};
        case Kind::Bool:
            return std::get<bool>(value_) ? "True" : "False";
        case Kind::Int:
            return std::to_string(std::get<std::int64_t>(value_));
        case Kind::Double:
            return formatDouble(std::get<double>(value_));
        case Kind::Text:
            return std::get<std::string>(value_);
        default:
            throw AutomationError::typeMismatch();
    }
}

ObjectRef Variant::toObject() const {
    if (kind_ != Kind::Object) throw AutomationError::objectRequired();
    return std::get<ObjectRef>(value_);
}

const std::vector<Variant>& Variant::toArray() const {
    if (kind_ != Kind::Array) throw AutomationError::typeMismatch();
    return std::get<std::vector<Variant>>(value_);
}

bool Variant::operator==(const Variant& other) const {
    const bool bothNumeric = (kind_ == Kind::Int || kind_ == Kind::Double) &&
                             (other.kind_ == Kind::Int || other.kind_ == Kind::Double);
    if (bothNumeric && kind_ != other.kind_) return toDouble() == other.toDouble();
    return kind_ == other.kind_ && value_ == other.value_;
}

}  // namespace platform
