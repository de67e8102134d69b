#pragma once
// What a link or a resource address found in a topic stands for once all
// topics are one document. The topics come from an untrusted help file: an
// address may only lead to a file inside the job folder, never to another
// file of the machine or to the network.

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "convert/chm/TopicPathResolver.h"

struct BookTarget {
    enum class Kind {
        Web,    // a web or mail address: stays a link, is never fetched
        Topic,  // a place in one of the book's topics
        File,   // another file inside the job folder
        None,   // leads nowhere the document may go
    };
    Kind kind = Kind::None;
    std::string address;   // Web: the address as written
    int topic = -1;        // Topic: its index
    std::string fragment;  // Topic: the anchor after "#", empty for its start
    std::string path;      // File: its full path; Topic: the topic file's path
};

class BookLinks {
public:
    // `topics` are full paths below the resolver's root, in book order.
    BookLinks(const TopicPathResolver& resolver, const std::vector<std::string>& topics);

    // Resolves `address` as written in topic `from` (whose file is `fromPath`).
    BookTarget Resolve(int from, const std::string& fromPath, std::string_view address) const;

    // Where an address used as a picture, style sheet or background may be
    // read from: a file inside the job folder, or nothing.
    std::optional<std::string> LocalFile(const std::string& fromPath,
                                         std::string_view address) const;

    // The folder of `path` relative to the job folder ("" at its top).
    std::string FolderInJob(const std::string& path) const;

    const TopicPathResolver& Resolver() const { return resolver_; }

private:
    BookTarget ResolveInJob(int from, const std::string& baseFolder,
                            std::string_view address) const;
    int TopicOfPath(const std::string& path) const;

    const TopicPathResolver& resolver_;
    std::unordered_map<std::string, int> topicOfPath_;  // lower-case path -> index
};

// Percent escapes decoded ("%20" -> " "); a "%" not followed by two hex
// digits stays as it is.
std::string PercentDecoded(std::string_view text);
