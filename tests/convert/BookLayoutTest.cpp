// The book's code blocks and tables laid out as a browser lays them, in the
// forms the office's HTML import keeps.

#include <gtest/gtest.h>

#include <regex>

#include "convert/book/CodeBlocks.h"
#include "convert/book/HtmlPage.h"
#include "convert/book/HtmlWriter.h"
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
    width = std::regex_search(rest, match, std::regex("width=\"([^\"]*)\"")) ? match[1].str() : "";
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

TEST(TableLayout, WrappingColumnsHoldTheirLongestWordAndTablesFitTheTextArea) {
    std::string words;
    for (int i = 0; i < 40; ++i) words += "several words ";
    HtmlPage page(
        "<body><table><col width=\"10%\"><tr><th></th><th>Name</th><th>About</th></tr>"
        "<tr><td><img src=\"i.gif\"></td><td>Controller.MultiplePropertyController</td>"
        "<td>" +
            words +
            "</td></tr></table>"
            "<table width=\"1200\"><tr><td width=\"400\">left</td><td width=\"800\">"
            "<table width=\"100%\"><tr><td>ControllerPropertyIdentifierName</td><td>" +
            words +
            "</td></tr></table></td></tr></table>"
            "<table><tr><td>a</td><td>b</td></tr></table></body>",
        "UTF-8");
    LayOutTables(page.Find("body"));
    const std::string body = Body(page);
    std::string width;
    const auto members = Columns(body, 0, width);
    ASSERT_EQ(3u, members.size()) << body;
    EXPECT_EQ("100%", width);
    EXPECT_GE(members[0], 9) << "the author's tenth stays";
    // 37 characters of a 16 px font, 8 px or more each, need 42% of the 640 px text area.
    EXPECT_GE(members[1], 42) << body;
    EXPECT_LE(members[0] + members[1] + members[2], 101);

    const auto wide = Columns(body, 1, width);
    EXPECT_EQ("100%", width) << "no wider than the text area";
    ASSERT_EQ(2u, wide.size());
    EXPECT_NEAR(33, wide[0], 1) << "the author's proportions stay";
    EXPECT_EQ(std::string::npos, body.find("width=\"400\"")) << "cells give up their widths";
    const auto nested = Columns(body, 2, width);
    EXPECT_EQ("100%", width) << "the nested table fills its cell";
    ASSERT_EQ(2u, nested.size());
    EXPECT_GE(nested[0], 70) << "the long name's column holds it in the cell's 415 px";

    const auto small = Columns(body, 3, width);
    EXPECT_TRUE(small.empty() && width.empty()) << "a table whose lines fit is left as written";
}
