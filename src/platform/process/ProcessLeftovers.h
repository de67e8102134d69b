#pragma once
// Files and folders a process keeps while it works (job folders in the
// temporary folder, PDFs in the making beside their targets) carry the tag
// of the process that owns them, so that a later run can remove what a
// killed process left behind without touching the work of a running one.

#include <string>

namespace platform {

// "<pid>-<start>-<host>": the process number, its start time (clock ticks
// after boot, which tells it from a later process given the same number) and
// the machine's name (shared folders are written from several machines).
const std::string& ProcessTag();

// Whether the process of `tag` has ended: a process of this machine whose
// number is free again or held by a process started at another time. A tag
// of another machine, one that does not parse, or a process that cannot be
// looked at counts as running.
bool TaggedProcessEnded(const std::string& tag);

// Removes from `folder` every entry named `prefix`, the tag of an ended
// process and "-..." that belongs to this user: a folder with everything in
// it, a plain file. Anything else stays. Failures are ignored.
void RemoveLeftoversOfEndedProcesses(const std::string& folder, const std::string& prefix);

}  // namespace platform
