#pragma once
// Whether a path can serve as what the user meant it for, asked before the
// work starts, so a failure names the user's own path and the real cause
// instead of a later, internal one. Each answer is a message for the user,
// or nothing when the path is fine. The paths in the messages are as given
// (callers escape them for logs).

#include <optional>
#include <string>

namespace platform {

// A file to read: it must exist, be a regular file (a symbolic link to one
// is fine) and open for reading. Never opens anything but a regular file, so
// a FIFO cannot block the caller. Messages:
//   "Cannot read /shelf/a.chm: No such file or directory" (or Permission denied, ...)
//   "/shelf/a.chm is a broken symbolic link"
//   "/shelf/a.chm is not a regular file"
std::optional<std::string> UnreadableFileReason(const std::string& path);

// A folder to write into: it exists or is created (with its parents), is a
// folder, and takes a new file: a small probe file is created, written,
// synced and removed, so that a full disk or a read-only mount shows now.
// Messages: "Cannot write to /x/out: No space left on device" (or Not a
// directory, Permission denied, Read-only file system, ...).
std::optional<std::string> UnwritableFolderReason(const std::string& folder);

// The path by which the file system reaches the file: symbolic links, "."
// and ".." resolved, also of the file itself when it is a link. A name that
// does not exist yet stays as given below its resolved folder, so a file
// about to be written compares equal to the one it will become.
std::string ResolvedPath(const std::string& path);

}  // namespace platform
