#include "convert/book/CarriedPictures.h"

#include <array>
#include <exception>

#include "convert/book/PictureHeader.h"

namespace {

void AppendBase64(std::string_view bytes, std::string& out) {
    static constexpr char kDigits[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::size_t at = 0;
    for (; at + 3 <= bytes.size(); at += 3) {
        const unsigned group = static_cast<unsigned char>(bytes[at]) << 16 |
                               static_cast<unsigned char>(bytes[at + 1]) << 8 |
                               static_cast<unsigned char>(bytes[at + 2]);
        for (int shift = 18; shift >= 0; shift -= 6) out += kDigits[(group >> shift) & 63];
    }
    const std::size_t rest = bytes.size() - at;
    if (rest == 0) return;
    unsigned group = static_cast<unsigned char>(bytes[at]) << 16;
    if (rest == 2) group |= static_cast<unsigned char>(bytes[at + 1]) << 8;
    out += kDigits[(group >> 18) & 63];
    out += kDigits[(group >> 12) & 63];
    out += rest == 2 ? kDigits[(group >> 6) & 63] : '=';
    out += '=';
}

}  // namespace

std::string PictureDataAddress(std::string_view bytes) {
    const std::string_view type = PictureMediaType(bytes);
    if (type.empty()) return {};
    std::string address = "data:";
    address.reserve(address.size() + type.size() + 8 + (bytes.size() + 2) / 3 * 4);
    address.append(type).append(";base64,");
    AppendBase64(bytes, address);
    return address;
}

CarriedPictures::CarriedPictures(ReadFile readFile, std::size_t budget)
    : readFile_(std::move(readFile)), left_(budget) {}

std::string CarriedPictures::AddressOf(const std::string& file, const std::string& fileAddress) {
    auto known = addresses_.find(file);
    if (known == addresses_.end()) {
        std::string address;
        try {
            address = PictureDataAddress(readFile_(file));
        } catch (const std::exception&) {
            // Read once before this; if it cannot be read again it stays a file.
        }
        known = addresses_.emplace(file, std::move(address)).first;
    }
    const std::string& address = known->second;
    if (address.empty() || address.size() > left_) return fileAddress;
    left_ -= address.size();
    return address;
}
