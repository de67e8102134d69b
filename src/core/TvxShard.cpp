#include "core/TvxShard.h"

#include <algorithm>
#include <stdexcept>

#include "core/TvxProject.h"
#include "platform/text/TextReplace.h"

namespace {

constexpr std::uint64_t FnvOffsetBasis = 0xcbf29ce484222325ULL;
constexpr std::uint64_t FnvPrime = 0x100000001b3ULL;
constexpr std::size_t MaxShardDigits = 6;

std::optional<std::uint32_t> SmallNumber(std::string_view text) {
    if (text.empty() || text.size() > MaxShardDigits) return std::nullopt;
    if (!std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    std::uint32_t value = 0;
    for (char c : text) value = value * 10 + static_cast<std::uint32_t>(c - '0');
    return value;
}

std::string MalformedShardMessage(const std::string& value) {
    return "The option Shard=" + value + " expects K/N with 0 <= K < N, such as 0/4";
}

}  // namespace

bool TvxShard::Holds(std::string_view key) const { return ShardOfKey(key, Count) == Index; }

std::uint64_t Fnv1a64(std::string_view bytes) {
    std::uint64_t hash = FnvOffsetBasis;
    for (char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= FnvPrime;
    }
    return hash;
}

std::uint32_t ShardOfKey(std::string_view key, std::uint32_t count) {
    return static_cast<std::uint32_t>(Fnv1a64(key) % std::max<std::uint32_t>(count, 1));
}

std::optional<TvxShard> ParseShard(std::string_view text) {
    const auto slash = text.find('/');
    if (slash == std::string_view::npos) return std::nullopt;
    const auto index = SmallNumber(text.substr(0, slash));
    const auto count = SmallNumber(text.substr(slash + 1));
    if (!index || !count || *index >= *count) return std::nullopt;
    return TvxShard{*index, *count};
}

std::optional<TvxShard> ReadShardOption(const TvxProject& project) {
    const std::string value = project.GetOption("Shard");
    if (value.empty()) return std::nullopt;
    const auto shard = ParseShard(value);
    if (!shard) throw std::invalid_argument(MalformedShardMessage(value));
    return shard;
}

std::optional<std::string> ShardOptionProblem(const TvxProject& project) {
    try {
        ReadShardOption(project);
        return std::nullopt;
    } catch (const std::invalid_argument& error) {
        return std::string(error.what());
    }
}

std::string ShardLogFileName(const std::string& logFile, const std::optional<TvxShard>& shard) {
    if (!shard) return logFile;
    return platform::ReplaceAll(logFile, "%K", std::to_string(shard->Index));
}
