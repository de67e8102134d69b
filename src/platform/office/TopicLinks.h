#pragma once
// Where the links of assembled help topics should point once the topics are
// one document. Each topic gets a bookmark at its start, and the anchors it
// brings along are renamed so that equal names in different topics stay
// apart. A link to a topic file, or to an anchor in one, becomes a link to
// that bookmark; a link to any other local file is dropped (the files live in
// a temporary folder that is gone after the job); other links stay.

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace platform::office {

class TopicLinks {
public:
    // Returns the topic's index, counted from 0 in the order of adding.
    int addTopic(const std::string& filePath);
    // Records that anchor `name` of topic `topic` is now the bookmark returned.
    std::string addAnchor(int topic, const std::string& name);

    static std::string topicBookmark(int topic);
    // The topic whose start bookmark this is, or -1.
    static int topicOfBookmark(const std::string& bookmark);
    int topicCount() const { return static_cast<int>(topics_.size()); }

    // The replacement for a link met inside topic `current` (-1 when not
    // known): "#bookmark" for an internal target, an empty text to drop the
    // link, nothing to keep it unchanged.
    std::optional<std::string> resolve(const std::string& url, int current) const;

    // "file:" URL → path, percent escapes decoded; nothing for other URLs.
    static std::optional<std::string> pathOfFileUrl(const std::string& url);
    static std::string percentDecoded(const std::string& text);

private:
    std::optional<std::string> resolveInTopic(int topic, const std::string& fragment) const;
    int topicOfPath(const std::string& path) const;
    static std::string normalizedPath(const std::string& path);

    std::vector<std::string> topics_;  // normalised paths
    std::map<std::pair<int, std::string>, std::string> anchors_;
    int anchorCount_ = 0;
};

}  // namespace platform::office
