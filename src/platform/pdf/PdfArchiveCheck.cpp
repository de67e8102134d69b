#include "platform/pdf/PdfArchiveCheck.h"

#include <optional>
#include <set>

#include "platform/pdf/XmpPacket.h"

namespace platform {

namespace {

using Object = QPDFObjectHandle;

std::optional<std::string> XmpPacketOf(QPDF& pdf) {
    Object metadata = pdf.getRoot().getKey("/Metadata");
    if (!metadata.isStream()) return std::nullopt;
    const auto data = metadata.getStreamData(qpdf_dl_generalized);
    return std::string(reinterpret_cast<const char*>(data->getBuffer()), data->getSize());
}

std::string InfoText(QPDF& pdf, const std::string& key) {
    Object info = pdf.getTrailer().getKey("/Info");
    Object value = info.isDictionary() ? info.getKey(key) : Object::newNull();
    return value.isString() ? value.getUTF8Value() : std::string();
}

// The packet must declare what was asked for and repeat the document
// information word for word.
void CheckPacket(QPDF& pdf, int part, char conformance, std::vector<std::string>& problems) {
    const auto packet = XmpPacketOf(pdf);
    if (!packet) {
        problems.push_back("it has no XMP metadata");
        return;
    }
    const std::string wanted[][2] = {{"pdfaid:part", std::to_string(part)},
                                     {"pdfaid:conformance", std::string(1, conformance)},
                                     {"dc:title", InfoText(pdf, "/Title")},
                                     {"xmp:CreatorTool", InfoText(pdf, "/Creator")}};
    for (const auto& [property, value] : wanted) {
        const auto found = XmpValue(*packet, property);
        if (!found)
            problems.push_back("its XMP metadata has no " + property);
        else if (*found != value)
            problems.push_back("its XMP metadata says " + property + " \"" + *found +
                               "\" instead of \"" + value + "\"");
    }
}

// Part 1 rests on PDF 1.4, parts 2 and 3 on PDF 1.7, part 4 on PDF 2.0.
void CheckVersion(QPDF& pdf, int part, std::vector<std::string>& problems) {
    const std::string highest = part == 1 ? "1.4" : part <= 3 ? "1.7" : "2.0";
    const std::string version = pdf.getPDFVersion();
    if (version.size() != 3 || version > highest)
        problems.push_back("it is PDF " + version + ", part " + std::to_string(part) +
                           " allows up to " + highest);
}

bool FontEmbedded(Object font) {
    if (font.getKey("/Subtype").isNameAndEquals("/Type3")) return true;  // drawn by the file
    if (font.getKey("/Subtype").isNameAndEquals("/Type0")) {
        Object descendants = font.getKey("/DescendantFonts");
        if (!descendants.isArray() || descendants.getArrayNItems() < 1) return false;
        font = descendants.getArrayItem(0);
    }
    Object descriptor = font.isDictionary() ? font.getKey("/FontDescriptor") : Object::newNull();
    if (!descriptor.isDictionary()) return false;
    for (const char* file : {"/FontFile", "/FontFile2", "/FontFile3"})
        if (descriptor.getKey(file).isStream()) return true;
    return false;
}

// Walks the fonts of a resource dictionary and of the forms and Type 3
// fonts it uses, each object once.
class FontWalk {
public:
    void Resources(Object resources) {
        if (!resources.isDictionary() || !Unseen(resources)) return;
        Object fonts = resources.getKey("/Font");
        if (fonts.isDictionary())
            for (auto& [key, font] : fonts.ditems()) Font(font);
        Object xobjects = resources.getKey("/XObject");
        if (xobjects.isDictionary())
            for (auto& [key, xobject] : xobjects.ditems())
                if (xobject.isStream() &&
                    xobject.getDict().getKey("/Subtype").isNameAndEquals("/Form") &&
                    Unseen(xobject))
                    Resources(xobject.getDict().getKey("/Resources"));
    }
    std::set<std::string> NotEmbedded;

private:
    void Font(Object font) {
        if (!font.isDictionary() || !Unseen(font)) return;
        if (!FontEmbedded(font)) {
            Object name = font.getKey("/BaseFont");
            NotEmbedded.insert(name.isName() ? name.getName().substr(1) : "(unnamed)");
        }
        Resources(font.getKey("/Resources"));
    }
    bool Unseen(Object object) {
        return !object.isIndirect() || seen_.insert(object.getObjGen()).second;
    }
    std::set<QPDFObjGen> seen_;
};

void CheckFonts(QPDF& pdf, std::vector<std::string>& problems) {
    FontWalk walk;
    for (Object page : pdf.getAllPages()) {
        // The resources may be inherited from the page tree.
        Object node = page;
        for (int depth = 0; depth < 64 && node.isDictionary(); ++depth) {
            if (node.hasKey("/Resources")) {
                walk.Resources(node.getKey("/Resources"));
                break;
            }
            node = node.getKey("/Parent");
        }
    }
    for (const std::string& name : walk.NotEmbedded)
        problems.push_back("the font " + name + " is not embedded");
}

}  // namespace

std::vector<std::string> PdfArchiveProblems(QPDF& pdf, int part, char conformance) {
    std::vector<std::string> problems;
    CheckPacket(pdf, part, conformance, problems);
    CheckVersion(pdf, part, problems);
    if (pdf.isEncrypted()) problems.push_back("it is encrypted");
    CheckFonts(pdf, problems);
    return problems;
}

}  // namespace platform
