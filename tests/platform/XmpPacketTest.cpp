#include <gtest/gtest.h>

#include "platform/pdf/XmpPacket.h"

using platform::UpdateXmpPacket;
using platform::XmpChanges;
using platform::XmpValue;

namespace {

std::string Packet(const std::string& body) {
    return "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\"><rdf:RDF xmlns:rdf=\"r\">" + body +
           "</rdf:RDF></x:xmpmeta>";
}

}  // namespace

TEST(XmpPacket, ChangesPropertiesInEveryFormTheyAreWritten) {
    XmpChanges changes;
    changes.Title = "New";
    changes.CreatorTool = "Tool \"2\"";
    // Element form, with the title's alternatives replaced as a whole.
    EXPECT_EQ(UpdateXmpPacket(Packet("<rdf:Description><dc:title><rdf:Alt><rdf:li>Old</rdf:li>"
                                     "<rdf:li xml:lang=\"de\">Alt</rdf:li></rdf:Alt></dc:title>"
                                     "<xmp:CreatorTool>Writer</xmp:CreatorTool></rdf:Description>"),
                              changes),
              Packet("<rdf:Description><dc:title><rdf:Alt><rdf:li xml:lang=\"x-default\">New"
                     "</rdf:li></rdf:Alt></dc:title><xmp:CreatorTool>Tool &quot;2&quot;"
                     "</xmp:CreatorTool></rdf:Description>"));
    // Attribute form of a simple property, and an empty element.
    EXPECT_EQ(UpdateXmpPacket(Packet("<rdf:Description xmp:CreatorTool='Writer'><dc:title/>"
                                     "</rdf:Description>"),
                              changes),
              Packet("<rdf:Description xmp:CreatorTool='Tool &quot;2&quot;'><dc:title><rdf:Alt>"
                     "<rdf:li xml:lang=\"x-default\">New</rdf:li></rdf:Alt></dc:title>"
                     "</rdf:Description>"));
}

TEST(XmpPacket, ReadsBackWhatItWroteInEitherForm) {
    XmpChanges changes;
    changes.Title = "Tom & \"Жук\"";
    changes.CreatorTool = "Tool <2>";
    for (const char* body :
         {"<dc:title/><xmp:CreatorTool>W</xmp:CreatorTool>",
          "<rdf:Description xmp:CreatorTool='W'><dc:title/></rdf:Description>"}) {
        const std::string updated = UpdateXmpPacket(Packet(body), changes);
        EXPECT_EQ(XmpValue(updated, "dc:title"), changes.Title) << body;
        EXPECT_EQ(XmpValue(updated, "xmp:CreatorTool"), changes.CreatorTool) << body;
    }
    EXPECT_EQ(XmpValue(Packet("<pdfaid:part>&#50;&#x416;&bogus;</pdfaid:part>"), "pdfaid:part"),
              "2Ж&bogus;");
    EXPECT_EQ(XmpValue(Packet("<pdfaid:partx>2</pdfaid:partx>"), "pdfaid:part"), std::nullopt);
}

TEST(XmpPacket, AddsMissingTitleAndToolButNotALanguage) {
    XmpChanges changes;
    changes.Title = "T";
    changes.CreatorTool = "C";
    changes.Language = "ru";
    const std::string updated = UpdateXmpPacket(Packet("<dc:titles>keep</dc:titles>"), changes);
    EXPECT_NE(updated.find("<dc:titles>keep</dc:titles>"), std::string::npos);
    EXPECT_NE(updated.find("xmlns:dc=\"http://purl.org/dc/elements/1.1/\">\n   <dc:title><rdf:Alt>"
                           "<rdf:li xml:lang=\"x-default\">T</rdf:li></rdf:Alt></dc:title>"),
              std::string::npos);
    EXPECT_NE(updated.find("xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\">\n   "
                           "<xmp:CreatorTool>C</xmp:CreatorTool>"),
              std::string::npos);
    EXPECT_EQ(updated.find("language"), std::string::npos);
    EXPECT_LT(updated.find("</rdf:Description>"), updated.find("</rdf:RDF>"));
}

TEST(XmpPacket, APacketWithoutAnRdfBodyOrWithBrokenElementsStaysAsItIs) {
    XmpChanges changes;
    changes.Title = "T";
    EXPECT_EQ(UpdateXmpPacket("<x:xmpmeta/>", changes), "<x:xmpmeta/>");
    EXPECT_EQ(UpdateXmpPacket("", changes), "");
    // An unclosed title is left alone; the title is added as a property of its own.
    const std::string broken = Packet("<dc:title>unclosed");
    EXPECT_NE(UpdateXmpPacket(broken, changes).find("<dc:title>unclosed  <rdf:Description"),
              std::string::npos);
    // Control characters are not allowed in XML.
    changes.Title = std::string(
        "a\x01"
        "b\x1f");
    EXPECT_NE(UpdateXmpPacket(Packet(""), changes).find(">a b <"), std::string::npos);
}
