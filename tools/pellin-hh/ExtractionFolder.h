#pragma once
// Writes entries below one folder and nowhere else. Every step goes through
// directory descriptors (openat/mkdirat/renameat) without following
// symbolic links, so a link planted in the folder cannot redirect a write;
// files are written under a temporary name and renamed into place, so an
// existing hard link or the help file being read is never written through.

#include <sys/stat.h>

#include <string>

#include "EntrySink.h"
#include "platform/files/UniqueFd.h"

using platform::UniqueFd;

class ExtractionFolder final : public EntrySink {
public:
    // Creates `folder` (with its parents) when missing. `protectedFile` is a
    // file no entry may replace (the help file being read); may be empty.
    ExtractionFolder(const std::string& folder, const std::string& protectedFile);

    void MakeFolder(const EntryPath& path) override;
    std::unique_ptr<FileWriter> BeginFile(const EntryPath& path) override;

    // Deletes the unfinished files a writer process left below `folder`
    // when it died half-way; symbolic links are not followed.
    static void RemoveUnfinished(const std::string& folder, int writerProcess);

private:
    // Descriptor of the folder made of path[0, count), created as needed.
    UniqueFd OpenFolder(const EntryPath& path, std::size_t count);

    UniqueFd root_;
    struct stat protected_ {};
    bool hasProtected_ = false;
};
