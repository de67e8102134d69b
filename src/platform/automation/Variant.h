#pragma once
// The value that crosses the automation layer: arguments, property values and
// results of late-bound calls. Text is UTF-8 (or raw bytes; never re-encoded).

#include <cstdint>
#include <memory>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

namespace platform {

class AutomationObject;
using ObjectRef = std::shared_ptr<AutomationObject>;

class Variant {
public:
    enum class Kind { Empty, Null, Bool, Int, Double, Text, Object, Array, Omitted };

    Variant() = default;
    Variant(bool value);
    Variant(int value);
    Variant(std::int64_t value);
    // Any other integer type (sizes, unsigned counts) without ambiguity; an
    // unsigned value beyond the signed 64-bit range is kept as a double.
    template <typename Integer>
    requires(std::is_integral_v<Integer> && !std::is_same_v<Integer, bool> &&
             !std::is_same_v<Integer, int> && !std::is_same_v<Integer, std::int64_t> &&
             !std::is_same_v<Integer, char>) Variant(Integer value) {
        if constexpr (std::is_unsigned_v<Integer> && sizeof(Integer) >= sizeof(std::int64_t)) {
            if (value > static_cast<Integer>(INT64_MAX)) {
                kind_ = Kind::Double;
                value_ = static_cast<double>(value);
                return;
            }
        }
        kind_ = Kind::Int;
        value_ = static_cast<std::int64_t>(value);
    }
    Variant(double value);
    Variant(std::string value);
    Variant(const char* value);
    Variant(ObjectRef value);
    Variant(std::vector<Variant> value);

    static Variant null();
    // Marks an optional argument that the caller leaves out.
    static Variant omitted();

    Kind kind() const { return kind_; }
    bool isEmpty() const { return kind_ == Kind::Empty; }
    bool isOmitted() const { return kind_ == Kind::Omitted; }

    // Conversions follow the usual automation coercions (a number from its
    // text, a boolean from a non-zero number, "True"/"False"); an impossible
    // one throws AutomationError "Type mismatch" (13).
    bool toBool() const;
    std::int64_t toInt() const;
    double toDouble() const;
    std::string toText() const;
    ObjectRef toObject() const;  // "Object required" (424) when not an object
    const std::vector<Variant>& toArray() const;

    bool operator==(const Variant& other) const;

private:
    Kind kind_ = Kind::Empty;
    std::variant<std::monostate, bool, std::int64_t, double, std::string, ObjectRef,
                 std::vector<Variant>>
        value_;
};

using VariantList = std::vector<Variant>;

}  // namespace platform
