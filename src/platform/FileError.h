#pragma once
// A file or folder operation that failed, worded for the user: the message
// names the file and the reason.

#include <stdexcept>
#include <string>

namespace platform {

class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace platform
