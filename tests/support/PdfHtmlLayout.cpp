#include "PdfHtmlLayout.h"

#include <stdlib.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>

namespace fs = std::filesystem;

namespace pdftest {

namespace {

std::string Utf8(long code) {
    std::string out;
    if (code <= 0 || code > 0x10FFFF) return "?";
    if (code < 0x80) return std::string(1, static_cast<char>(code));
    if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    }
    out += static_cast<char>(0x80 | (code & 0x3F));
    return out;
}

std::string DecodeEntities(const std::string& text) {
    static const std::map<std::string, std::string> named = {
        {"amp", "&"}, {"lt", "<"}, {"gt", ">"}, {"quot", "\""}, {"apos", "'"}};
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto end = text[i] == '&' ? text.find(';', i) : std::string::npos;
        if (end == std::string::npos || end - i > 10) {
            out += text[i];
            continue;
        }
        const std::string name = text.substr(i + 1, end - i - 1);
        if (named.count(name)) {
            out += named.at(name);
        } else if (name.size() > 1 && name[0] == '#') {
            const long code = name[1] == 'x' ? std::strtol(name.c_str() + 2, nullptr, 16)
                                             : std::strtol(name.c_str() + 1, nullptr, 10);
            out += Utf8(code);
        } else {
            out += text.substr(i, end - i + 1);
        }
        i = end;
    }
    return out;
}

using Attributes = std::map<std::string, std::string>;

// The attributes of the tag that starts at `at` (name="value" pairs).
Attributes ParseAttributes(const std::string& xml, std::size_t at, std::size_t end) {
    Attributes attributes;
    for (std::size_t eq = xml.find('=', at); eq != std::string::npos && eq < end;
         eq = xml.find('=', eq + 1)) {
        std::size_t nameStart = eq;
        while (nameStart > at && xml[nameStart - 1] != ' ' && xml[nameStart - 1] != '\t')
            --nameStart;
        const std::size_t close = xml.find('"', eq + 2);
        if (xml[eq + 1] != '"' || close == std::string::npos) break;
        attributes[xml.substr(nameStart, eq - nameStart)] =
            DecodeEntities(xml.substr(eq + 2, close - eq - 2));
        eq = close;
    }
    return attributes;
}

double Number(const Attributes& attributes, const char* name) {
    const auto found = attributes.find(name);
    return found == attributes.end() ? 0 : std::atof(found->second.c_str());
}

std::string Value(const Attributes& attributes, const char* name) {
    const auto found = attributes.find(name);
    return found == attributes.end() ? "" : found->second;
}

PdfHtmlBox BoxOf(const Attributes& attributes, int page) {
    return {page, Number(attributes, "top"), Number(attributes, "left"),
            Number(attributes, "width"), Number(attributes, "height")};
}

std::string WithoutMarkup(const std::string& text) {
    std::string out;
    bool inTag = false;
    for (const char c : text) {
        if (c == '<') inTag = true;
        if (!inTag) out += c;
        if (c == '>') inTag = false;
    }
    return DecodeEntities(out);
}

}  // namespace

std::string PdfHtmlFont::BaseFamily() const {
    const auto plus = Family.find('+');
    return plus == 6 ? Family.substr(7) : Family;
}

const PdfHtmlFont* PdfHtmlLayout::Font(const std::string& id) const {
    for (const auto& font : Fonts)
        if (font.Id == id) return &font;
    return nullptr;
}

std::vector<PdfHtmlFont> PdfHtmlLayout::FontsOfText(const std::string& text) const {
    std::vector<PdfHtmlFont> fonts;
    for (const auto& box : Texts)
        if (box.Text.find(text) != std::string::npos)
            if (const PdfHtmlFont* font = Font(box.FontId)) fonts.push_back(*font);
    return fonts;
}

PdfHtmlLayout ParsePdfHtmlXml(const std::string& xml) {
    PdfHtmlLayout layout;
    int page = 0;
    for (std::size_t at = xml.find('<'); at != std::string::npos; at = xml.find('<', at + 1)) {
        const std::size_t end = xml.find('>', at);
        if (end == std::string::npos) break;
        const std::size_t nameEnd = xml.find_first_of(" \t\r\n/>", at + 1);
        const std::string tag = xml.substr(at + 1, nameEnd - at - 1);
        const Attributes attributes = ParseAttributes(xml, nameEnd, end);
        if (tag == "page") {
            page = static_cast<int>(Number(attributes, "number"));
            layout.Pages.push_back(
                {page, Number(attributes, "width"), Number(attributes, "height")});
        } else if (tag == "fontspec") {
            layout.Fonts.push_back({Value(attributes, "id"), Number(attributes, "size"),
                                    Value(attributes, "family"), Value(attributes, "color")});
        } else if (tag == "image") {
            layout.Images.push_back(BoxOf(attributes, page));
        } else if (tag == "text") {
            const std::size_t close = xml.find("</text>", end);
            if (close == std::string::npos) break;
            layout.Texts.push_back({BoxOf(attributes, page), Value(attributes, "font"),
                                    WithoutMarkup(xml.substr(end + 1, close - end - 1))});
            at = close;
        }
    }
    return layout;
}

PdfHtmlLayout ReadPdfHtmlLayout(const std::string& pdf) {
    std::string folder = (fs::temp_directory_path() / "pellin-pdftohtml-XXXXXX").string();
    if (!::mkdtemp(folder.data())) throw std::runtime_error("Cannot make a scratch folder");
    const auto quoted = [](const std::string& text) {
        std::string q = "'";
        for (const char c : text) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
        return q + "'";
    };
    const std::string command = "pdftohtml -xml -q -zoom 1 " + quoted(pdf) + " " +
                                quoted(folder + "/layout") + " >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    std::ifstream in(folder + "/layout.xml", std::ios::binary);
    std::ostringstream xml;
    xml << in.rdbuf();
    std::error_code ignored;
    fs::remove_all(folder, ignored);
    if (status == -1 || !WIFEXITED(status) || WEXITSTATUS(status) != 0 || xml.str().empty())
        throw std::runtime_error("pdftohtml could not read " + pdf);
    return ParsePdfHtmlXml(xml.str());
}

}  // namespace pdftest
