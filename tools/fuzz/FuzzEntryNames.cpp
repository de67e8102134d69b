// libFuzzer target: entry names and contents from arbitrary bytes, written
// by the real extraction into a scratch folder. Aborts when anything appears
// outside that folder, when a symbolic link is created, or when a written
// path has a component that a name check should have refused.
#include <sys/stat.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "ExtractionFolder.h"
#include "Extractor.h"

namespace fs = std::filesystem;

namespace {

// The input as entries: name NUL content NUL name NUL content ...
class BytesArchive final : public ArchiveReader {
public:
    BytesArchive(const std::uint8_t* data, std::size_t size) {
        const std::string all(reinterpret_cast<const char*>(data), size);
        std::size_t at = 0;
        while (at < all.size() && entries_.size() < 64) {
            const auto nameEnd = std::min(all.find('\0', at), all.size());
            const auto contentEnd =
                std::min(all.find('\0', std::min(nameEnd + 1, all.size())), all.size());
            entries_.push_back({all.substr(at, nameEnd - at),
                                all.substr(std::min(nameEnd + 1, all.size()),
                                           contentEnd - std::min(nameEnd + 1, all.size()))});
            at = contentEnd + 1;
        }
    }
    ArchiveListing List() override {
        ArchiveListing listing;
        for (const auto& [name, content] : entries_)
            listing.Entries.push_back({name, content.size()});
        return listing;
    }
    std::size_t Read(std::size_t index, std::uint64_t offset, unsigned char* buffer,
                     std::size_t size) override {
        const std::string& content = entries_.at(index).second;
        if (offset >= content.size()) return 0;
        const std::size_t count = std::min<std::size_t>(size, content.size() - offset);
        std::memcpy(buffer, content.data() + offset, count);
        return count;
    }

private:
    std::vector<std::pair<std::string, std::string>> entries_;
};

const fs::path& Sandbox() {
    static const fs::path sandbox = [] {
        std::string pattern = (fs::temp_directory_path() / "pellin-fuzz-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) std::abort();
        return fs::path(pattern);
    }();
    return sandbox;
}

void CheckTree(const fs::path& sandbox, const fs::path& out) {
    for (const auto& entry : fs::directory_iterator(sandbox))
        if (entry.path() != out) std::abort();  // something landed beside the folder
    for (const auto& entry : fs::recursive_directory_iterator(out)) {
        if (entry.is_symlink()) std::abort();
        const std::string name = entry.path().filename().string();
        if (name.empty() || name == "." || name == ".." || name.size() > 255) std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fs::path out = Sandbox() / "out";
    fs::remove_all(out);
    {
        BytesArchive archive(data, size);
        ExtractionFolder folder(out.string(), "");
        Extractor(archive, folder, {1u << 20, 512}).Run();
    }
    CheckTree(Sandbox(), out);
    return 0;
}
