#include "platform/pdf/XmpPacket.h"

#include <cstring>
#include <string_view>
#include <utility>

#include "platform/text/MarkupEscape.h"
#include "platform/text/TextEncoding.h"

namespace platform {

namespace {

const char* const kDublinCore = "http://purl.org/dc/elements/1.1/";
const char* const kXmpBasic = "http://ns.adobe.com/xap/1.0/";

std::string XmlEscaped(const std::string& text) {
    // XML 1.0 allows no control characters other than tab and line ends.
    std::string plain = text;
    for (char& c : plain)
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n') c = ' ';
    return MarkupEscaped(plain);
}

bool EndsName(char c) { return c == '>' || c == '/' || std::strchr(" \t\r\n", c); }

// Where the start tag `<name ...>` begins, or npos.
std::size_t FindStartTag(const std::string& xml, const std::string& name, std::size_t from = 0) {
    const std::string open = "<" + name;
    for (auto at = xml.find(open, from); at != std::string::npos; at = xml.find(open, at + 1)) {
        const std::size_t after = at + open.size();
        if (after < xml.size() && EndsName(xml[after])) return at;
    }
    return std::string::npos;
}

// A part of the packet: where it begins and how long it is.
struct Span {
    std::size_t At = std::string::npos;
    std::size_t Size = 0;
    bool Found() const { return At != std::string::npos; }
};

// What element `name` holds; for an empty element written as <name/>, the
// whole tag, marked by `empty`.
Span FindElementContent(const std::string& xml, const std::string& name, bool& empty) {
    const std::size_t start = FindStartTag(xml, name);
    if (start == std::string::npos) return {};
    const std::size_t tagEnd = xml.find('>', start);
    if (tagEnd == std::string::npos) return {};
    empty = xml[tagEnd - 1] == '/';
    if (empty) return {start, tagEnd + 1 - start};
    const std::size_t close = xml.find("</" + name + ">", tagEnd);
    if (close == std::string::npos) return {};
    return {tagEnd + 1, close - tagEnd - 1};
}

// A simple property may also be written as an attribute of rdf:Description:
// the attribute's value between its quotes.
Span FindAttributeValue(const std::string& xml, const std::string& name) {
    for (auto at = xml.find(name + "=", 0); at != std::string::npos;
         at = xml.find(name + "=", at + 1)) {
        if (at == 0 || !std::strchr(" \t\r\n", xml[at - 1])) continue;
        const std::size_t quote = at + name.size() + 1;
        if (quote >= xml.size() || (xml[quote] != '"' && xml[quote] != '\'')) continue;
        const std::size_t end = xml.find(xml[quote], quote + 1);
        if (end == std::string::npos) return {};
        return {quote + 1, end - quote - 1};
    }
    return {};
}

// Replaces what element `name` holds with `content`. False when there is no
// such element.
bool ReplaceElementContent(std::string& xml, const std::string& name, const std::string& content) {
    bool empty = false;
    const Span span = FindElementContent(xml, name, empty);
    if (!span.Found()) return false;
    xml.replace(span.At, span.Size,
                empty ? "<" + name + ">" + content + "</" + name + ">" : content);
    return true;
}

bool ReplaceAttributeValue(std::string& xml, const std::string& name, const std::string& value) {
    const Span span = FindAttributeValue(xml, name);
    if (!span.Found()) return false;
    xml.replace(span.At, span.Size, value);
    return true;
}

// Adds a description of its own for a property the packet lacks.
bool AddDescription(std::string& xml, const std::string& prefix, const char* uri,
                    const std::string& property) {
    const std::size_t end = xml.rfind("</rdf:RDF>");
    if (end == std::string::npos) return false;
    xml.insert(end, "  <rdf:Description rdf:about=\"\" xmlns:" + prefix + "=\"" + uri + "\">\n   " +
                        property + "\n  </rdf:Description>\n ");
    return true;
}

void SetTitle(std::string& xml, const std::string& title) {
    const std::string alt =
        "<rdf:Alt><rdf:li xml:lang=\"x-default\">" + XmlEscaped(title) + "</rdf:li></rdf:Alt>";
    if (!ReplaceElementContent(xml, "dc:title", alt))
        AddDescription(xml, "dc", kDublinCore, "<dc:title>" + alt + "</dc:title>");
}

void SetCreatorTool(std::string& xml, const std::string& tool) {
    const std::string value = XmlEscaped(tool);
    if (!ReplaceElementContent(xml, "xmp:CreatorTool", value) &&
        !ReplaceAttributeValue(xml, "xmp:CreatorTool", value))
        AddDescription(xml, "xmp", kXmpBasic, "<xmp:CreatorTool>" + value + "</xmp:CreatorTool>");
}

int DigitValue(char c, bool hex) {
    if (c >= '0' && c <= '9') return c - '0';
    if (hex && c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (hex && c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Appends the character the reference `name` (between "&" and ";") stands
// for; false for a reference XML does not define.
bool AppendReferenced(std::string_view name, std::string& out) {
    static const std::pair<std::string_view, char> kNamed[] = {
        {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}};
    for (const auto& [named, c] : kNamed)
        if (name == named) {
            out += c;
            return true;
        }
    const bool hex = name.size() > 2 && name[1] == 'x';
    if (name.size() < 2 || name[0] != '#' || name.size() > 10) return false;
    char32_t code = 0;
    for (char c : name.substr(hex ? 2 : 1)) {
        const int digit = DigitValue(c, hex);
        if (digit < 0) return false;
        code = code * (hex ? 16 : 10) + static_cast<char32_t>(digit);
    }
    if (code == 0 || code > 0x10FFFF) return false;
    AppendUtf8(out, code);
    return true;
}

std::string XmlText(std::string_view xml) {
    std::string text;
    for (std::size_t at = 0; at < xml.size(); ++at) {
        const std::size_t end = xml[at] == '&' ? xml.find(';', at) : std::string_view::npos;
        if (end != std::string_view::npos &&
            AppendReferenced(xml.substr(at + 1, end - at - 1), text))
            at = end;
        else
            text += xml[at];
    }
    return text;
}

}  // namespace

std::string UpdateXmpPacket(std::string packet, const XmpChanges& changes) {
    if (packet.find("</rdf:RDF>") == std::string::npos) return packet;
    if (changes.Title) SetTitle(packet, *changes.Title);
    if (changes.CreatorTool) SetCreatorTool(packet, *changes.CreatorTool);
    if (changes.Language)
        ReplaceElementContent(
            packet, "dc:language",
            "<rdf:Bag><rdf:li>" + XmlEscaped(*changes.Language) + "</rdf:li></rdf:Bag>");
    return packet;
}

std::optional<std::string> XmpValue(const std::string& packet, const std::string& name) {
    bool empty = false;
    const Span element = FindElementContent(packet, name, empty);
    if (!element.Found()) {
        const Span attribute = FindAttributeValue(packet, name);
        if (!attribute.Found()) return std::nullopt;
        return XmlText(std::string_view(packet).substr(attribute.At, attribute.Size));
    }
    if (empty) return std::string();
    const std::string content = packet.substr(element.At, element.Size);
    // A language alternative: its first item.
    const Span item = FindElementContent(content, "rdf:li", empty);
    if (!item.Found()) return XmlText(content);
    return empty ? std::string() : XmlText(std::string_view(content).substr(item.At, item.Size));
}

}  // namespace platform
