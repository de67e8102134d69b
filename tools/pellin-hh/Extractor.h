#pragma once
// Copies the user entries of an archive into a sink: pages, pictures, style
// sheets, the contents and index files and their folders. Internal entries
// are skipped; refused, damaged or oversized entries are left out and
// reported, and the rest is still written. A sink that is full (SinkFull)
// ends the run with that exception.

#include <cstdint>
#include <string>
#include <vector>

#include "ArchiveReader.h"
#include "EntrySink.h"

struct ExtractionLimits {
    std::uint64_t MaxBytes = 2ull << 30;  // all files together
    // Charged against MaxBytes for every file and folder, so a directory of
    // millions of empty entries is bounded too.
    std::uint64_t CostPerEntry = 512;
};

struct ExtractionReport {
    std::size_t EntriesListed = 0;  // internal ones included
    std::size_t FilesWritten = 0;
    std::uint64_t BytesWritten = 0;
    std::vector<std::string> Problems;  // one line each, naming the entry
    bool Complete() const { return Problems.empty(); }
};

class Extractor {
public:
    Extractor(ArchiveReader& archive, EntrySink& sink, ExtractionLimits limits = {});
    ExtractionReport Run();

private:
    enum class Outcome { Written, Skipped, OutOfBudget };
    Outcome ExtractFile(std::size_t index, const ArchiveEntry& entry, const EntryPath& path);
    Outcome CopyContent(std::size_t index, const ArchiveEntry& entry, FileWriter& file);
    bool Charge(std::uint64_t bytes);

    ArchiveReader& archive_;
    EntrySink& sink_;
    ExtractionLimits limits_;
    std::uint64_t spent_ = 0;
    ExtractionReport report_;
};
