#include "platform/text/TextReplace.h"

namespace platform {

// Builds a new text rather than replacing in place, so that many occurrences
// in a long text cost linear time.
std::string ReplaceAll(std::string text, std::string_view from, std::string_view to) {
    if (from.empty()) return text;
    auto at = text.find(from);
    if (at == std::string::npos) return text;
    std::string replaced;
    replaced.reserve(text.size());
    std::size_t copied = 0;
    for (; at != std::string::npos; at = text.find(from, copied)) {
        replaced.append(text, copied, at - copied);
        replaced.append(to);
        copied = at + from.size();
    }
    replaced.append(text, copied, std::string::npos);
    return replaced;
}

}  // namespace platform
