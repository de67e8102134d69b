#pragma once
// Building the ordered list of topic files of a help file: each path once,
// in the order of its first appearance, compared without regard to case.

#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "convert/TopicPathResolver.h"

class TopicCollector {
public:
    explicit TopicCollector(std::vector<std::string>& topics);
    // Appends the path unless it is already listed; returns whether it was new.
    bool Add(const std::string& path);

private:
    std::vector<std::string>& topics_;
    std::unordered_set<std::string> seen_;
};

// The topic paths named by a table of contents or an index whose text is
// `text` and whose place is `relativeFile`; links that leave the folder are
// left out, missing files are kept (they are skipped when pages are added).
std::vector<std::string> TopicsOfLinkFile(const TopicPathResolver& resolver,
                                          const std::string& relativeFile, std::string_view text);

bool AnyFileExists(const std::vector<std::string>& paths);
