#include "convert/job/TopicIsolation.h"

namespace {

struct Search {
    const TopicProbe& probe;
    int probesLeft;
    IsolationResult result;

    bool Probe(const std::vector<int>& topics) {
        if (probesLeft <= 0) {
            result.Complete = false;  // out of probes: stop looking here
            return true;
        }
        --probesLeft;
        return probe(topics);
    }

    // `topics` are known to fail together.
    void Split(const std::vector<int>& topics) {
        if (topics.size() == 1) {
            result.Culprits.insert(topics.front());
            return;
        }
        const auto middle = topics.begin() + static_cast<std::ptrdiff_t>(topics.size() / 2);
        const std::vector<int> first(topics.begin(), middle);
        const std::vector<int> second(middle, topics.end());
        const bool firstFails = !Probe(first);
        const bool secondFails = !Probe(second);
        if (firstFails) Split(first);
        if (secondFails) Split(second);
        if (!firstFails && !secondFails) result.Complete = false;  // only together do they fail
    }
};

}  // namespace

IsolationResult IsolateFailingTopics(const std::vector<int>& topics, const TopicProbe& probe,
                                     int maxProbes) {
    Search search{probe, maxProbes, {}};
    search.result.Complete = true;
    if (!topics.empty()) search.Split(topics);
    return search.result;
}
