// libFuzzer target: the converter's readers of help file text on arbitrary
// bytes: the "#SYSTEM" entry and a contents file read in one of the code
// pages of help files against a small folder of pages. Aborts when a read
// text is not valid UTF-8, when a topic lies outside the folder or names no
// existing file, or when the tree is deeper than the reader allows.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "convert/chm/ContentsTreeReader.h"
#include "convert/chm/HelpSystemFile.h"
#include "platform/text/TextEncoding.h"

namespace fs = std::filesystem;

namespace {

const fs::path& Pages() {
    static const fs::path pages = [] {
        std::string pattern = (fs::temp_directory_path() / "pellin-fuzz-text-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) std::abort();
        for (const char* name : {"a.htm", "sub/b.htm", "\xD0\xBE.htm", "My Page.htm"}) {
            const fs::path file = fs::path(pattern) / name;
            fs::create_directories(file.parent_path());
            std::ofstream(file) << "page";
        }
        return fs::path(pattern);
    }();
    return pages;
}

void Check(bool condition) {
    if (!condition) std::abort();
}

void CheckTree(const ContentsTree& tree, const std::string& root, std::size_t depth) {
    Check(depth <= ContentsTreeReader::MaxDepth);
    for (const auto& entry : tree) {
        Check(platform::IsValidUtf8(entry.Name) && platform::IsValidUtf8(entry.Fragment));
        if (!entry.Topic.empty()) {
            Check(entry.Topic.rfind(root + "/", 0) == 0 && fs::is_regular_file(entry.Topic));
            Check(entry.Topic.find("/../") == std::string::npos);
        }
        CheckTree(entry.Children, root, depth + 1);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (const auto info = ParseHelpSystem(bytes)) {
        for (const auto* text :
             {&info->Title, &info->ContentsFile, &info->IndexFile, &info->DefaultTopic})
            Check(platform::IsValidUtf8(*text));
    }
    static const char* const charsets[] = {"WINDOWS-1252", "WINDOWS-1251", "CP932", "GBK", "UTF-8"};
    const std::string charset = charsets[size == 0 ? 0 : data[0] % 5];
    const std::string root = Pages().string();
    static const DecompiledFiles files(root);
    const ContentsTree tree = ContentsTreeReader(files, charset).Read(bytes, "sub/toc.hhc");
    CheckTree(tree, root, 1);
    for (const auto& topic : TopicsOfTree(tree)) Check(fs::is_regular_file(topic));
    return 0;
}
