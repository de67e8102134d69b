#include "convert/chm/TopicFallback.h"

#include <algorithm>

#include "convert/chm/ContentsTreeReader.h"
#include "convert/chm/HelpTreeSearch.h"
#include "convert/chm/TopicPathResolver.h"

namespace {

std::vector<std::string> IndexFiles(const DecompiledFiles& files, const std::string& namedIndex) {
    std::vector<std::string> indexes;
    if (const auto relative = TopicPathResolver::Normalize("", namedIndex)) {
        if (const auto found = files.Find(*relative)) indexes.push_back(*found);
    }
    for (auto& index : FindFilesBelow(files.Root(), std::vector<std::string>{"*.hhk"}))
        if (std::find(indexes.begin(), indexes.end(), index) == indexes.end())
            indexes.push_back(std::move(index));
    return indexes;
}

}  // namespace

std::vector<std::string> TopicsFromIndex(const DecompiledFiles& files, const std::string& charset,
                                         const TvxReadFile& readFile,
                                         const std::string& namedIndex) {
    const ContentsTreeReader reader(files, charset);
    for (const auto& index : IndexFiles(files, namedIndex)) {
        std::string text;
        try {
            text = readFile(files.FullPath(index));
        } catch (const std::exception&) {
            continue;  // an unreadable index is as good as none
        }
        auto topics = TopicsOfTree(reader.Read(text, index));
        if (!topics.empty()) return topics;
    }
    return {};
}

std::vector<std::string> AllHtmlPages(const std::string& root) {
    std::vector<std::string> pages;
    for (const auto& page : FindFilesBelow(root, std::vector<std::string>{"*.htm", "*.html"}))
        pages.push_back(root + "/" + page);
    return pages;
}

std::vector<std::string> FallbackTopics(const DecompiledFiles& files, const std::string& charset,
                                        const TvxReadFile& readFile,
                                        const std::string& namedIndex) {
    auto topics = TopicsFromIndex(files, charset, readFile, namedIndex);
    if (topics.empty()) topics = AllHtmlPages(files.Root());
    return topics;
}
