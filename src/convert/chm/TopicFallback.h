#pragma once
// Topics for a help file whose table of contents names no existing page:
// the pages of its index (.hhk) in index order, else every HTML page of the
// help file in name order. Only existing files are listed.

#include <functional>
#include <string>
#include <vector>

#include "convert/chm/DecompiledFiles.h"

using TvxReadFile = std::function<std::string(const std::string& path)>;

// The pages of the first index below the root that names any, read in
// `charset`; `namedIndex` (the index the help file names, relative to the
// root; may be empty) is tried first.
std::vector<std::string> TopicsFromIndex(const DecompiledFiles& files, const std::string& charset,
                                         const TvxReadFile& readFile,
                                         const std::string& namedIndex = {});
std::vector<std::string> AllHtmlPages(const std::string& root);

// The index topics when there are any, else all HTML pages.
std::vector<std::string> FallbackTopics(const DecompiledFiles& files, const std::string& charset,
                                        const TvxReadFile& readFile,
                                        const std::string& namedIndex = {});
