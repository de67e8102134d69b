#include "convert/HhcReader.h"

#include "platform/TextReplace.h"

using platform::ReplaceAll;

namespace {

constexpr std::string_view QuotedLocal = "\"Local\"";

}  // namespace

std::vector<std::string> ReadLocalValues(std::string_view text) {
    std::vector<std::string> values;
    size_t pos = 0;
    for (;;) {
        const auto word = text.find(QuotedLocal, pos);
        if (word == std::string_view::npos) break;
        // In the file the value follows as the next quoted attribute.
        const auto open = text.find('"', word + QuotedLocal.size());
        if (open == std::string_view::npos) break;
        const auto start = open + 1;
        const auto end = text.find_first_of("\"#", start);
        const auto stop = end == std::string_view::npos ? text.size() : end;
        if (stop > start) values.emplace_back(text.substr(start, stop - start));
        if (end == std::string_view::npos) break;
        pos = end + 1;
    }
    return values;
}

std::string DecodeTopicValue(const std::string& value) {
    return ReplaceAll(ReplaceAll(ReplaceAll(value, "%20", " "), "&nbsp;", " "), "&amp;", "&");
}
