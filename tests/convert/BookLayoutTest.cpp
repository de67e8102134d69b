// The book's code blocks and tables laid out as a browser lays them, in the
// forms the office's HTML import keeps.

#include <gtest/gtest.h>

#include <regex>

#include "convert/book/BoxedBlocks.h"
#include "convert/book/CodeBlocks.h"
#include "convert/book/HtmlPage.h"
#include "convert/book/HtmlWriter.h"
#include "convert/book/PageFlow.h"
#include "convert/book/TableLayout.h"

namespace {

std::string Body(const HtmlPage& page) {
    std::string out;
    html::WriteChildren(page.Find("body"), out);
    return out;
}

std::size_t Count(const std::string& text, const std::string& part) {
    std::size_t count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

// The <col> percentages of the n-th table (from 0) and the table's width.
std::vector<int> Columns(const std::string& html, int table, std::string& width) {
    std::size_t at = std::string::npos;
    for (int i = 0; i <= table; ++i) at = html.find("<table", at == std::string::npos ? 0 : at + 1);
    const std::string rest = html.substr(at, html.find("<tr", at) - at);
    std::smatch match;
    const std::string tag = rest.substr(0, rest.find('>'));
    width = std::regex_search(tag, match, std::regex("width=\"([^\"]*)\"")) ? match[1].str() : "";
    std::vector<int> percents;
    const std::regex col("<col width=\"(\\d+)%\"");
    for (auto it = std::sregex_iterator(rest.begin(), rest.end(), col);
         it != std::sregex_iterator(); ++it)
        percents.push_back(std::stoi((*it)[1].str()));
    return percents;
}

}  // namespace

TEST(CodeBlocks, APreAndALineByLineListingEachBecomeOneParagraphWithLineBreaks) {
    HtmlPage page(
        "<body><pre class=\"x\" style=\"color: red\">\nif (a)\n\treturn  <b>b</b>;\n</pre>"
        "<div class=\"fragment\"><div style=\"white-space: pre-wrap\">one</div>\n"
        "<div style=\"white-space:pre\">  two</div></div><p>plain  text</p></body>",
        "UTF-8");
    LayOutCodeBlocks(page.Find("body"));
    const std::string body = Body(page);
    const std::string nbsp = "\xC2\xA0";
    std::string tab;
    for (int i = 0; i < 8; ++i) tab += nbsp;
    EXPECT_EQ(std::string::npos, body.find("<pre")) << body;
    EXPECT_EQ(2u, Count(body, "<p ")) << body;  // the pre and the listing
    EXPECT_NE(std::string::npos,
              body.find(">if (a)<br>" + tab + "return" + nbsp + nbsp + "<b>b</b>;</p>"))
        << "no empty first or last line, indentation and double spaces kept: " << body;
    EXPECT_NE(std::string::npos, body.find("monospace; font-size: 13px; margin-top: 1em; "
                                           "margin-bottom: 1em; color: red\""))
        << "the element's own style comes last and wins: " << body;
    EXPECT_NE(std::string::npos, body.find("class=\"fragment\"")) << body;
    EXPECT_NE(std::string::npos, body.find(">one<br>" + nbsp + nbsp + "two</p>")) << body;
    EXPECT_NE(std::string::npos, body.find("<p>plain  text</p>")) << "other text is left alone";
}

TEST(TableLayout, ATableWrittenWiderThanThePageFitsItAndOthersStayAsWritten) {
    std::string words;
    for (int i = 0; i < 40; ++i) words += "several words ";
    HtmlPage page(
        "<body><table width=\"1200\"><tr><td width=\"400\">left</td>"
        "<td width=\"800\" style=\"width: 800px; color: red\">"
        "<table width=\"100%\"><tr><td width=\"500\">inner</td><td>" +
            words +
            "</td></tr></table></td></tr></table>"
            "<table><col width=\"10%\"><tr><td>Controller.MultiplePropertyController</td>"
            "<td>" +
            words + "</td></tr></table></body>",
        "UTF-8");
    LayOutTables(page.Find("body"));
    const std::string body = Body(page);
    std::string width;
    const auto wide = Columns(body, 0, width);
    EXPECT_EQ("100%", width) << "no wider than the text area: " << body;
    EXPECT_EQ((std::vector<int>{33, 67}), wide) << "the author's proportions stay";
    EXPECT_EQ(std::string::npos, body.find("width=\"400\"")) << "cells give up their widths";
    EXPECT_NE(std::string::npos, body.find("color: red\"")) << body;
    // The inner table's 500 px do not fit the 415 px its cell gets.
    const auto inner = Columns(body, 1, width);
    EXPECT_EQ("100%", width) << "the nested table fills its cell";
    ASSERT_EQ(2u, inner.size());
    EXPECT_GE(inner[0], 70);
    const auto fits = Columns(body, 2, width);
    EXPECT_EQ((std::vector<int>{10}), fits) << "a table that fits is left as written";
    EXPECT_TRUE(width.empty());
}

TEST(PageFlow, AHeadingIsFollowedDirectlyByTheTableAfterItsAnchorsOrItsRow) {
    HtmlPage page(
        "<body><h1>Syntax</h1><div class=\"section\"><a name=\"s\"></a><div><a name=\"c\"></a>"
        "<span><table><tr><td>public class A</td></tr></table></span></div></div>"
        "<h4>Remarks</h4><div><a name=\"r\"></a>Text <a name=\"t\"></a></div>"
        "<table class=\"memberdecls\"><tr class=\"heading\"><td colspan=\"2\"><h2>"
        "<a name=\"pub\"></a>Public Member Functions</h2></td></tr>"
        "<tr><td>int</td><td>f()</td></tr></table>"
        "<table class=\"titleTable\"><tr><td><a name=\"top\"></a><h1>Alone</h1></td></tr>"
        "</table><p>after</p><table border=\"1\"><tr><td><h3>Boxed</h3></td></tr></table>"
        "<table><col width=\"64\"><tr><td><h3>Sized</h3></td></tr>"
        "<tr><td>x</td></tr></table></body>",
        "UTF-8");
    KeepHeadingsWithText(page.Find("body"));
    const std::string body = Body(page);
    EXPECT_NE(std::string::npos,
              body.find("<h1>Syntax<a name=\"s\"></a><a name=\"c\"></a></h1><div class=\"section\">"
                        "<div><span><table>"))
        << "the anchors go into the heading, nothing comes between it and the table: " << body;
    EXPECT_NE(std::string::npos,
              body.find("<h4>Remarks<a name=\"r\"></a></h4><div>Text <a name=\"t\"></a></div>"))
        << "an anchor after text stays: " << body;
    EXPECT_NE(std::string::npos,
              body.find("<h2><a name=\"pub\"></a>Public Member Functions</h2><table "
                        "class=\"memberdecls\"><tr><td>int</td>"))
        << "a heading row's heading goes before its table: " << body;
    EXPECT_NE(std::string::npos, body.find("<h1><a name=\"top\"></a>Alone</h1><p>after</p>"))
        << "a plain table of its heading alone becomes the heading: " << body;
    EXPECT_NE(std::string::npos, body.find("<table border=\"1\"><tr><td><h3>Boxed</h3>"))
        << "a boxed one stays: " << body;
    EXPECT_NE(std::string::npos, body.find("<h3>Sized</h3><table><col width=\"64\"><tr><td>x"))
        << "the columns' widths do not hide the heading row: " << body;
}

TEST(PageFlow, ABoldLineStandingAloneIsKeptWithWhatFollows) {
    HtmlPage page(
        "<body><div class=\"header\"><div class=\"title\" style=\"font-size: 18pt; "
        "font-weight: bold\">CM3 Core</div></div><p>text</p>"
        "<p class=\"h\"><a name=\"a\"></a><span style=\"font-weight: bold\">Syntax</span></p>"
        "<p><b>Note:</b> more words follow the bold ones</p><div>plain line</div>"
        "<div style=\"font-weight: bold\">a title <img src=\"a.png\"></div>"
        "<table><tr><td><div style=\"font-weight: bold\">in a cell</div></td></tr>"
        "<tr><td>and a second row</td></tr></table>"
        "<table class=\"band\"><tr><td><div>Modules | Macros</div><div><div "
        "style=\"font-weight: bold\">Core</div></div></td></tr></table>"
        "<table class=\"note\"><tr><td><p><b>Note</b></p><p>" +
            std::string(400, 'x') +
            "</p></td></tr></table><div><p><b>Generated by a tool</b></p></div> </body>",
        "UTF-8");
    KeepHeadingsWithText(page.Find("body"));
    const std::string body = Body(page);
    const std::string kept = "page-break-after: avoid";
    EXPECT_NE(std::string::npos,
              body.find("<p class=\"title\" style=\"font-size: 18pt; font-weight: bold; " + kept +
                        "\">CM3 Core</p>"))
        << "a title division becomes a paragraph the office keeps with the next: " << body;
    EXPECT_NE(std::string::npos, body.find("<p class=\"h\" style=\"" + kept + "\"><a name"))
        << body;
    EXPECT_NE(std::string::npos, body.find("<table class=\"band\" style=\"" + kept + "\">"))
        << "the band round a title goes with it: " << body;
    EXPECT_EQ(3u, Count(body, kept))
        << "text after the bold, plain or pictured lines, a cell "
           "among others, a long box and a closing line are no titles: "
        << body;
}

TEST(TableLayout, ATableOfSingleWordsThatFitsIsAsWideAsItsLines) {
    HtmlPage page(
        "<body><table class=\"members\"><tr><th></th><th>Name</th><th>Description</th></tr>"
        "<tr><td><img width=\"16\" src=\"a.png\"></td><td><a>TOfficialTemplateData</a></td>"
        "<td></td></tr></table>"
        "<table><tr><td>several words in a row</td></tr></table>"
        "<table width=\"50%\"><tr><td>Enumeration</td></tr></table></body>",
        "UTF-8");
    LayOutTables(page.Find("body"));
    const std::string body = Body(page);
    // 28 + 21 x 9.6 + 12 + 11 x 9.6 + 12 px.
    EXPECT_NE(std::string::npos, body.find("<table class=\"members\" width=\"359\">")) << body;
    EXPECT_NE(std::string::npos, body.find("<table><tr><td>several words"))
        << "lines that can wrap are left to the office: " << body;
    EXPECT_NE(std::string::npos, body.find("<table width=\"50%\">")) << body;
}

TEST(TableLayout, AWrappingTableGetsItsWordsWidthsOnlyWhenTheyFitWithRoomToSpare) {
    std::string description;
    for (int i = 0; i < 20; ++i) description += "a shallow copy ";
    const std::string member =
        "<tr><td><img width=\"16\" src=\"a.gif\"></td><td>MemberwiseClone</td>"
        "<td>" +
        description + "</td></tr>";
    HtmlPage page("<body><table>" + member +
                      "</table><table><tr><td style=\"font-size: 30pt\">"
                      "ProjectNameLong</td></tr>" +
                      member + "</table></body>",
                  "UTF-8");
    LayOutTables(page.Find("body"));
    const std::string body = Body(page);
    // 28, 15 x 9.6 + 12 and the rest of 640 px, in pixels: the office widens
    // a column of 4% to its text.
    EXPECT_NE(std::string::npos,
              body.find("<table><col width=\"28\"><col width=\"156\"><col width=\"456\"><tr>"))
        << "the name column keeps its word: " << body;
    EXPECT_EQ(3u, Count(body, "<col "))
        << "a 40 px name leaves too little room to trust the estimate: " << body;
}

TEST(TableLayout, AFullWidthTableInAnIndentedBlockStaysInsideTheMargin) {
    HtmlPage page(
        "<body><div style=\"margin-left: 30pt; margin-bottom: 0pt\">"
        "<table width=\"100%\"><tr><td>a</td></tr></table></div>"
        "<table width=\"100%\"><tr><td>b</td></tr></table></body>",
        "UTF-8");
    LayOutTables(page.Find("body"));
    const std::string body = Body(page);
    std::string width;
    Columns(body, 0, width);
    EXPECT_EQ("94%", width) << "600 of 640 px: " << body;  // the office counts the whole area
    Columns(body, 1, width);
    EXPECT_EQ("100%", width) << body;
}

// The office draws a division's box round each run of text inside it; a
// table's cell it boxes whole.
TEST(BoxedBlocks, ABoxedDivisionBecomesACellUnlessItHoldsAHeadingOrNothing) {
    HtmlPage page(
        "<body><div style=\"color: #111111; margin-left: 6pt; border-left: 1pt solid #ff0000; "
        "background-color: #eeeeee\"><p>one</p><p>two</p></div>"
        "<div style=\"border-left: 1pt solid #00ff00; padding-left: 6pt\"><h2>Title</h2>"
        "<p>text</p></div><div style=\"border-bottom: 1pt solid #0000ff\"> </div>"
        "<div style=\"color: #222222; background-color: #ffffff\"><p>plain</p></div></body>",
        "UTF-8");
    DrawBoxedBlocks(page.Find("body"));
    const std::string body = Body(page);
    EXPECT_NE(std::string::npos,
              body.find("<table width=\"100%\" cellspacing=\"0\" cellpadding=\"0\" "
                        "style=\"margin-left: 6pt\"><tr><td style=\"color: #111111; border-left: "
                        "1pt solid #ff0000; background-color: #eeeeee\"><p>one</p><p>two</p></td>"))
        << body;
    EXPECT_NE(std::string::npos, body.find("<div style=\"padding-left: 6pt\"><h2>")) << body;
    EXPECT_NE(std::string::npos, body.find("<div style=\"border-bottom: 1pt solid #0000ff\">"))
        << body;
    EXPECT_NE(std::string::npos,
              body.find("<div style=\"color: #222222; background-color: #ffffff\">"))
        << body;
    EXPECT_EQ(1u, Count(body, "<table")) << body;
}
