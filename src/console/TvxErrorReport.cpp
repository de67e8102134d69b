#include "console/TvxErrorReport.h"

#include <algorithm>

#include "core/TvxInfo.h"
#include "platform/text/EscapedText.h"

namespace {

bool NeedsQuotes(const std::string& message) {
    return std::any_of(message.begin(), message.end(), [](char c) {
        return static_cast<unsigned char>(c) <= ' ' || c == ',' || c == '"';
    });
}

std::string Quoted(const std::string& message) {
    std::string quoted = "\"";
    for (char c : message) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

}  // namespace

std::string ErrorReportAction(const std::vector<std::string>& failureMessages) {
    std::string text;
    for (const auto& original : failureMessages) {
        const std::string message = platform::EscapeControls(original);
        if (!text.empty()) text += ',';
        text += NeedsQuotes(message) ? Quoted(message) : message;
    }
    std::string escaped;
    for (char c : text) escaped += c == '?' ? std::string("%3F") : std::string(1, c);
    return "err&e=" + escaped;
}

bool SendErrorReport(const std::vector<std::string>& failureMessages) {
    return vxInfo && vxInfo->OpenAction(ErrorReportAction(failureMessages));
}
