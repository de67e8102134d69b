#include "convert/book/PictureHeader.h"

#include <cstdint>

namespace {

// Larger sides are not drawn by anyone; a header claiming them is damaged.
constexpr std::uint32_t kMaxSide = 65535;
// A JPEG's frame header usually comes within the first few kilobytes, after
// the tables and any embedded thumbnails; the walk gives up after this many
// segments.
constexpr int kMaxJpegSegments = 4096;

std::uint32_t Byte(std::string_view bytes, std::size_t at) {
    return static_cast<unsigned char>(bytes[at]);
}
std::uint32_t BigEndian16(std::string_view b, std::size_t at) {
    return Byte(b, at) << 8 | Byte(b, at + 1);
}
std::uint32_t BigEndian32(std::string_view b, std::size_t at) {
    return BigEndian16(b, at) << 16 | BigEndian16(b, at + 2);
}
std::uint32_t LittleEndian16(std::string_view b, std::size_t at) {
    return Byte(b, at) | Byte(b, at + 1) << 8;
}
std::uint32_t LittleEndian32(std::string_view b, std::size_t at) {
    return LittleEndian16(b, at) | LittleEndian16(b, at + 2) << 16;
}

std::optional<PixelSize> Checked(std::uint32_t width, std::uint32_t height) {
    if (width == 0 || height == 0 || width > kMaxSide || height > kMaxSide) return std::nullopt;
    return PixelSize{static_cast<int>(width), static_cast<int>(height)};
}

std::optional<PixelSize> PngSize(std::string_view b) {
    // Signature, then the IHDR chunk: length, type, width, height.
    if (b.size() < 24 || b.compare(12, 4, "IHDR") != 0) return std::nullopt;
    return Checked(BigEndian32(b, 16), BigEndian32(b, 20));
}

std::optional<PixelSize> GifSize(std::string_view b) {
    // The logical screen size follows the "GIF87a"/"GIF89a" signature.
    if (b.size() < 10) return std::nullopt;
    return Checked(LittleEndian16(b, 6), LittleEndian16(b, 8));
}

std::optional<PixelSize> BmpSize(std::string_view b) {
    // File header (14 bytes), then the info header whose size tells its kind.
    if (b.size() < 26) return std::nullopt;
    const std::uint32_t infoSize = LittleEndian32(b, 14);
    if (infoSize == 12) return Checked(LittleEndian16(b, 18), LittleEndian16(b, 20));
    if (infoSize < 40) return std::nullopt;
    const auto height = static_cast<std::int32_t>(LittleEndian32(b, 22));  // < 0: top-down rows
    const std::uint32_t rows =
        height < 0 ? 0u - static_cast<std::uint32_t>(height) : static_cast<std::uint32_t>(height);
    return Checked(LittleEndian32(b, 18), rows);
}

// Start-of-frame markers C0 to CF, less DHT (C4), JPG (C8) and DAC (CC).
bool IsFrameMarker(std::uint32_t marker) {
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

std::optional<PixelSize> JpegSize(std::string_view b) {
    std::size_t at = 2;
    for (int segment = 0; segment < kMaxJpegSegments; ++segment) {
        while (at < b.size() && Byte(b, at) == 0xFF) ++at;  // fill bytes before a marker
        if (at >= b.size() || at < 1 || Byte(b, at - 1) != 0xFF) return std::nullopt;
        const std::uint32_t marker = Byte(b, at++);
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8)) continue;  // no length
        if (marker == 0xD9 || marker == 0xDA || at + 2 > b.size()) return std::nullopt;
        const std::uint32_t length = BigEndian16(b, at);
        if (length < 2) return std::nullopt;
        if (IsFrameMarker(marker)) {
            // Length, sample precision, height, width.
            if (length < 7 || at + 7 > b.size()) return std::nullopt;
            return Checked(BigEndian16(b, at + 5), BigEndian16(b, at + 3));
        }
        at += length;
    }
    return std::nullopt;
}

}  // namespace

std::optional<PixelSize> PicturePixelSize(std::string_view bytes) {
    if (bytes.substr(0, 8) == "\x89PNG\r\n\x1a\n") return PngSize(bytes);
    if (bytes.substr(0, 6) == "GIF87a" || bytes.substr(0, 6) == "GIF89a") return GifSize(bytes);
    if (bytes.substr(0, 3) == "\xFF\xD8\xFF") return JpegSize(bytes);
    if (bytes.substr(0, 2) == "BM") return BmpSize(bytes);
    return std::nullopt;
}

std::string_view PictureMediaType(std::string_view bytes) {
    if (!PicturePixelSize(bytes)) return {};
    if (bytes[0] == '\x89') return "image/png";
    if (bytes[0] == 'G') return "image/gif";
    if (bytes[0] == '\xFF') return "image/jpeg";
    return "image/bmp";
}
