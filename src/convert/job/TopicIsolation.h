#pragma once
// Finding the topics that bring the office down. When a document made of
// many topics makes the office crash or stall, the topics are tried in ever
// smaller groups until the ones that fail on their own are known, so the
// document can be made without them instead of failing as a whole.

#include <functional>
#include <set>
#include <vector>

// Whether a document made of exactly these topics can be made.
using TopicProbe = std::function<bool(const std::vector<int>& topics)>;

struct IsolationResult {
    std::set<int> Culprits;  // topics that fail even alone
    bool Complete = false;   // false when the probes ran out or no single culprit was found
};

// Splits `topics` (which fail together) in halves and probes them, down to
// single topics, with at most `maxProbes` probes.
IsolationResult IsolateFailingTopics(const std::vector<int>& topics, const TopicProbe& probe,
                                     int maxProbes);
