#pragma once
// A book with thousands of pictures is written in parts, each a file the
// office loads and exports on its own: the office's export visits every
// picture of the document for every page it draws, so its time grows with
// pages times pictures, and k parts take about a k-th of it. Links between
// parts are written as addresses the PDF finisher turns back into jumps.

#include <string>
#include <vector>

// The address a link to the place `anchor` of another part is written as.
// The ".invalid" domain never resolves, so even a link left as it is leads
// nowhere outside the document.
inline constexpr const char* kOtherPartAddress = "https://pellin.invalid/#";

// The part of each topic, in book order: parts of consecutive topics with
// about the same number of pictures each, at most `picturesPerPart` unless a
// single topic has more. One part when `picturesPerPart` is 0 or the book
// has no more pictures than that.
std::vector<int> SplitIntoParts(const std::vector<int>& picturesOfTopics, int picturesPerPart);

// The file of part `part` (from 0) of the book at `bookPath`: the book's own
// path for the first, "<name>-<part + 1>.html" beside it for the others.
std::string BookPartPath(const std::string& bookPath, int part);

// How many "<img" tags `page` holds, in any letter case: an estimate made
// before the page is read.
int PictureTagsIn(const std::string& page);
