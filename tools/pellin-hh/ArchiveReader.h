#pragma once
// Read access to the entries of a help file container, so the extraction
// can be driven by chmlib or by a stand-in.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct ArchiveEntry {
    std::string Name;          // raw bytes as stored in the directory
    std::uint64_t Length = 0;  // as claimed by the directory; may be a lie
};

struct ArchiveListing {
    std::vector<ArchiveEntry> Entries;
    bool Complete = true;  // false when the listing stopped at a damaged part
};

class ArchiveReader {
public:
    virtual ~ArchiveReader() = default;
    virtual ArchiveListing List() = 0;
    // Copies up to size bytes of entry `index` (of the last List) from
    // `offset` into buffer; returns how many, 0 at the end or on damage.
    virtual std::size_t Read(std::size_t index, std::uint64_t offset, unsigned char* buffer,
                             std::size_t size) = 0;
};
