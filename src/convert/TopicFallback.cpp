#include "convert/TopicFallback.h"

#include <filesystem>

#include "convert/HelpTreeSearch.h"
#include "convert/TopicList.h"

namespace {

std::vector<std::string> ExistingOnly(const std::vector<std::string>& paths) {
    std::vector<std::string> existing;
    for (const auto& path : paths) {
        std::error_code ec;
        if (std::filesystem::is_regular_file(path, ec)) existing.push_back(path);
    }
    return existing;
}

}  // namespace

std::vector<std::string> TopicsFromIndex(const TopicPathResolver& resolver,
                                         const TvxReadFile& readFile) {
    for (const auto& index : FindFilesBelow(resolver.Root(), std::vector<std::string>{"*.hhk"})) {
        std::string text;
        try {
            text = readFile(resolver.Root() + "/" + index);
        } catch (const std::exception&) {
            continue;  // an unreadable index is as good as none
        }
        auto topics = ExistingOnly(TopicsOfLinkFile(resolver, index, text));
        if (!topics.empty()) return topics;
    }
    return {};
}

std::vector<std::string> AllHtmlPages(const TopicPathResolver& resolver) {
    std::vector<std::string> pages;
    for (const auto& page :
         FindFilesBelow(resolver.Root(), std::vector<std::string>{"*.htm", "*.html"}))
        pages.push_back(resolver.Root() + "/" + page);
    return pages;
}

std::vector<std::string> FallbackTopics(const TopicPathResolver& resolver,
                                        const TvxReadFile& readFile) {
    auto topics = TopicsFromIndex(resolver, readFile);
    if (topics.empty()) topics = AllHtmlPages(resolver);
    return topics;
}
