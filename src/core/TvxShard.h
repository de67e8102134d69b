#pragma once
// Splitting one shelf of help files across several runs: the option
// Shard=K/N keeps only the files whose shard is K. A file's shard is the
// 64-bit FNV-1a hash of its path below the searched folder, modulo N, so it
// depends on nothing but that path: not on the machine, the order of the
// listing or the number of converters.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

class TvxProject;

struct TvxShard {
    std::uint32_t Index = 0;  // K, below Count
    std::uint32_t Count = 1;  // N, at least 1

    // Whether the file of this key (its path below the source folder)
    // belongs to this shard.
    bool Holds(std::string_view key) const;
};

// FNV-1a, 64 bits, over the bytes as they are (paths are UTF-8 here).
std::uint64_t Fnv1a64(std::string_view bytes);

// The shard of a key among `count` shards (count at least 1).
std::uint32_t ShardOfKey(std::string_view key, std::uint32_t count);

// "K/N": one to six decimal digits on each side of "/", nothing else, and
// K below N. Anything else gives nothing.
std::optional<TvxShard> ParseShard(std::string_view text);

// The project's Shard option: nothing when it is absent (or empty). A value
// that does not parse throws std::invalid_argument, whose message names the
// value and the form expected.
std::optional<TvxShard> ReadShardOption(const TvxProject& project);

// The message ReadShardOption would throw, or nothing when the option is
// absent or parses: the check made before a windowless run starts.
std::optional<std::string> ShardOptionProblem(const TvxProject& project);

// The LogFile value of one shard: every "%K" becomes the shard number. Without
// a shard the name is returned as typed, "%K" included.
std::string ShardLogFileName(const std::string& logFile, const std::optional<TvxShard>& shard);
