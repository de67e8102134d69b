#include "CatalogueText.h"

#include <sstream>
#include <stdexcept>

#include "platform/text/MarkupEscape.h"

namespace catalogue {

namespace {

std::string JoinChoices(const options::OptionInfo& option) {
    std::string words;
    for (std::size_t i = 0; i < option.choices.size(); ++i) {
        if (i > 0) words += i + 1 == option.choices.size() ? " or " : ", ";
        words += option.choices[i];
    }
    return words;
}

std::string Trimmed(const std::string& line) {
    const auto first = line.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    return line.substr(first, line.find_last_not_of(" \t\r") - first + 1);
}

}  // namespace

std::string ValuesText(const options::OptionInfo& option) {
    using K = options::OptionKind;
    switch (option.kind) {
        case K::Text:
            return "text";
        case K::Boolean:
            return "True or False (or a number: 0 is False)";
        case K::Integer:
            return "a whole number (decimal, or hexadecimal after $ or 0x)";
        case K::Choice:
            return JoinChoices(option);
        case K::Overwrite:
            return "True, False or skip";
        case K::Shard:
            return "K/N with 0 <= K < N";
    }
    return "text";
}

std::string EscapeTroff(const std::string& text) {
    std::string out;
    for (const char c : text) {
        if (c == '\\')
            out += "\\e";
        else if (c == '-')
            out += "\\-";
        else
            out += c;
    }
    // A line that begins with "." or "'" would be read as a request.
    if (!out.empty() && (out.front() == '.' || out.front() == '\'')) out.insert(0, "\\&");
    return out;
}

std::string EscapeHtml(const std::string& text) { return platform::MarkupEscaped(text); }

std::string ManPageOptions() {
    std::ostringstream out;
    for (const auto& option : options::OptionCatalog()) {
        out << ".TP\n.B " << EscapeTroff(option.key) << "\n";
        out << EscapeTroff(option.meaning) << ".\n";
        out << ".br\nValues: " << EscapeTroff(ValuesText(option))
            << "; default: " << EscapeTroff(option.defaultText) << ".\n";
    }
    return out.str();
}

std::string HtmlOptionsTable() {
    std::ostringstream out;
    out << "<table border=\"1\" cellpadding=\"4\" cellspacing=\"0\">\n"
        << "<tr><th>Key</th><th>Values</th><th>Default</th><th>Meaning</th></tr>\n";
    for (const auto& option : options::OptionCatalog()) {
        out << "<tr><td><a name=\"" << EscapeHtml(option.key) << "\"></a><code>"
            << EscapeHtml(option.key) << "</code></td><td>" << EscapeHtml(ValuesText(option))
            << "</td><td>" << EscapeHtml(option.defaultText) << "</td><td>"
            << EscapeHtml(option.meaning) << "</td></tr>\n";
    }
    out << "</table>\n";
    return out.str();
}

std::string FillPlaceholder(const std::string& templateText, const std::string& placeholder,
                            const std::string& content) {
    std::string out;
    bool filled = false;
    std::size_t start = 0;
    while (start < templateText.size()) {
        std::size_t end = templateText.find('\n', start);
        const std::size_t next = end == std::string::npos ? templateText.size() : end + 1;
        const std::string line = templateText.substr(start, next - start);
        if (!filled && Trimmed(line.substr(0, line.find('\n'))) == placeholder) {
            out += content;
            filled = true;
        } else {
            out += line;
        }
        start = next;
    }
    if (!filled) throw std::runtime_error("the template has no line " + placeholder);
    return out;
}

}  // namespace catalogue
