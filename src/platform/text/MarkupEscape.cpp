#include "platform/text/MarkupEscape.h"

namespace platform {

void AppendMarkupEscaped(std::string_view text, std::string& out, Quotes quotes) {
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += quotes == Quotes::Escaped ? "&quot;" : "\"";
                break;
            default:
                out += c;
        }
    }
}

std::string MarkupEscaped(std::string_view text, Quotes quotes) {
    std::string out;
    AppendMarkupEscaped(text, out, quotes);
    return out;
}

}  // namespace platform
