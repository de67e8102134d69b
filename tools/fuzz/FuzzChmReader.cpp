// libFuzzer target: the whole reading path of pellin-hh on arbitrary bytes,
// in-process and without writing: chmlib opens the bytes, the directory is
// listed, every name is classified and every user entry read under a small
// output limit. chmlib itself dies on some inputs; run-fuzz.sh replays what
// this target finds through the real pellin-hh, which must survive them.
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "ChmArchive.h"
#include "Extractor.h"

namespace {

class DiscardingSink final : public EntrySink {
    struct Discard final : FileWriter {
        void Write(const unsigned char*, std::size_t) override {}
        void Commit() override {}
    };

public:
    void MakeFolder(const EntryPath& path) override {
        if (path.empty()) std::abort();
    }
    std::unique_ptr<FileWriter> BeginFile(const EntryPath& path) override {
        if (path.empty()) std::abort();
        return std::make_unique<Discard>();
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const int fd = ::memfd_create("fuzz.chm", MFD_CLOEXEC);
    if (fd < 0) return 0;
    if (::write(fd, data, size) == static_cast<ssize_t>(size)) {
        if (auto archive = ChmArchive::Open("/proc/self/fd/" + std::to_string(fd))) {
            DiscardingSink sink;
            Extractor(*archive, sink, {64u << 20, 512}).Run();
        }
    }
    ::close(fd);
    return 0;
}
