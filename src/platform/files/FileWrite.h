#pragma once
// Writing files so that no failure goes unnoticed: every write, the sync and
// the close are checked, and a failure names the file, its folder and the
// system's reason: "Cannot write guide.pdf in /x/out: No space left on device".

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

#include "platform/files/FileError.h"

namespace platform {

// The error for `what` that could not be written into `folder` for `error`
// (an errno value): "Cannot write <what> in <folder>: <reason>".
FileError CannotWriteIn(const std::string& what, const std::string& folder, int error);
// The same for the file at `path`, named by its name and folder.
FileError CannotWriteFile(const std::string& path, int error);

// Writes all of `size` bytes to `fd`, again after a short write or EINTR.
// Returns 0, or the errno of the failure; a write that takes nothing without
// an error counts as ENOSPC.
int WriteFully(int fd, const void* data, std::size_t size);

// Creates or truncates `file`, writes `bytes`, syncs and closes it. Throws
// CannotWriteFile(shownPath, ...) on any failure; `shownPath` is the file the
// user knows of when `file` is a temporary name beside it.
void WriteFileBytes(const std::string& file, std::string_view bytes, const std::string& shownPath);
// The same for text made of several parts, written one after the other.
void WriteFileParts(const std::string& file, std::initializer_list<std::string_view> parts,
                    const std::string& shownPath);

}  // namespace platform
