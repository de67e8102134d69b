#pragma once
// A CHM file opened with chmlib. chmlib trusts its input: call this only in
// a process that may die (see IsolatedRun).

#include <memory>
#include <string>
#include <vector>

#include "ArchiveReader.h"
#include "platform/files/UniqueFd.h"

using platform::UniqueFd;

struct chmFile;

class ChmArchive final : public ArchiveReader {
public:
    // Null when chmlib does not accept the file.
    static std::unique_ptr<ChmArchive> Open(const std::string& path);
    ~ChmArchive() override;
    ChmArchive(const ChmArchive&) = delete;
    ChmArchive& operator=(const ChmArchive&) = delete;

    ArchiveListing List() override;
    std::size_t Read(std::size_t index, std::uint64_t offset, unsigned char* buffer,
                     std::size_t size) override;

    // A directory holding more entries than this is treated as damaged.
    static constexpr std::size_t MaxEntries = 1'000'000;

private:
    struct Location {
        std::uint64_t Start = 0;
        std::uint64_t Length = 0;
        int Space = 0;
    };
    ChmArchive(chmFile* handle, UniqueFd file) : handle_(handle), file_(std::move(file)) {}
    static int CollectEntry(chmFile* handle, struct chmUnitInfo* unit, void* context);
    void AddEntriesOffTheChain(ArchiveListing& listing);

    chmFile* handle_;
    UniqueFd file_;  // the same file, for reading the directory without chmlib
    std::vector<Location> locations_;
    ArchiveListing* filling_ = nullptr;
};
