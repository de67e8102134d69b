#include "convert/TopicList.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "convert/HelpTreeSearch.h"
#include "convert/HhcReader.h"

namespace {

std::string CaseKey(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

}  // namespace

TopicCollector::TopicCollector(std::vector<std::string>& topics) : topics_(topics) {
    for (const auto& topic : topics_) seen_.insert(CaseKey(topic));
}

bool TopicCollector::Add(const std::string& path) {
    if (!seen_.insert(CaseKey(path)).second) return false;
    topics_.push_back(path);
    return true;
}

std::vector<std::string> TopicsOfLinkFile(const TopicPathResolver& resolver,
                                          const std::string& relativeFile, std::string_view text) {
    std::vector<std::string> topics;
    TopicCollector collector(topics);
    const std::string base = FolderOf(relativeFile);
    for (const auto& value : ReadLocalValues(text)) {
        if (const auto path = resolver.Resolve(base, DecodeTopicValue(value))) collector.Add(*path);
    }
    return topics;
}

bool AnyFileExists(const std::vector<std::string>& paths) {
    return std::any_of(paths.begin(), paths.end(), [](const std::string& path) {
        std::error_code ec;
        return std::filesystem::is_regular_file(path, ec);
    });
}
