#pragma once
// Building the ordered list of topic files of a help file: each path once,
// in the order of its first appearance, compared without regard to case.

#include <string>
#include <unordered_set>
#include <vector>

class TopicCollector {
public:
    explicit TopicCollector(std::vector<std::string>& topics);
    // Appends the path unless it is already listed; returns whether it was new.
    bool Add(const std::string& path);

private:
    std::vector<std::string>& topics_;
    std::unordered_set<std::string> seen_;
};

bool AnyFileExists(const std::vector<std::string>& paths);
