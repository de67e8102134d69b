#include "ChmArchive.h"

#include <chm_lib.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <limits>
#include <unordered_set>

#include "ChmDirectory.h"

std::unique_ptr<ChmArchive> ChmArchive::Open(const std::string& path) {
    chmFile* handle = chm_open(path.c_str());
    if (handle == nullptr) return nullptr;
    UniqueFd file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    return std::unique_ptr<ChmArchive>(new ChmArchive(handle, std::move(file)));
}

ChmArchive::~ChmArchive() { chm_close(handle_); }

int ChmArchive::CollectEntry(chmFile*, chmUnitInfo* unit, void* context) {
    auto* self = static_cast<ChmArchive*>(context);
    if (self->locations_.size() >= MaxEntries) return CHM_ENUMERATOR_FAILURE;
    const std::size_t nameLength = strnlen(unit->path, CHM_MAX_PATHLEN);
    self->filling_->Entries.push_back({std::string(unit->path, nameLength), unit->length});
    self->locations_.push_back({unit->start, unit->length, unit->space});
    return CHM_ENUMERATOR_CONTINUE;
}

ArchiveListing ChmArchive::List() {
    ArchiveListing listing;
    locations_.clear();
    filling_ = &listing;
    const int what = CHM_ENUMERATE_ALL;
    listing.Complete = chm_enumerate(handle_, what, &ChmArchive::CollectEntry, this) != 0;
    filling_ = nullptr;
    AddEntriesOffTheChain(listing);
    return listing;
}

// chmlib follows the chain of listing chunks from the one the directory
// header names first; entries of chunks outside that chain are read here.
void ChmArchive::AddEntriesOffTheChain(ArchiveListing& listing) {
    if (!file_.Valid()) return;
    const int fd = file_.Get();
    const ChmByteReader read = [fd](std::uint64_t offset, unsigned char* buffer,
                                    std::size_t size) -> std::size_t {
        if (offset > static_cast<std::uint64_t>(std::numeric_limits<off_t>::max())) return 0;
        std::size_t got = 0;
        while (got < size) {
            const ssize_t n =
                ::pread(fd, buffer + got, size - got, static_cast<off_t>(offset + got));
            if (n <= 0) break;
            got += static_cast<std::size_t>(n);
        }
        return got;
    };
    const ChmDirectory directory = ReadChmDirectory(read, MaxEntries);
    if (!directory.Complete) listing.Complete = false;
    std::unordered_set<std::string> listed;
    for (const auto& entry : listing.Entries) listed.insert(entry.Name);
    for (const auto& entry : directory.Entries) {
        if (!listed.insert(entry.Name).second) continue;
        if (locations_.size() >= MaxEntries) {
            listing.Complete = false;
            break;
        }
        listing.Entries.push_back({entry.Name, entry.Length});
        locations_.push_back({entry.Start, entry.Length, entry.Space});
    }
}

std::size_t ChmArchive::Read(std::size_t index, std::uint64_t offset, unsigned char* buffer,
                             std::size_t size) {
    if (index >= locations_.size()) return 0;
    const Location& where = locations_[index];
    if (offset >= where.Length || size == 0) return 0;
    chmUnitInfo unit{};
    unit.start = where.Start;
    unit.length = where.Length;
    unit.space = where.Space;
    const auto wanted =
        static_cast<LONGINT64>(std::min<std::uint64_t>(size, where.Length - offset));
    if (offset > static_cast<std::uint64_t>(std::numeric_limits<LONGINT64>::max())) return 0;
    const LONGINT64 got = chm_retrieve_object(handle_, &unit, buffer, offset, wanted);
    return got > 0 ? static_cast<std::size_t>(got) : 0;
}
