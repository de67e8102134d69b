#pragma once
// Keeps a PDF's XMP metadata packet in step with its document information.
// A PDF/A file must say the same in both places (/Title as dc:title, /Creator
// as xmp:CreatorTool), so when the finisher changes the one it changes the
// other. The packet is edited as text, leaving everything else as the office
// wrote it.

#include <optional>
#include <string>

namespace platform {

struct XmpChanges {
    std::optional<std::string> Title;        // dc:title, added when missing
    std::optional<std::string> CreatorTool;  // xmp:CreatorTool, added when missing
    std::optional<std::string> Language;     // dc:language, changed only when present
};

// Returns the packet with the changes made. A packet without an RDF body
// (</rdf:RDF>) is returned unchanged, since there is no safe place to add to.
std::string UpdateXmpPacket(std::string packet, const XmpChanges& changes);

// The text of the simple property `name` ("pdfaid:part"), written as an
// element or as an attribute of rdf:Description; for a language
// alternative such as dc:title, the text of its first item. Character
// references are resolved. Nothing when the packet does not hold it.
std::optional<std::string> XmpValue(const std::string& packet, const std::string& name);

}  // namespace platform
