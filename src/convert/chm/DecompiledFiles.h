#pragma once
// The plain files of a decompiled help file, listed once, so the links of a
// contents file of thousands of entries are looked up without asking the
// disk each time. Names compare without regard to ASCII letter case, as the
// help files were made for a case-blind file system; the exact spelling wins
// when both exist. Symbolic links and what lies behind them are never listed.

#include <cstddef>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

class DecompiledFiles {
public:
    // Lists the files below `root` (without a trailing delimiter) but those
    // named in `leftOut` (relative to the root): files of the job that are no
    // part of the help file, such as the copy of the help file itself.
    explicit DecompiledFiles(std::string root, const std::vector<std::string>& leftOut = {});

    // The place of a file relative to the root ("html/a.htm") as spelled on
    // disk, or nothing when no such file exists.
    std::optional<std::string> Find(const std::string& relative) const;

    // The full path of a place relative to the root.
    std::string FullPath(const std::string& relative) const { return root_ + "/" + relative; }

    const std::string& Root() const { return root_; }
    std::size_t Count() const { return exact_.size(); }

    // More files than this are not listed (the decompiler writes fewer).
    static constexpr std::size_t MaxFiles = 1'000'000;

private:
    std::string root_;
    std::unordered_set<std::string> exact_;                // the spelling on disk
    std::unordered_map<std::string, std::string> folded_;  // lower case -> first spelling
};
