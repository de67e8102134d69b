#include "platform/regexserver/ReplacementText.h"

namespace platform {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

void appendGroup(std::string& out, std::string_view subject, const CapturedGroup& group) {
    if (group.matched) out.append(subject.substr(group.begin, group.end - group.begin));
}

// Handles the "$" sequence at replacement[at]; returns how many characters it used.
std::size_t appendDollarSequence(std::string& out, std::string_view replacement, std::size_t at,
                                 std::string_view subject, const FoundMatch& match) {
    const CapturedGroup& whole = match.front();
    const char next = at + 1 < replacement.size() ? replacement[at + 1] : '\0';
    switch (next) {
        case '$':
            out += '$';
            return 2;
        case '&':
            appendGroup(out, subject, whole);
            return 2;
        case '`':
            out.append(subject.substr(0, whole.begin));
            return 2;
        case '\'':
            out.append(subject.substr(whole.end));
            return 2;
        default:
            break;
    }
    const std::size_t groupCount = match.size() - 1;
    if (isDigit(next)) {
        const std::size_t oneDigit = static_cast<std::size_t>(next - '0');
        const char after = at + 2 < replacement.size() ? replacement[at + 2] : '\0';
        if (isDigit(after)) {
            const std::size_t twoDigits = oneDigit * 10 + static_cast<std::size_t>(after - '0');
            if (twoDigits >= 1 && twoDigits <= groupCount) {
                appendGroup(out, subject, match[twoDigits]);
                return 3;
            }
        }
        if (oneDigit >= 1 && oneDigit <= groupCount) {
            appendGroup(out, subject, match[oneDigit]);
            return 2;
        }
    }
    out += '$';
    return 1;
}

}  // namespace

void AppendReplacement(std::string& out, std::string_view replacement, std::string_view subject,
                       const FoundMatch& match) {
    for (std::size_t at = 0; at < replacement.size();) {
        const auto dollar = replacement.find('$', at);
        if (dollar == std::string_view::npos) {
            out.append(replacement.substr(at));
            return;
        }
        out.append(replacement.substr(at, dollar - at));
        at = dollar + appendDollarSequence(out, replacement, dollar, subject, match);
    }
}

}  // namespace platform
