#include <gtest/gtest.h>

#include "convert/HhcReader.h"

namespace {

std::string Entry(const std::string& value) {
    return "<LI> <OBJECT type=\"text/sitemap\">\n\t<param name=\"Name\" value=\"x\">\n"
           "\t<param name=\"Local\" value=\"" +
           value + "\">\n</OBJECT>\n";
}

using Values = std::vector<std::string>;

}  // namespace

TEST(ReadLocalValues, KeepsTextOrderAndCutsAnchors) {
    const std::string text =
        "<UL>" + Entry("a.htm") + Entry("b.htm#x") + Entry("a.htm#y") + Entry("B.HTM") + "</UL>";
    EXPECT_EQ((Values{"a.htm", "b.htm", "a.htm", "B.HTM"}), ReadLocalValues(text));
    // The parameter name is matched exactly, quotes included.
    EXPECT_TRUE(
        ReadLocalValues("<param name=\"local\" value=\"a.htm\"><param name=Local value=\"b\">")
            .empty());
}

TEST(ReadLocalValues, MalformedTextEndsTheScanWithoutGarbage) {
    // An empty value or one that is only an anchor names no page.
    EXPECT_EQ((Values{"b.htm"}), ReadLocalValues(Entry("") + Entry("#top") + Entry("b.htm")));
    EXPECT_EQ((Values{"tail.htm"}), ReadLocalValues("<param name=\"Local\" value=\"tail.htm"));
    EXPECT_TRUE(ReadLocalValues("<param name=\"Local\" value=").empty());
}

TEST(DecodeTopicValue, DecodesOnlyTheThreeEscapes) {
    EXPECT_EQ("My Page.htm", DecodeTopicValue("My%20Page.htm"));
    EXPECT_EQ("A&B.htm", DecodeTopicValue("A&amp;B.htm"));
    EXPECT_EQ("a b.htm", DecodeTopicValue("a&nbsp;b.htm"));
    EXPECT_EQ("x%27y.htm", DecodeTopicValue("x%27y.htm"));
    // "&amp;" is decoded last, so "&amp;nbsp;" stays a literal "&nbsp;".
    EXPECT_EQ("&nbsp;.htm", DecodeTopicValue("&amp;nbsp;.htm"));
}
