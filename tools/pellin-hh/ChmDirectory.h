#pragma once
// Reads the directory of a CHM file chunk by chunk, without chmlib. chmlib
// lists only the listing chunks chained from the first one the directory
// header names; some compilers (chmcmd of Free Pascal) name chunk 1 there
// although chunk 0 holds entries too, so those entries would be lost. Here
// every listing chunk of the directory is read. The bytes are untrusted:
// every figure is checked against the chunk and the file before it is used.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct ChmDirectoryEntry {
    std::string Name;  // up to its first zero byte, as chmlib gives it
    std::uint64_t Start = 0;
    std::uint64_t Length = 0;
    int Space = 0;  // 0 uncompressed, else compressed
};

struct ChmDirectory {
    std::vector<ChmDirectoryEntry> Entries;
    bool Complete = true;  // false when a listing chunk was damaged
};

// Copies up to `size` bytes from `offset` of the file; returns how many.
using ChmByteReader =
    std::function<std::size_t(std::uint64_t offset, unsigned char* buffer, std::size_t size)>;

// Every entry of every listing chunk, in chunk order; empty when the
// headers cannot be read. At most `maxEntries` entries are read.
ChmDirectory ReadChmDirectory(const ChmByteReader& read, std::size_t maxEntries);
