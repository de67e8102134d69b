#pragma once
// A small tmpfs mounted over an existing folder for one test, so a full disk
// is a real one. Only root may mount: without the mount a test skips. The
// disk is unmounted when the object goes, also when the test failed.

#include <cstddef>
#include <string>

namespace testsupport {

class SmallDisk {
public:
    SmallDisk(std::string folder, std::size_t bytes);
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    // False when the machine refused the mount (not root, no tmpfs).
    bool Mounted() const { return mounted_; }
    const std::string& Folder() const { return folder_; }

    // Writes the file `name` on the disk until nothing more fits, then gives
    // back `keepFree` bytes (rounded up to whole pages) by shortening it.
    void Fill(const std::string& name, std::size_t keepFree = 0) const;

private:
    std::string folder_;
    bool mounted_ = false;
};

}  // namespace testsupport
