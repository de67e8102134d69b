#include <gtest/gtest.h>

#include "ScratchFolder.h"
#include "convert/HelpTreeSearch.h"
#include "convert/TopicList.h"
#include "convert/TopicPathResolver.h"

using Paths = std::vector<std::string>;

TEST(TopicPathNormalize, LinksAreRelativeToTheirOwnFolder) {
    EXPECT_EQ("Documents/page.html", TopicPathResolver::Normalize("Documents", "page.html"));
    EXPECT_EQ("page 1.html", TopicPathResolver::Normalize("Documents", "../page 1.html"));
    EXPECT_EQ("html/style.css", TopicPathResolver::Normalize("html/topics", "./../style.css"));
    EXPECT_EQ("etc/passwd", TopicPathResolver::Normalize("html", "/etc/passwd"));  // top of the help file
    EXPECT_EQ("C:/Windows/win.ini", TopicPathResolver::Normalize("", "C:\\Windows\\win.ini"));
}

TEST(TopicPathNormalize, RefusesLinksThatLeaveTheFolder) {
    EXPECT_FALSE(TopicPathResolver::Normalize("", "../../etc/passwd"));
    EXPECT_FALSE(TopicPathResolver::Normalize("", "sub/../../../etc/passwd"));
    EXPECT_FALSE(TopicPathResolver::Normalize("a/b", "../../../x.htm"));
    EXPECT_FALSE(TopicPathResolver::Normalize("", "..\\..\\x.htm"));
    EXPECT_FALSE(TopicPathResolver::Normalize("a", ".."));           // the root itself
    EXPECT_FALSE(TopicPathResolver::Normalize("", "..\x01/x.htm"));  // control bytes
    EXPECT_FALSE(TopicPathResolver::Normalize("", std::string("a\0/../../x", 10)));
}

TEST(TopicPathResolver, MatchesLetterCaseLooselyAndPrefersTheExactName) {
    ScratchFolder root;
    root.Write("Html/Page.HTM", "p");
    root.Write("Html/b.htm", "b1");
    root.Write("Html/B.htm", "b2");
    const TopicPathResolver resolver(root.Path());
    EXPECT_EQ(root / "Html/Page.HTM", resolver.Resolve("", "html/page.htm"));
    EXPECT_EQ(root / "Html/B.htm", resolver.Resolve("html", "B.htm"));
    EXPECT_EQ(root / "Html/b.htm", resolver.Resolve("HTML", "b.htm"));
    EXPECT_EQ(root / "missing/Page.htm", resolver.Resolve("", "missing/Page.htm"));
}

TEST(MatchesMask, WildcardsIgnoringCase) {
    EXPECT_TRUE(MatchesMask("Table of Contents.HHC", "*.hhc"));
    EXPECT_TRUE(MatchesMask("toc.hhc", "t?c.*"));
    EXPECT_FALSE(MatchesMask("toc.hhc.bak", "*.hhc"));
    EXPECT_FALSE(MatchesMask("toc.hh", "*.hhc"));
    EXPECT_TRUE(MatchesMask("a.b.c", "*.*.*"));
}

TEST(FindFirstFile, LooksOnlyInTheMasksFolderAndOnlyAtPlainFiles) {
    ScratchFolder root;
    root.Write("sub/toc.hhc", "t");
    std::filesystem::create_directories(root / "folder.hhc");
    EXPECT_FALSE(FindFirstFile(root.Path(), "*.hhc"));
    EXPECT_EQ("sub/toc.hhc", FindFirstFile(root.Path(), "sub/*.hhc"));
    EXPECT_EQ("sub/toc.hhc", FindFirstFile(root.Path(), "SUB/TOC.HHC"));
    root.Write("b.hhc", "");
    root.Write("a.hhc", "");
    EXPECT_EQ("a.hhc", FindFirstFile(root.Path(), "*.hhc"));
    EXPECT_FALSE(FindFirstFile(root.Path(), "../*.hhc"));
}

TEST(FindFilesBelow, ShallowFilesFirstThenNameOrder) {
    ScratchFolder root;
    root.Write("z/deep/one.htm", "");
    root.Write("b.HTML", "");
    root.Write("a/x.htm", "");
    root.Write("A.htm", "");
    root.Write("notes.txt", "");
    EXPECT_EQ((Paths{"A.htm", "b.HTML", "a/x.htm", "z/deep/one.htm"}),
              FindFilesBelow(root.Path(), {"*.htm", "*.html"}));
}

TEST(TopicsOfLinkFile, ResolvesDecodesAndDropsRepeatsAndEscapes) {
    ScratchFolder root;
    const std::string text =
        "<param name=\"Local\" value=\"intro.htm\">"
        "<param name=\"Local\" value=\"../page%201.html#a\">"
        "<param name=\"Local\" value=\"INTRO.HTM\">"
        "<param name=\"Local\" value=\"../../etc/passwd\">"
        "<param name=\"Local\" value=\"A&amp;B.htm\">";
    const TopicPathResolver resolver(root.Path());
    EXPECT_EQ((Paths{root / "docs/intro.htm", root / "page 1.html", root / "docs/A&B.htm"}),
              TopicsOfLinkFile(resolver, "docs/toc.hhc", text));
}

TEST(TopicCollector, KeepsTheFirstSpellingOfEachPath) {
    Paths topics{"/t/a.htm"};
    TopicCollector collector(topics);
    EXPECT_FALSE(collector.Add("/t/A.HTM"));
    EXPECT_TRUE(collector.Add("/t/b.htm"));
    EXPECT_FALSE(collector.Add("/T/B.htm"));
    EXPECT_EQ((Paths{"/t/a.htm", "/t/b.htm"}), topics);
}
