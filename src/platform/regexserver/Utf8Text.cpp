#include "platform/regexserver/Utf8Text.h"

namespace platform {

namespace {

bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

}  // namespace

std::size_t NextCharacterStart(std::string_view text, std::size_t offset, bool utf8) {
    std::size_t next = offset + 1;
    if (utf8) {
        while (next < text.size() && isContinuation(static_cast<unsigned char>(text[next]))) ++next;
    }
    return next;
}

}  // namespace platform
