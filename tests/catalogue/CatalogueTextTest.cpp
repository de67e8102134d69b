// The option catalogue as the manual page and the help document show it.

#include <gtest/gtest.h>

#include <stdexcept>

#include "CatalogueText.h"

TEST(CatalogueText, EveryKeyGetsItsOwnParagraphAndTableRowInCatalogueOrder) {
    const std::string man = catalogue::ManPageOptions();
    const std::string html = catalogue::HtmlOptionsTable();
    std::size_t manAt = 0;
    std::size_t htmlAt = 0;
    for (const auto& option : options::OptionCatalog()) {
        const std::string key = option.key;
        const auto manFound = man.find(".TP\n.B " + key + "\n", manAt);
        ASSERT_NE(manFound, std::string::npos) << key;
        const auto htmlFound = html.find("<code>" + key + "</code>", htmlAt);
        ASSERT_NE(htmlFound, std::string::npos) << key;
        manAt = manFound + 1;
        htmlAt = htmlFound + 1;
    }
}

TEST(CatalogueText, ValuesAreNamedByKind) {
    EXPECT_EQ(catalogue::ValuesText(*options::FindOption("Outline")), "Contents, Headings or None");
    EXPECT_EQ(catalogue::ValuesText(*options::FindOption("IsOverwrite")), "True, False or skip");
    EXPECT_EQ(catalogue::ValuesText(*options::FindOption("Source")), "text");
}

TEST(CatalogueText, TroffTextCannotIssueRequestsOrEscapesAndHtmlTextIsEscaped) {
    EXPECT_EQ(catalogue::EscapeTroff(".so /etc/passwd"), "\\&.so /etc/passwd");
    EXPECT_EQ(catalogue::EscapeTroff("'br"), "\\&'br");
    EXPECT_EQ(catalogue::EscapeTroff("a\\fBb"), "a\\efBb");
    EXPECT_EQ(catalogue::EscapeTroff("-pellin-<name>"), "\\-pellin\\-<name>");
    // Nothing in the page may begin a line with a request of the catalogue's making.
    const std::string man = catalogue::ManPageOptions();
    std::size_t start = 0;
    while (start < man.size()) {
        const auto end = man.find('\n', start);
        const std::string line = man.substr(start, end - start);
        if (!line.empty() && line[0] == '.') {
            EXPECT_TRUE(line == ".TP" || line == ".br" || line.rfind(".B ", 0) == 0) << line;
        }
        start = end + 1;
    }
    // HTML text is escaped too.
    EXPECT_EQ(catalogue::EscapeHtml("a<b>&\"c\""), "a&lt;b&gt;&amp;&quot;c&quot;");
    EXPECT_NE(catalogue::HtmlOptionsTable().find("0 &lt;= K &lt; N"), std::string::npos);
}

TEST(CatalogueText, PlaceholderLineIsReplacedOnceAndMustBeThere) {
    EXPECT_EQ(catalogue::FillPlaceholder("a\n  %X% \nb\n%X%\n", "%X%", "one\ntwo\n"),
              "a\none\ntwo\nb\n%X%\n");
    EXPECT_EQ(catalogue::FillPlaceholder("a\n%X%", "%X%", "z"), "a\nz");
    EXPECT_THROW(catalogue::FillPlaceholder("a %X% b\n", "%X%", "z"), std::runtime_error);
    EXPECT_THROW(catalogue::FillPlaceholder("", "%X%", "z"), std::runtime_error);
}
