#include "convert/book/BookParts.h"

#include <algorithm>
#include <numeric>

std::vector<int> SplitIntoParts(const std::vector<int>& picturesOfTopics,
                                const std::vector<std::size_t>& textOfTopics,
                                const PartSize& size) {
    std::vector<int> parts(picturesOfTopics.size(), 0);
    if (size.Pictures <= 0) return parts;
    const long long pictures =
        std::accumulate(picturesOfTopics.begin(), picturesOfTopics.end(), 0LL);
    const std::size_t text =
        std::accumulate(textOfTopics.begin(), textOfTopics.end(), std::size_t{0});
    long long count = (pictures + size.Pictures - 1) / size.Pictures;
    if (size.MinText > 0) count = std::min<long long>(count, text / size.MinText);
    if (count <= 1) return parts;
    const long long share = (pictures + count - 1) / count;
    int part = 0;
    long long inPart = 0;
    for (std::size_t i = 0; i < picturesOfTopics.size(); ++i) {
        const int topicPictures = picturesOfTopics[i];
        if (inPart > 0 && inPart + topicPictures > share && part + 1 < count) {
            ++part;
            inPart = 0;
        }
        parts[i] = part;
        inPart += topicPictures;
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
