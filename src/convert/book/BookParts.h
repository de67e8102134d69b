#pragma once
// A book with thousands of pictures is written in parts, each a file the
// office loads and exports on its own: the office's export visits every
// picture of the document for every page it draws, so its time grows with
// pages times pictures, and k parts take about a k-th of it. Each part
// starts a new page, so parts are kept long enough that the pages they add
// stay few.

#include <cstddef>
#include <string>
#include <vector>

struct PartSize {
    int Pictures = 0;         // about this many pictures a part; 0: the book is one file
    std::size_t MinText = 0;  // and no part with less text than this (characters)
};

// The part of each topic, in book order: consecutive topics, each part with
// about the same number of pictures. As many parts as the pictures need at
// `size.Pictures` each, but no more than the text allows at `size.MinText`.
std::vector<int> SplitIntoParts(const std::vector<int>& picturesOfTopics,
                                const std::vector<std::size_t>& textOfTopics, const PartSize& size);

// The file of part `part` (from 0) of the book at `bookPath`: the book's own
// path for the first, "<name>-<part + 1>.html" beside it for the others.
std::string BookPartPath(const std::string& bookPath, int part);
