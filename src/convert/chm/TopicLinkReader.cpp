#include "convert/chm/TopicLinkReader.h"

#include <algorithm>
#include <array>
#include <vector>

#include "convert/chm/HelpLanguage.h"
#include "convert/chm/HtmlValueText.h"
#include "convert/chm/SitemapTags.h"
#include "convert/chm/TopicPathResolver.h"
#include "platform/text/AsciiText.h"
#include "platform/text/TextReplace.h"

namespace {

// "http:", "mailto:", "javascript:", "C:"... at the start of a link.
bool HasScheme(std::string_view link) {
    const auto colon = link.find(':');
    if (colon == std::string_view::npos || colon == 0) return false;
    return std::all_of(link.begin(), link.begin() + static_cast<std::ptrdiff_t>(colon), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               c == '+' || c == '.' || c == '-';
    });
}

constexpr std::array<std::string_view, 3> HelpFileSchemes{"ms-its:", "mk:@msitstore:", "its:"};

// The "#" that starts the anchor; the one of a numeric character reference
// ("&#233;") is part of the name.
std::size_t AnchorStart(std::string_view link) {
    for (auto at = link.find('#'); at != std::string_view::npos; at = link.find('#', at + 1))
        if (at == 0 || link[at - 1] != '&') return at;
    return std::string_view::npos;
}

}  // namespace

TopicLinkReader::TopicLinkReader(const DecompiledFiles& files, std::string baseFolder,
                                 std::string charset)
    : files_(files), baseFolder_(std::move(baseFolder)), charset_(std::move(charset)) {}

bool TopicLinkReader::InsideHelpFile(std::string_view& raw) {
    const std::string lower = platform::ToLowerAscii(raw.substr(0, 16));
    for (std::string_view scheme : HelpFileSchemes) {
        if (!std::string_view(lower).starts_with(scheme)) continue;
        const auto separator = raw.find("::");
        if (separator == std::string_view::npos) return false;
        raw.remove_prefix(separator + 2);
        return true;
    }
    return !HasScheme(raw);
}

TopicLink TopicLinkReader::Read(std::string_view raw) const {
    TopicLink link;
    raw = platform::Trim(raw);
    if (!InsideHelpFile(raw)) return link;
    const auto hash = AnchorStart(raw);
    if (hash != std::string_view::npos) {
        link.Fragment =
            DecodeValueText(raw.substr(hash + 1), charset_, ReferenceReading::AsCharacter);
        raw = raw.substr(0, hash);
    }
    if (!raw.empty()) link.Topic = FindSpelling(raw);
    link.Missing = !raw.empty() && link.Topic.empty();
    return link;
}

std::string TopicLinkReader::FindSpelling(std::string_view path) const {
    std::array<ReferenceReading, 2> references{ReferenceReading::AsCodePage,
                                               ReferenceReading::AsCharacter};
    if (!IsSingleByteCharset(charset_)) std::swap(references[0], references[1]);
    std::vector<std::string> tried;
    for (PercentReading percents :
         {PercentReading::SpaceOnly, PercentReading::All, PercentReading::Kept}) {
        for (ReferenceReading reading : references) {
            // A no-break space in a file name is the blank the author meant.
            std::string spelling = platform::ReplaceAll(
                DecodeValueText(path, charset_, reading, percents), "\xC2\xA0", " ");
            if (std::find(tried.begin(), tried.end(), spelling) != tried.end()) continue;
            const auto relative = TopicPathResolver::Normalize(baseFolder_, spelling);
            if (relative) {
                if (const auto found = files_.Find(*relative)) return files_.FullPath(*found);
            }
            tried.push_back(std::move(spelling));
        }
    }
    return {};
}
