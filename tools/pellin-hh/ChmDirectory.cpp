#include "ChmDirectory.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <optional>

namespace {

// The file header: "ITSF", then the directory's place and length.
constexpr std::size_t FileHeaderBytes = 0x58;
constexpr std::size_t DirectoryPlaceAt = 0x48;
constexpr std::size_t DirectoryLengthAt = 0x50;
// The directory header: "ITSP", its own length, the chunk size and count.
constexpr std::size_t DirectoryHeaderBytes = 0x54;
constexpr std::size_t DirectoryHeaderLengthAt = 0x08;
constexpr std::size_t ChunkSizeAt = 0x10;
constexpr std::size_t ChunkCountAt = 0x2C;
// A listing chunk: "PMGL", the unused bytes at its end, then the entries.
constexpr std::size_t ListingFreeAt = 0x04;
constexpr std::size_t ListingEntriesAt = 0x14;
// chmlib refuses longer names; so does this reader.
constexpr std::uint64_t MaxNameBytes = 512;
// Compilers write chunks of 4 or 8 KiB.
constexpr std::uint32_t MaxChunkBytes = 1u << 20;

std::uint64_t LittleEndian(const unsigned char* bytes, int count) {
    std::uint64_t value = 0;
    for (int i = count - 1; i >= 0; --i) value = (value << 8) | bytes[i];
    return value;
}

// Reads exactly `bytes.size()` bytes at `offset`.
bool ReadAt(const ChmByteReader& read, std::uint64_t offset, std::vector<unsigned char>& bytes) {
    return read(offset, bytes.data(), bytes.size()) == bytes.size();
}

struct Layout {
    std::uint64_t FirstChunk = 0;  // where chunk 0 begins
    std::uint32_t ChunkBytes = 0;
    std::uint64_t ChunkCount = 0;
};

std::optional<Layout> ReadLayout(const ChmByteReader& read) {
    std::vector<unsigned char> file(FileHeaderBytes);
    if (!ReadAt(read, 0, file) || std::memcmp(file.data(), "ITSF", 4) != 0) return std::nullopt;
    const std::uint64_t place = LittleEndian(&file[DirectoryPlaceAt], 8);
    const std::uint64_t length = LittleEndian(&file[DirectoryLengthAt], 8);
    std::vector<unsigned char> directory(DirectoryHeaderBytes);
    if (!ReadAt(read, place, directory) || std::memcmp(directory.data(), "ITSP", 4) != 0)
        return std::nullopt;
    const std::uint64_t headerBytes = LittleEndian(&directory[DirectoryHeaderLengthAt], 4);
    Layout layout;
    layout.ChunkBytes = static_cast<std::uint32_t>(LittleEndian(&directory[ChunkSizeAt], 4));
    if (layout.ChunkBytes <= ListingEntriesAt || layout.ChunkBytes > MaxChunkBytes ||
        headerBytes > length || place > std::numeric_limits<std::uint64_t>::max() - headerBytes)
        return std::nullopt;
    layout.FirstChunk = place + headerBytes;
    // The count the header gives, but never more than its length holds.
    layout.ChunkCount = std::min<std::uint64_t>(LittleEndian(&directory[ChunkCountAt], 4),
                                                (length - headerBytes) / layout.ChunkBytes);
    return layout;
}

// A number of 7-bit groups, most significant first, the high bit set on all
// but the last.
std::optional<std::uint64_t> ReadNumber(const unsigned char*& at, const unsigned char* end) {
    std::uint64_t value = 0;
    while (at < end) {
        if (value > (std::numeric_limits<std::uint64_t>::max() >> 7)) return std::nullopt;
        const unsigned char byte = *at++;
        value = (value << 7) | (byte & 0x7F);
        if ((byte & 0x80) == 0) return value;
    }
    return std::nullopt;
}

std::optional<ChmDirectoryEntry> ReadEntry(const unsigned char*& at, const unsigned char* end) {
    const auto nameBytes = ReadNumber(at, end);
    if (!nameBytes || *nameBytes > MaxNameBytes ||
        *nameBytes > static_cast<std::uint64_t>(end - at))
        return std::nullopt;
    const char* name = reinterpret_cast<const char*>(at);
    ChmDirectoryEntry entry;
    entry.Name.assign(name, strnlen(name, static_cast<std::size_t>(*nameBytes)));
    at += *nameBytes;
    const auto space = ReadNumber(at, end);
    const auto start = ReadNumber(at, end);
    const auto length = ReadNumber(at, end);
    if (!space || !start || !length) return std::nullopt;
    entry.Space = *space == 0 ? 0 : 1;
    entry.Start = *start;
    entry.Length = *length;
    return entry;
}

// The entries of one listing chunk; false when it is damaged.
bool ReadListing(const std::vector<unsigned char>& chunk, std::size_t maxEntries,
                 ChmDirectory& directory) {
    const std::uint64_t unused = LittleEndian(&chunk[ListingFreeAt], 4);
    if (unused > chunk.size() - ListingEntriesAt) return false;
    const unsigned char* at = chunk.data() + ListingEntriesAt;
    const unsigned char* end = chunk.data() + (chunk.size() - unused);
    while (at < end) {
        if (directory.Entries.size() >= maxEntries) return false;
        auto entry = ReadEntry(at, end);
        if (!entry) return false;
        directory.Entries.push_back(std::move(*entry));
    }
    return true;
}

}  // namespace

ChmDirectory ReadChmDirectory(const ChmByteReader& read, std::size_t maxEntries) {
    ChmDirectory directory;
    const auto layout = ReadLayout(read);
    if (!layout) return directory;
    std::vector<unsigned char> chunk(layout->ChunkBytes);
    for (std::uint64_t index = 0; index < layout->ChunkCount; ++index) {
        const std::uint64_t offset = layout->FirstChunk + index * layout->ChunkBytes;
        if (offset < layout->FirstChunk || !ReadAt(read, offset, chunk)) {
            directory.Complete = false;
            break;
        }
        if (std::memcmp(chunk.data(), "PMGL", 4) != 0) continue;  // an index chunk
        if (!ReadListing(chunk, maxEntries, directory)) directory.Complete = false;
        if (!directory.Complete && directory.Entries.size() >= maxEntries) break;
    }
    return directory;
}
