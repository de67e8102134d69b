// Each topic styled on its own as a browser styles it: its sheets reach no
// other topic, hidden content goes, inline lists become a line of text.

#include <gtest/gtest.h>

#include <chrono>
#include <regex>

#include "ScratchFolder.h"
#include "convert/book/BookBuilder.h"
#include "convert/chm/TvxFileUtils.h"

namespace {

class TopicStyles : public ::testing::Test {
protected:
    testsupport::ScratchFolder job;
    TopicPathResolver resolver{job.Path().string()};

    // The book's text, each topic's part on its own.
    std::vector<std::string> BuildParts(const std::vector<std::string>& relative) {
        std::vector<std::string> topics;
        for (const auto& name : relative) topics.push_back(job / name);
        BookBuilder(resolver, "WINDOWS-1252", TvxFileUtils::ReadFileText)
            .Build(topics, job / "#pellin-book.html");
        const std::string text = TvxFileUtils::ReadFileText(job / "#pellin-book.html");
        std::vector<std::string> parts;
        std::size_t start = 0;
        for (std::size_t i = 1; i <= topics.size(); ++i) {
            // A topic starts with the block its anchor is the first thing of.
            const auto anchor = text.find("<a name=\"PellinTopic" + std::to_string(i) + "\"");
            const auto next = i < topics.size() ? text.rfind('<', anchor - 1) : text.size();
            parts.push_back(text.substr(start, next - start));
            start = next;
        }
        return parts;
    }
};

// The style attribute of the first element named `element` in `text`.
std::string StyleOf(const std::string& text, const std::string& element) {
    std::smatch match;
    const std::regex pattern("<" + element + "[^>]* style=\"([^\"]*)\"");
    return std::regex_search(text, match, pattern) ? match[1].str() : std::string("(none)");
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST_F(TopicStyles, TopicsWithConflictingSheetsEachKeepTheirOwnColoursAndFonts) {
    job.Write("a.css",
              "body { font-family: Georgia, serif; color: #112233 } h1 { color: #aa0000 } "
              "table { width: 100% }");
    job.Write("a.htm",
              "<head><link rel=stylesheet href=a.css></head>"
              "<body><h1>Alpha</h1><p>Body <span class=k>key</span></p><ul><li>item</li></ul>"
              "<table width=300><tr><td>cell</td></tr></table></body>");
    job.Write("b.htm",
              "<head><style>body { font: 12px Verdana } h1 { color: #0000bb; font-size: 150%; "
              "font-weight: normal }"
              " .k { color: #00aa00 }</style></head>"
              "<body><h1>Beta</h1><p>Body <span class=k>key</span></p>"
              "<table style=\"width: 20em\"><tr><td>cell</td></tr></table></body>");
    const auto parts = BuildParts({"a.htm", "b.htm"});
    ASSERT_EQ(parts.size(), 2u);
    // Everything the first topic's sheet says and nothing of the second's.
    const std::string a = parts[0];
    EXPECT_TRUE(Contains(StyleOf(a, "h1"), "color: #aa0000")) << a;
    EXPECT_TRUE(Contains(StyleOf(a, "h1"), "font-family: Georgia, serif")) << a;
    EXPECT_TRUE(Contains(StyleOf(a, "h1"), "font-size: 24pt")) << a;  // 2em of 16 px
    EXPECT_TRUE(Contains(StyleOf(a, "p"), "color: #112233")) << a;
    EXPECT_TRUE(Contains(StyleOf(a, "li"), "color: #112233")) << a;  // the bullet's colour
    EXPECT_TRUE(Contains(a, "<table width=\"100%\"")) << a;  // the office reads no width property
    for (const char* other : {"Verdana", "#0000bb", "#00aa00"})
        EXPECT_FALSE(Contains(a, other)) << other;
    const std::string b = parts[1];
    EXPECT_TRUE(Contains(StyleOf(b, "h1"), "color: #0000bb")) << b;
    EXPECT_TRUE(Contains(StyleOf(b, "h1"), "font-size: 13.5pt")) << b;
    EXPECT_TRUE(Contains(StyleOf(b, "h1"), "font-family: Verdana")) << b;
    EXPECT_TRUE(Contains(StyleOf(b, "h1"), "font-weight: normal")) << b;
    EXPECT_EQ(StyleOf(b, "span"), "color: #00aa00") << b;
    EXPECT_TRUE(Contains(b, "<table width=\"240\"")) << b;  // 20em of 12 px
    for (const char* other : {"Georgia", "#aa0000", "#112233"})
        EXPECT_FALSE(Contains(b, other)) << other;
}

TEST_F(TopicStyles, ThePageIsStyledAsABrowserPrintsIt) {
    job.Write("print.css", ".k { color: #0000ff }");
    job.Write("screen.css", ".k { color: #ff0000 }");
    job.Write("a.htm",
              "<head><link rel=stylesheet media=\"only screen and (min-width: 9px)\" "
              "href=screen.css><link rel=stylesheet media=\"Print, projection\" href=print.css>"
              "<style>@media print { #top { display: none } } "
              "@media screen { p { color: #00ff00 } }</style></head>"
              "<body><div id=top>Project banner</div><p>Body <span class=k>key</span></p></body>");
    const std::string book = BuildParts({"a.htm"})[0];
    EXPECT_FALSE(Contains(book, "Project banner")) << book;
    EXPECT_FALSE(Contains(book, "#00ff00")) << book;
    EXPECT_EQ(StyleOf(book, "span"), "color: #0000ff") << book;
}

// Each page is matched against the rules its elements can meet only; the
// parser's own elements and names in other cases still meet theirs.
TEST_F(TopicStyles, RulesApplyThroughElementsTheParserAddsAndNamesInAnyCase) {
    job.Write("a.css",
              "TABLE > TBODY > TR > TD.Cell { color: #00aa00 } #Main .note { color: #0000aa } "
              ".a.b { color: #aa00aa } .absent p { color: #ff0000 }");
    job.Write("a.htm",
              "<link rel=stylesheet href=a.css><div id=Main><p class=note>x</p></div>"
              "<table><tr><td class=\"Cell\">c</td></tr></table><p class=\"b  a\">y</p>");
    const std::string book = BuildParts({"a.htm"})[0];
    EXPECT_TRUE(Contains(StyleOf(book, "td"), "color: #00aa00")) << book;
    EXPECT_TRUE(Contains(StyleOf(book, "p"), "color: #0000aa")) << book;
    EXPECT_TRUE(Contains(book, "color: #aa00aa")) << book;
    EXPECT_FALSE(Contains(book, "#ff0000")) << book;
}

TEST_F(TopicStyles, RelativeFontSizesKeepTheirFractionsDownTheTree) {
    job.Write("a.htm",
              "<head><style>body { font-size: 70% } div { font-size: 105% } "
              "h4 { font-size: 90% } p { font-size: x-small } span { font-size: 7.5pt }"
              "</style></head><body><div><h4>Return value</h4><p>small <span>and</span></p>"
              "</div></body>");
    const std::string book = BuildParts({"a.htm"})[0];
    // 16 px x 0.7 x 1.05 x 0.9 is 10.584 px; whole pixels at each step made it 9 px.
    EXPECT_TRUE(Contains(StyleOf(book, "h4"), "font-size: 7.94pt")) << book;
    EXPECT_TRUE(Contains(StyleOf(book, "p"), "font-size: 7.5pt")) << book;
    EXPECT_EQ(StyleOf(book, "span"), "(none)") << book;  // as big as its paragraph
}

TEST_F(TopicStyles, WhatTheSheetsHideIsLeftOutAndInlineListsBecomeALine) {
    job.Write("a.htm",
              "<style>.vb, .collapsed { display: none } .cs { display: inline }"
              " ul.crumbs li { display: inline } .tab { float: left }</style>"
              "<ul class=crumbs><li>Home</li> <li>Topic</li></ul>"
              "<div class=cs>var x;</div><div class=vb>Dim x</div>"
              "<p style=\"display:none\">Secret one</p><p hidden>Secret two</p>"
              "<a class=collapsed>Expand All</a><a>Collapse All</a>"
              "<ul><li>Real item</li></ul><div><div class=tab>C#</div><div class=tab>VB</div>"
              "</div><div class=tab>A column of text too long to be a tab's caption</div>");
    const std::string text = BuildParts({"a.htm"})[0];
    for (const char* hidden : {"Dim x", "Secret", "Expand All"})
        EXPECT_FALSE(Contains(text, hidden)) << hidden;
    for (const char* shown : {"var x;", "Collapse All", "<li", "Real item"})
        EXPECT_TRUE(Contains(text, shown)) << shown;
    EXPECT_TRUE(std::regex_search(text, std::regex("<div[^>]*><span>(<a[^>]*></a>)?Home</span> "
                                                   "<span>Topic</span></div>")))
        << text;
    // Floated tabs stand in a line; a floated column of text stays a block.
    EXPECT_TRUE(std::regex_search(text, std::regex("<span class=\"tab\"[^>]*>C#</span> "
                                                   "<span class=\"tab\"[^>]*>VB</span> </div>")))
        << text;
    EXPECT_TRUE(Contains(text,
                         "<div class=\"tab\" style=\"font-size: 12pt; margin-top: 0pt; "
                         "margin-bottom: 0pt\">A column"))
        << text;
}

// Matching "p div div ..." deep down a nest of blocks costs litehtml the
// depth to the power of the chain: such a page keeps its text, unstyled.
TEST_F(TopicStyles, APageTheCascadeWouldTakeAgesOnKeepsItsTextUnstyled) {
    std::string page = "<style>p div div div div div div div div { color: red }</style>";
    for (int i = 0; i < 120; ++i) page += "<div>";
    page += "Deep text";
    job.Write("a.htm", page);
    const auto start = std::chrono::steady_clock::now();
    const std::string text = BuildParts({"a.htm"})[0];
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
    EXPECT_TRUE(Contains(text, "Deep text"));
    EXPECT_FALSE(Contains(text, "style="));
}

}  // namespace
