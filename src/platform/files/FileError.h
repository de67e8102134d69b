#pragma once
// A file or folder operation that failed, worded for the user: the message
// names the file and the reason.

#include <stdexcept>
#include <string>

namespace platform {

class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
    FileError(const std::string& message, int error) : std::runtime_error(message), error_(error) {}
    // The system's error number behind the failure (ENOSPC, EACCES, ...);
    // 0 when the failure has none.
    int Error() const { return error_; }

private:
    int error_ = 0;
};

}  // namespace platform
