#include "ChmArchive.h"

#include <chm_lib.h>

#include <algorithm>
#include <cstring>
#include <limits>

std::unique_ptr<ChmArchive> ChmArchive::Open(const std::string& path) {
    chmFile* handle = chm_open(path.c_str());
    if (handle == nullptr) return nullptr;
    return std::unique_ptr<ChmArchive>(new ChmArchive(handle));
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
    return listing;
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
