#pragma once
// Topics for a help file whose table of contents names no existing page:
// the pages of its index (.hhk) in index order, else every HTML page of the
// help file in name order. Only existing files are listed.

#include <functional>
#include <string>
#include <vector>

#include "convert/TopicPathResolver.h"

using TvxReadFile = std::function<std::string(const std::string& path)>;

std::vector<std::string> TopicsFromIndex(const TopicPathResolver& resolver,
                                         const TvxReadFile& readFile);
std::vector<std::string> AllHtmlPages(const TopicPathResolver& resolver);

// The index topics when there are any, else all HTML pages.
std::vector<std::string> FallbackTopics(const TopicPathResolver& resolver,
                                        const TvxReadFile& readFile);
