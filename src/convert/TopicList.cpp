#include "convert/TopicList.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

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

bool AnyFileExists(const std::vector<std::string>& paths) {
    return std::any_of(paths.begin(), paths.end(), [](const std::string& path) {
        std::error_code ec;
        return std::filesystem::is_regular_file(path, ec);
    });
}
