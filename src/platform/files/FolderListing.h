#pragma once
// Wildcard listing of one folder with the six low file-attribute bits the
// batch search filters on, as Linux can provide them:
//   directory 16  the entry is a folder (a symbolic link counts as what it
//                 points to, so a link to a folder is a folder)
//   hidden     2  the name begins with "."
//   read-only  1  the owner may not write the entry
//   archive   32  a regular file
//   system     4  any other kind of entry: socket, fifo, device, and a
//                 symbolic link whose target does not exist
//   volume     8  never set
// The name pattern is matched without regard to ASCII letter case: "*" stands
// for any run of characters, "?" for exactly one, and "*.*" for every name
// (there are no short names to match on this platform).

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace platform {

enum FileAttribute : std::uint32_t {
    faReadOnly = 1,
    faHidden = 2,
    faSysFile = 4,
    faVolumeId = 8,
    faDirectory = 16,
    faArchive = 32,
};

struct FolderEntry {
    std::string Name;
    std::uint32_t Attributes = 0;
};

bool WildcardNameMatch(const std::string& pattern, const std::string& name);

// Lists the entries of the folder part of `pattern` (up to its last '/', the
// current folder when there is none) whose names match the rest. As the
// classic find-first listing does, an entry that carries the hidden, system,
// volume or directory attribute is dropped unless that attribute is in
// `attributeMask`. Entries come in the order the file system returns them.
// A missing or unreadable folder lists nothing. The folder is closed when the
// listing is destroyed.
class FolderListing {
public:
    FolderListing(const std::string& pattern, std::uint32_t attributeMask);
    ~FolderListing();
    FolderListing(const FolderListing&) = delete;
    FolderListing& operator=(const FolderListing&) = delete;

    // The next entry, or nothing at the end.
    std::optional<FolderEntry> Next();

private:
    struct State;
    std::unique_ptr<State> state_;
};

// Device and inode of a folder (following links), to recognise a folder that
// is reached again under another name.
struct FolderIdentity {
    std::uint64_t Device = 0;
    std::uint64_t Inode = 0;
    friend bool operator<(const FolderIdentity& a, const FolderIdentity& b) {
        return a.Device != b.Device ? a.Device < b.Device : a.Inode < b.Inode;
    }
};
std::optional<FolderIdentity> IdentifyFolder(const std::string& folder);

}  // namespace platform
