#include "convert/HhcReader.h"

namespace {

constexpr std::string_view QuotedLocal = "\"Local\"";

std::string ReplaceAll(const std::string& text, std::string_view from, std::string_view to) {
    std::string result;
    size_t pos = 0;
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, pos)) {
        result.append(text, pos, at - pos).append(to);
        pos = at + from.size();
    }
    return result.append(text, pos);
}

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
