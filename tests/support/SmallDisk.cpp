#include "SmallDisk.h"

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

namespace testsupport {

SmallDisk::SmallDisk(std::string folder, std::size_t bytes) : folder_(std::move(folder)) {
    const std::string options = "size=" + std::to_string(bytes) + ",mode=0755";
    mounted_ = ::geteuid() == 0 && ::mount("tmpfs", folder_.c_str(), "tmpfs", MS_NOSUID | MS_NODEV,
                                           options.c_str()) == 0;
}

SmallDisk::~SmallDisk() {
    // Detached: a file a failed test left open cannot keep the disk mounted.
    if (mounted_) ::umount2(folder_.c_str(), MNT_DETACH);
}

void SmallDisk::Fill(const std::string& name, std::size_t keepFree) const {
    const int fd =
        ::open((folder_ + "/" + name).c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0) return;
    const std::size_t page = 4096;
    const std::string block(page, 'x');
    std::size_t size = 0;
    for (ssize_t written; (written = ::write(fd, block.data(), block.size())) > 0;)
        size += static_cast<std::size_t>(written);
    const std::size_t freed = (keepFree + page - 1) / page * page;
    if (freed > 0) (void)!::ftruncate(fd, static_cast<off_t>(size > freed ? size - freed : 0));
    ::close(fd);
}

}  // namespace testsupport
