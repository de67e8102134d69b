#include "convert/book/BookParts.h"

#include <numeric>

std::vector<int> SplitIntoParts(const std::vector<int>& picturesOfTopics, int picturesPerPart) {
    std::vector<int> parts(picturesOfTopics.size(), 0);
    const long long total = std::accumulate(picturesOfTopics.begin(), picturesOfTopics.end(), 0LL);
    if (picturesPerPart <= 0 || total <= picturesPerPart) return parts;
    const long long count = (total + picturesPerPart - 1) / picturesPerPart;
    const long long share = (total + count - 1) / count;
    int part = 0;
    long long inPart = 0;
    for (std::size_t i = 0; i < picturesOfTopics.size(); ++i) {
        const int pictures = picturesOfTopics[i];
        if (inPart > 0 && inPart + pictures > share) {
            ++part;
            inPart = 0;
        }
        parts[i] = part;
        inPart += pictures;
    }
    return parts;
}

std::string BookPartPath(const std::string& bookPath, int part) {
    if (part == 0) return bookPath;
    const std::string suffix = "-" + std::to_string(part + 1);
    const auto slash = bookPath.rfind('/');
    const auto dot = bookPath.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return bookPath + suffix;
    return bookPath.substr(0, dot) + suffix + bookPath.substr(dot);
}

int PictureTagsIn(const std::string& page) {
    int tags = 0;
    for (auto at = page.find('<'); at != std::string::npos; at = page.find('<', at + 1)) {
        if (at + 4 > page.size()) break;
        const auto letter = [&](std::size_t i, char lower) {
            return (page[at + i] | 0x20) == lower;
        };
        if (letter(1, 'i') && letter(2, 'm') && letter(3, 'g')) ++tags;
    }
    return tags;
}
