#include "platform/pdf/OfficeDestinationName.h"

#include <cstring>

namespace platform {

namespace {

bool KeptByPdfExport(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
}

// Marks a URL fragment may hold as they are; every other byte outside the
// letters and digits is percent-encoded by Writer.
bool KeptInFragment(unsigned char c) {
    return c != 0 && std::strchr("!$&'()*+,./:;=?@[]_~", c) != nullptr;
}

void AppendHex(unsigned char c, std::string& out) {
    static const char digits[] = "0123456789ABCDEF";
    out += digits[c >> 4];
    out += digits[c & 15];
}

}  // namespace

std::string OfficeDestinationName(std::string_view bookmark) {
    std::string name;
    name.reserve(bookmark.size() * 2);
    for (const char ch : bookmark) {
        const auto c = static_cast<unsigned char>(ch);
        if (KeptByPdfExport(c)) {
            name += ch;
        } else {
            if (!KeptInFragment(c)) name += "25";  // the "%" of the percent-encoding
            AppendHex(c, name);
        }
    }
    return name;
}

}  // namespace platform
