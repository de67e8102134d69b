#pragma once
// Finding files in the folder a help file was decompiled into. Masks use the
// wildcards "*" and "?", and names compare without regard to letter case.
// Only plain files count: folders, links and special files are passed over.

#include <optional>
#include <string>
#include <vector>

bool MatchesMask(const std::string& name, const std::string& mask);

// The first file (in name order) matching the name part of `relativeMask`
// inside the folder named by its folder part ("html/toc.hhc" looks in html/).
// The result is relative to `root`.
std::optional<std::string> FindFirstFile(const std::string& root, const std::string& relativeMask);

// Every file below `root` whose name matches one of the masks, relative to `root`,
// shallow ones first, then in name order.
std::vector<std::string> FindFilesBelow(const std::string& root,
                                        const std::vector<std::string>& masks);

// The folder part of a relative path, without its trailing "/" ("" at the top).
std::string FolderOf(const std::string& relativePath);
