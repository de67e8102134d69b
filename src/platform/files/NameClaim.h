#pragma once
// Claiming a name in a folder that several processes, on one machine or on
// several machines sharing the folder, write at the same time. A claim is a
// small file at the claimed path that holds its owner's text; the first
// process to create it owns the name, and asking again with the same owner
// text (a later run of the same work) finds the name its own.
//
// The claim file is written in full under a private name first and then
// hard-linked to the claimed path, which fails when the path exists: no other
// process ever reads a claim half-written, and this holds on network file
// systems that create links atomically (NFS, Lustre, CephFS, ...). Where the
// file system has no hard links, the claim is created with O_EXCL instead and
// a reader that meets it still empty waits a moment for its text.

#include <string>

namespace platform {

struct NameClaim {
    enum class Outcome {
        Owned,  // created now, or held already by the same owner
        Taken,  // held by another owner, named in Holder
        Failed  // could not be made or read; Error says why
    };
    Outcome Result = Outcome::Failed;
    std::string Holder;
    std::string Error;
};

// Claims `path` for `owner` (a text without line breaks), creating the
// missing folders above it.
NameClaim ClaimName(const std::string& path, const std::string& owner);

}  // namespace platform
