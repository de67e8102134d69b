#include <gtest/gtest.h>

#include "ScratchFolder.h"
#include "convert/chm/HelpTreeSearch.h"
#include "convert/chm/TopicPathResolver.h"

using testsupport::ScratchFolder;

using Paths = std::vector<std::string>;

TEST(TopicPathNormalize, LinksAreRelativeToTheirOwnFolder) {
    EXPECT_EQ("page 1.html", TopicPathResolver::Normalize("Documents", "../page 1.html"));
    EXPECT_EQ("html/style.css", TopicPathResolver::Normalize("html/topics", "./../style.css"));
    EXPECT_EQ("etc/passwd",
              TopicPathResolver::Normalize("html", "/etc/passwd"));  // top of the help file
    EXPECT_EQ("C:/Windows/win.ini", TopicPathResolver::Normalize("", "C:\\Windows\\win.ini"));
}

TEST(TopicPathNormalize, RefusesLinksThatLeaveTheFolder) {
    const std::vector<std::string> links{"../../etc/passwd", "sub/../../../etc/passwd",
                                         "..\\..\\x.htm",    "..",
                                         "..\x01/x.htm",     std::string("a\0/../../x", 10)};
    for (const auto& link : links) EXPECT_FALSE(TopicPathResolver::Normalize("a", link)) << link;
}

TEST(TopicPathResolver, MatchesLetterCaseLooselyAndPrefersTheExactName) {
    ScratchFolder root;
    root.Write("Html/Page.HTM", "p");
    root.Write("Html/b.htm", "b1");
    root.Write("Html/B.htm", "b2");
    const TopicPathResolver resolver(root.Path().string());
    EXPECT_EQ(root / "Html/Page.HTM", resolver.Resolve("", "html/page.htm"));
    EXPECT_EQ(root / "Html/B.htm", resolver.Resolve("html", "B.htm"));
    EXPECT_EQ(root / "Html/b.htm", resolver.Resolve("HTML", "b.htm"));
    EXPECT_EQ(root / "missing/Page.htm", resolver.Resolve("", "missing/Page.htm"));
}

TEST(HelpTreeSearch, FirstFileLooksOnlyInTheMasksFolderAtPlainFiles) {
    ScratchFolder root;
    root.Write("sub/toc.hhc", "t");
    std::filesystem::create_directories(root / "folder.hhc");
    EXPECT_FALSE(FindFirstFile(root.Path().string(), "*.hhc"));
    EXPECT_EQ("sub/toc.hhc", FindFirstFile(root.Path().string(), "SUB/T?C.HHC"));
    EXPECT_FALSE(FindFirstFile(root.Path().string(), "../*.hhc"));
    root.Write("b.hhc", "");
    root.Write("a.hhc", "");
    EXPECT_EQ("a.hhc", FindFirstFile(root.Path().string(), "*.hhc"));
}

TEST(HelpTreeSearch, FilesBelowComeShallowFirstThenInNameOrder) {
    ScratchFolder root;
    for (const char* name :
         {"z/deep/one.htm", "b.HTML", "a/x.htm", "A.htm", "notes.txt", "x.htm.bak"})
        root.Write(name, "");
    EXPECT_EQ((Paths{"A.htm", "b.HTML", "a/x.htm", "z/deep/one.htm"}),
              FindFilesBelow(root.Path().string(), {"*.htm", "*.html"}));
}
