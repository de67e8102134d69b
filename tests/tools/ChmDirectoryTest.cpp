#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "ChmDirectory.h"

using ::testing::ElementsAre;

namespace {

constexpr std::size_t ChunkBytes = 256;

void PutNumber(std::string& bytes, std::size_t at, std::uint64_t value, int count) {
    for (int i = 0; i < count; ++i) bytes[at + i] = static_cast<char>(value >> (8 * i));
}

// One listing chunk; `entries` is the raw entry bytes.
std::string Listing(const std::string& entries) {
    std::string chunk(ChunkBytes, '\0');
    chunk.replace(0, 4, "PMGL");
    PutNumber(chunk, 4, ChunkBytes - 0x14 - entries.size(), 4);
    chunk.replace(0x14, entries.size(), entries);
    return chunk;
}

// A file whose directory header names chunk `first` as the first listing
// chunk, claims `claimedChunks` and holds `chunks`.
std::string HelpFile(const std::vector<std::string>& chunks, std::uint32_t claimedChunks,
                     std::uint32_t first = 1) {
    std::string file(0x60 + 0x54, '\0');
    file.replace(0, 4, "ITSF");
    PutNumber(file, 0x48, 0x60, 8);
    PutNumber(file, 0x50, 0x54 + chunks.size() * ChunkBytes, 8);
    file.replace(0x60, 4, "ITSP");
    PutNumber(file, 0x60 + 0x08, 0x54, 4);
    PutNumber(file, 0x60 + 0x10, ChunkBytes, 4);
    PutNumber(file, 0x60 + 0x20, first, 4);
    PutNumber(file, 0x60 + 0x2C, claimedChunks, 4);
    for (const auto& chunk : chunks) file += chunk;
    return file;
}

ChmDirectory Read(const std::string& file, std::size_t maxEntries = 100) {
    return ReadChmDirectory(
        [&file](std::uint64_t offset, unsigned char* buffer, std::size_t size) -> std::size_t {
            if (offset >= file.size()) return 0;
            const std::size_t count = std::min<std::size_t>(size, file.size() - offset);
            std::memcpy(buffer, file.data() + offset, count);
            return count;
        },
        maxEntries);
}

std::vector<std::string> Names(const ChmDirectory& directory) {
    std::vector<std::string> names;
    for (const auto& entry : directory.Entries) names.push_back(entry.Name);
    return names;
}

// Entry bytes: name length, name, section, start, length ("\x82\x2C" is 300).
const std::string PageA = std::string("\x06/a.htm\x00\x00\x05", 10);
const std::string PageB = std::string("\x06/b.htm\x01\x10\x82\x2C", 11);

TEST(ChmDirectoryTest, EveryListingChunkIsReadWhateverTheHeaderNamesFirst) {
    std::string index(ChunkBytes, '\0');
    index.replace(0, 4, "PMGI");
    const ChmDirectory directory = Read(HelpFile({Listing(PageA), Listing(PageB), index}, 3));
    EXPECT_TRUE(directory.Complete);
    EXPECT_THAT(Names(directory), ElementsAre("/a.htm", "/b.htm"));
    EXPECT_EQ(0, directory.Entries[0].Space);
    EXPECT_EQ(5u, directory.Entries[0].Length);
    EXPECT_EQ(1, directory.Entries[1].Space);
    EXPECT_EQ(0x10u, directory.Entries[1].Start);
    EXPECT_EQ(300u, directory.Entries[1].Length);
}

TEST(ChmDirectoryTest, DamagedFiguresEndAChunkOrTheWalkWithoutReadingBeyondIt) {
    // A chunk count far beyond the directory's length: only the chunks it holds.
    EXPECT_THAT(Names(Read(HelpFile({Listing(PageA)}, 0xFFFFFFFF))), ElementsAre("/a.htm"));
    // A name running past the entries: the chunk ends there, the next is still read.
    const ChmDirectory cut = Read(HelpFile({Listing(PageA + "\x7F/x"), Listing(PageB)}, 2));
    EXPECT_FALSE(cut.Complete);
    EXPECT_THAT(Names(cut), ElementsAre("/a.htm", "/b.htm"));
    // Unused space larger than the chunk, a number that never ends, a cut file.
    std::string unused = Listing(PageA);
    PutNumber(unused, 4, ChunkBytes, 4);
    EXPECT_FALSE(Read(HelpFile({unused}, 1)).Complete);
    EXPECT_FALSE(Read(HelpFile({Listing(PageA + std::string(12, '\xFF'))}, 1)).Complete);
    const std::string whole = HelpFile({Listing(PageA), Listing(PageB)}, 2);
    EXPECT_FALSE(Read(whole.substr(0, whole.size() - 1)).Complete);
    // No directory at all, and an entry limit.
    EXPECT_TRUE(Read("ITSF").Entries.empty());
    EXPECT_FALSE(Read(whole, 1).Complete);
}

}  // namespace
