#pragma once
// The automation layer's failure: a message and a 32-bit error code worded and
// numbered as the automation platform does (0x800A0000 | n for script errors).

#include <cstdint>
#include <stdexcept>
#include <string>

namespace platform {

class AutomationError : public std::runtime_error {
public:
    AutomationError(std::int32_t code, const std::string& message)
        : std::runtime_error(message), code_(code) {}
    std::int32_t code() const { return code_; }

    // The server of an object went away (ended or crashed) during a call.
    static constexpr std::int32_t kDisconnected = static_cast<std::int32_t>(0x80010108);
    // A call did not finish within its time and the server was stopped.
    static constexpr std::int32_t kTimedOut = static_cast<std::int32_t>(0x8001011F);
    bool serverLost() const { return code_ == kDisconnected || code_ == kTimedOut; }

    // The well-known failures, with their platform wording.
    static AutomationError invalidClassString();  // 0x800401F3 "Invalid class string"
    static AutomationError classNotRegistered();  // 0x80040154 "Class not registered"
    static AutomationError
    memberNotFound();  // 0x800A01B6 (438) "Object doesn't support this property or method"
    static AutomationError typeMismatch();        // 0x800A000D (13) "Type mismatch"
    static AutomationError objectRequired();      // 0x800A01A8 (424) "Object required"
    static AutomationError wrongArgumentCount();  // 0x800A01C2 (450) "Wrong number of arguments or
                                                  // invalid property assignment"
    static AutomationError scriptError(int number,
                                       const std::string& message);  // 0x800A0000 | number

private:
    std::int32_t code_;
};

}  // namespace platform
