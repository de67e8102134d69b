#include "convert/chm/TopicList.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "platform/text/AsciiText.h"

TopicCollector::TopicCollector(std::vector<std::string>& topics) : topics_(topics) {
    for (const auto& topic : topics_) seen_.insert(platform::ToLowerAscii(topic));
}

bool TopicCollector::Add(const std::string& path) {
    if (!seen_.insert(platform::ToLowerAscii(path)).second) return false;
    topics_.push_back(path);
    return true;
}

bool AnyFileExists(const std::vector<std::string>& paths) {
    return std::any_of(paths.begin(), paths.end(), [](const std::string& path) {
        std::error_code ec;
        return std::filesystem::is_regular_file(path, ec);
    });
}
