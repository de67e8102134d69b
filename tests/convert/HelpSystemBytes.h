#pragma once
// Builds the bytes of a "#SYSTEM" entry for tests: a version, then records of
// code, length and data, little-endian.

#include <cstdint>
#include <string>

namespace systembytes {

inline std::string Little16(std::size_t value) {
    return {static_cast<char>(value & 0xFF), static_cast<char>((value >> 8) & 0xFF)};
}

inline std::string Little32(std::uint32_t value) {
    return Little16(value & 0xFFFF) + Little16(value >> 16);
}

inline std::string Record(int code, const std::string& data) {
    return Little16(static_cast<std::size_t>(code)) + Little16(data.size()) + data;
}

// A text record (0 contents file, 1 index file, 2 default topic, 3 title).
inline std::string Text(int code, const std::string& text) { return Record(code, text + '\0'); }

// A language record: the id, then the rest of its 28-byte structure.
inline std::string Language(std::uint32_t lcid) {
    return Record(4, Little32(lcid) + std::string(24, '\0'));
}

inline const std::string Version = Little32(3);

}  // namespace systembytes
