#include "platform/pdf/XmpPacket.h"

#include <cstring>

#include "platform/MarkupEscape.h"

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

// Replaces what element `name` holds with `content` (also an empty element
// written as <name/>). False when there is no such element.
bool ReplaceElementContent(std::string& xml, const std::string& name, const std::string& content) {
    const std::size_t start = FindStartTag(xml, name);
    if (start == std::string::npos) return false;
    const std::size_t tagEnd = xml.find('>', start);
    if (tagEnd == std::string::npos) return false;
    if (xml[tagEnd - 1] == '/') {
        xml.replace(start, tagEnd + 1 - start, "<" + name + ">" + content + "</" + name + ">");
        return true;
    }
    const std::size_t close = xml.find("</" + name + ">", tagEnd);
    if (close == std::string::npos) return false;
    xml.replace(tagEnd + 1, close - tagEnd - 1, content);
    return true;
}

// A simple property may also be written as an attribute of rdf:Description.
bool ReplaceAttributeValue(std::string& xml, const std::string& name, const std::string& value) {
    for (auto at = xml.find(name + "=", 0); at != std::string::npos;
         at = xml.find(name + "=", at + 1)) {
        if (at == 0 || !std::strchr(" \t\r\n", xml[at - 1])) continue;
        const std::size_t quote = at + name.size() + 1;
        if (quote >= xml.size() || (xml[quote] != '"' && xml[quote] != '\'')) continue;
        const std::size_t end = xml.find(xml[quote], quote + 1);
        if (end == std::string::npos) return false;
        xml.replace(quote + 1, end - quote - 1, value);
        return true;
    }
    return false;
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

}  // namespace platform
