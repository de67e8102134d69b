#include "core/OptionList.h"

#include "platform/text/AsciiText.h"

namespace options {

std::optional<std::string_view> KeyOf(std::string_view line) {
    const auto eq = line.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    return line.substr(0, eq);
}

int Find(const std::vector<std::string>& lines, std::string_view key) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto lineKey = KeyOf(lines[i]);
        if (lineKey && platform::EqualsNoCase(*lineKey, key)) return static_cast<int>(i);
    }
    return -1;
}

std::string Read(const std::vector<std::string>& lines, std::string_view key) {
    const int i = Find(lines, key);
    if (i < 0) return {};
    const std::string& line = lines[static_cast<std::size_t>(i)];
    return line.substr(line.find('=') + 1);
}

void Write(std::vector<std::string>& lines, std::string_view key, std::string_view value) {
    const int i = Find(lines, key);
    if (value.empty()) {
        if (i >= 0) lines.erase(lines.begin() + i);
        return;
    }
    std::string line = std::string(key) + "=" + std::string(value);
    if (i >= 0)
        lines[static_cast<std::size_t>(i)] = std::move(line);
    else
        lines.push_back(std::move(line));
}

}  // namespace options
