#include <gtest/gtest.h>

#include "ScratchFolder.h"
#include "convert/chm/ContentsTreeReader.h"

using testsupport::ScratchFolder;

namespace {

using Paths = std::vector<std::string>;

std::string Item(const std::string& name, const std::string& local = {}) {
    std::string text =
        "<LI> <OBJECT type=\"text/sitemap\">\n\t<param name=\"Name\" value=\"" + name + "\">\n";
    if (!local.empty()) text += "\t<param name=\"Local\" value=\"" + local + "\">\n";
    return text + "\t</OBJECT>\n";
}

std::string List(const std::string& items) { return "<UL>\n" + items + "</UL>\n"; }

std::string Sitemap(const std::string& body) {
    return "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML//EN\">\n<HTML><HEAD>\n"
           "<!-- Sitemap 1.0 -->\n</HEAD><BODY>\n<OBJECT type=\"text/site properties\">\n"
           "\t<param name=\"Local\" value=\"not-an-entry.htm\">\n</OBJECT>\n" +
           body + "</BODY></HTML>\n";
}

// The names of a tree, children in brackets: "a[b c] d".
std::string Shape(const ContentsTree& tree) {
    std::string shape;
    for (const auto& entry : tree) {
        if (!shape.empty()) shape += ' ';
        shape += entry.Name;
        if (!entry.Children.empty()) shape += "[" + Shape(entry.Children) + "]";
    }
    return shape;
}

class ContentsTreeReaderTest : public ::testing::Test {
protected:
    ScratchFolder root;

    ContentsTree Read(const std::string& text, const std::string& charset = "WINDOWS-1252",
                      const std::string& place = "toc.hhc") {
        const DecompiledFiles files(root.Path().string());
        return ContentsTreeReader(files, charset).Read(text, place);
    }
    // The topic of the only entry of a contents file naming `local`.
    std::string TopicOf(const std::string& local, const std::string& charset = "WINDOWS-1252",
                        const std::string& place = "toc.hhc") {
        const auto tree = Read(Sitemap(List(Item("x", local))), charset, place);
        return tree.size() == 1 ? tree[0].Topic : "<" + std::to_string(tree.size()) + " entries>";
    }
};

}  // namespace

TEST_F(ContentsTreeReaderTest, NestingFollowsTheListsAndEntriesWithoutPagesStayParents) {
    for (const char* page : {"a.htm", "b.htm", "c.htm", "d.htm"}) root.Write(page, page);
    const std::string text =
        Sitemap(List(Item("A", "a.htm") +
                     List(Item("B", "b.htm") + Item("Folder") +
                          List(Item("C", "c.htm#deep") + List(Item("Gone", "gone.htm")))) +
                     Item("D", "d.htm")));
    const auto tree = Read(text);
    EXPECT_EQ("A[B Folder[C[Gone]]] D", Shape(tree));
    ASSERT_EQ(2u, tree.size());
    EXPECT_EQ(root / "a.htm", tree[0].Topic);
    EXPECT_EQ("", tree[0].Children[1].Topic);  // the folder names no page
    const auto& c = tree[0].Children[1].Children[0];
    EXPECT_EQ(root / "c.htm", c.Topic);
    EXPECT_EQ("deep", c.Fragment);
    EXPECT_EQ("", c.Children[0].Topic);  // a missing page keeps its name only
    EXPECT_EQ("", c.Children[0].Fragment);
    EXPECT_EQ((Paths{root / "a.htm", root / "b.htm", root / "c.htm", root / "d.htm"}),
              TopicsOfTree(tree));
    EXPECT_EQ(4u, DepthOfTree(tree));
}

TEST_F(ContentsTreeReaderTest, OddListsAreReadLeniently) {
    // A list with no entry before it adds to the enclosing one.
    EXPECT_EQ("Inner After", Shape(Read(List(List(Item("Inner")) + Item("After")))));
    // Entries before any list, a stray closing tag, an object left open,
    // lists never closed.
    const std::string text = Item("Top") + "</UL>" + List(List(Item("Inner")) + Item("After")) +
                             "<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" "
                             "value=\"Open\"><LI>" +
                             Item("Next") + "<UL>" + Item("Child") + "<UL><UL>";
    EXPECT_EQ("Top[Inner] After Open Next[Child]", Shape(Read(text)));
    // Only sitemap objects are entries, whatever the case of the type.
    EXPECT_EQ("Kept", Shape(Read("<ul><li><object TYPE=' Text/SiteMap '><param name=name "
                                 "value=Kept></object><li><object type=\"text/other\"><param "
                                 "name=\"Name\" value=\"Dropped\"></object></ul>")));
}

TEST_F(ContentsTreeReaderTest, ParametersAreMatchedWithoutCaseInAnyQuoting) {
    for (const char* page : {"a.htm", "b b.htm", "c.htm", "d.htm"}) root.Write(page, page);
    const std::string text = List(
        "<li><object type=\"text/sitemap\"><PARAM NAME=\"name\" VALUE=\"Upper\">"
        "<param name=\"local\" value=\"a.htm\"></object>"
        "<li><object type='text/sitemap'><param name='Name' value='It''s'>"
        "<param name='Local' value='b b.htm'></object>"
        "<li><object type=text/sitemap><param name=Name value=Bare><param name=Local value=c.htm>"
        "</object>"
        "<li><object type=\"text/sitemap\"><param\n\tname = \"Name\"\n\tvalue = \"Spaced out\">"
        "<param name=\"Local\" value=\"  d.htm  \"/></object>");
    const auto tree = Read(text);
    ASSERT_EQ(4u, tree.size());
    EXPECT_EQ("Upper It Bare Spaced out", Shape(tree));
    EXPECT_EQ((Paths{root / "a.htm", root / "b b.htm", root / "c.htm", root / "d.htm"}),
              TopicsOfTree(tree));
}

TEST_F(ContentsTreeReaderTest, NamesDecodeReferencesAndTheCodePage) {
    const std::string text =
        List(Item("A &amp; B &lt;C&gt; &quot;q&quot;") + Item("caf&#233; caf&#xE9; caf&eacute;") +
             Item("&oacute;&euro;&hellip;&alpha;&#x1F600;") + Item("&bogus; &amp &#; & alone") +
             Item("caf\xE9 \x93quoted\x94") + Item("tab\tand\nnew line  "));
    const auto tree = Read(text, "WINDOWS-1252");
    ASSERT_EQ(6u, tree.size());
    EXPECT_EQ("A & B <C> \"q\"", tree[0].Name);
    EXPECT_EQ("café café café", tree[1].Name);
    EXPECT_EQ("ó€…α\xF0\x9F\x98\x80", tree[2].Name);
    EXPECT_EQ("&bogus; &amp &#; & alone", tree[3].Name);
    EXPECT_EQ("café “quoted”", tree[4].Name);
    EXPECT_EQ("tab and new line", tree[5].Name);
}

TEST_F(ContentsTreeReaderTest, RussianNamesReadInTheHelpFilesCodePage) {
    // "Введение" as windows-1251 bytes, and as references to those bytes
    // (what HTML Help Workshop writes): HTML Help reads both as Cyrillic.
    const std::string bytes = "\xC2\xE2\xE5\xE4\xE5\xED\xE8\xE5";
    const std::string references = "&Acirc;&acirc;&aring;&auml;&aring;&iacute;&egrave;&aring;";
    const auto tree =
        Read(List(Item(bytes) + Item(references) + Item("&#1042;&#x432;")), "WINDOWS-1251");
    EXPECT_EQ("Введение Введение Вв", Shape(tree));
    // In a multi-byte code page a reference is the character it names.
    EXPECT_EQ("日本 é", Shape(Read(List(Item("\x93\xFA\x96\x7B") + Item("&eacute;")), "CP932")));
}

TEST_F(ContentsTreeReaderTest, TheContentsFileCanDeclareItsCharset) {
    const std::string cyrillicBytes = "\xC2\xE2";
    // A <meta> declaration wins over the help file's code page.
    EXPECT_EQ("Вв", Shape(Read("<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; "
                               "charset=windows-1251\"></head>" +
                                   List(Item(cyrillicBytes)),
                               "WINDOWS-1252")));
    EXPECT_EQ("Вв", Shape(Read("<meta charset='WINDOWS-1251'>" + List(Item(cyrillicBytes)))));
    // A meta after the first entry, or naming an unknown charset, is ignored.
    EXPECT_EQ("Ââ", Shape(Read(List(Item(cyrillicBytes)) + "<meta charset=windows-1251>")));
    EXPECT_EQ("Ââ", Shape(Read("<meta charset=bogus>" + List(Item(cyrillicBytes)))));
    // UTF-8 text is read as UTF-8, with or without a byte order mark.
    EXPECT_EQ("Introdução", Shape(Read(List(Item("Introdução")), "WINDOWS-1252")));
    EXPECT_EQ("Привет", Shape(Read("\xEF\xBB\xBF" + List(Item("Привет")), "WINDOWS-1251")));
    EXPECT_EQ("UTF-8", ContentsCharset("plain <ul>é", "WINDOWS-1251"));
    EXPECT_EQ("WINDOWS-1251", ContentsCharset("plain ASCII", "WINDOWS-1251"));
    EXPECT_EQ("WINDOWS-1252", ContentsCharset("plain ASCII", ""));
    // A file saved as UTF-16 is read too.
    std::string utf16 = "\xFF\xFE";
    for (char c : List(Item("Wide"))) utf16 += std::string{c, '\0'};
    EXPECT_EQ("Wide", Shape(Read(utf16)));
}

TEST_F(ContentsTreeReaderTest, RussianFileNamesAreFoundInBothSpellings) {
    // The decompiler writes names as UTF-8; the contents name them in windows-1251.
    root.Write("обзор.htm", "x");
    root.Write("é.htm", "y");
    const std::string file = root / "обзор.htm";
    EXPECT_EQ(file, TopicOf("\xEE\xE1\xE7\xEE\xF0.htm", "WINDOWS-1251"));
    EXPECT_EQ(file, TopicOf("&icirc;&aacute;&ccedil;&icirc;&eth;.htm", "WINDOWS-1251"));
    EXPECT_EQ(file, TopicOf("&#238;&#225;&#231;&#238;&#240;.htm", "WINDOWS-1251"));
    EXPECT_EQ(file, TopicOf("&#1086;&#1073;&#1079;&#1086;&#1088;.htm", "WINDOWS-1251"));
    // The "#" of a numeric reference does not start the anchor.
    const auto anchored = Read(List(Item("x", "&#x43E;&#1073;&#1079;&#1086;&#1088;.htm#&#1072;")));
    ASSERT_EQ(1u, anchored.size());
    EXPECT_EQ(file, anchored[0].Topic);
    EXPECT_EQ("а", anchored[0].Fragment);
    EXPECT_EQ(file, TopicOf("%EE%E1%E7%EE%F0.htm", "WINDOWS-1251"));
    EXPECT_EQ(file, TopicOf("обзор.htm", "WINDOWS-1252"));  // a UTF-8 contents file
    // Read as a windows-1251 byte, "&eacute;" is "й"; no such file, so the
    // character itself is tried.
    EXPECT_EQ(root / "é.htm", TopicOf("&eacute;.htm", "WINDOWS-1251"));
    EXPECT_EQ(root / "é.htm", TopicOf("\xE9.htm", "WINDOWS-1252"));
}

TEST_F(ContentsTreeReaderTest, LinksAreDecodedTheWayTheFilesOnDiskAreNamed) {
    for (const char* page : {"My Page.htm", "A&B.htm", "x%27y.htm", "p'q.htm", "Sub/Page.HTM",
                             "sub2/inner.htm", "top.htm", "a b.htm", "&nbsp;.htm"})
        root.Write(page, "x");
    EXPECT_EQ(root / "My Page.htm", TopicOf("My%20Page.htm"));
    EXPECT_EQ(root / "A&B.htm", TopicOf("A&amp;B.htm"));
    EXPECT_EQ(root / "a b.htm", TopicOf("a&nbsp;b.htm"));
    EXPECT_EQ(root / "&nbsp;.htm", TopicOf("&amp;nbsp;.htm"));
    // "%27" stays when the file is named so, and is decoded when that names the file.
    EXPECT_EQ(root / "x%27y.htm", TopicOf("x%27y.htm"));
    EXPECT_EQ(root / "p'q.htm", TopicOf("p%27q.htm"));
    // Letter case is matched loosely, backslashes are folders.
    EXPECT_EQ(root / "Sub/Page.HTM", TopicOf("sub\\page.htm"));
    // Links are relative to the contents file's folder; "/" is the top.
    EXPECT_EQ(root / "sub2/inner.htm", TopicOf("inner.htm", "WINDOWS-1252", "sub2/toc.hhc"));
    EXPECT_EQ(root / "top.htm", TopicOf("../top.htm", "WINDOWS-1252", "sub2/toc.hhc"));
    EXPECT_EQ(root / "top.htm", TopicOf("/top.htm", "WINDOWS-1252", "sub2/toc.hhc"));
    // Links into the help file itself name the page after "::".
    EXPECT_EQ(root / "top.htm", TopicOf("ms-its:guide.chm::/top.htm"));
    EXPECT_EQ(root / "sub2/inner.htm", TopicOf("MS-ITS:guide.chm::/sub2/inner.htm#x"));
    EXPECT_EQ(root / "top.htm", TopicOf("mk:@MSITStore:C:\\Help\\guide.chm::/top.htm"));
    EXPECT_EQ("", TopicOf("ms-its:guide.chm"));
    // Other addresses name no page of the help file.
    for (const char* outside : {"http://example.com/top.htm", "mailto:a@b.c", "javascript:top.htm",
                                "C:\\top.htm", "file:///top.htm", "#only-an-anchor", "",
                                "../top.htm", "sub2/../../top.htm", "missing.htm"})
        EXPECT_EQ("", TopicOf(outside)) << outside;
}

TEST_F(ContentsTreeReaderTest, UrlStandsInForAMissingLocalAndIndexKeywordsKeepEveryPage) {
    for (const char* page : {"a.htm", "b.htm", "c.htm"}) root.Write(page, "x");
    const auto tree = Read(List(
        "<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"Web\">"
        "<param name=\"URL\" value=\"a.htm#u\"></OBJECT>"
        "<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"Missing local\">"
        "<param name=\"Local\" value=\"gone.htm\"><param name=\"URL\" value=\"b.htm\"></OBJECT>"
        "<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"keyword\">"
        "<param name=\"Name\" value=\"First title\"><param name=\"Local\" value=\"a.htm\">"
        "<param name=\"Name\" value=\"Second title\"><param name=\"Local\" value=\"c.htm#k\">"
        "<param name=\"Name\" value=\"Third\"><param name=\"Local\" value=\"gone.htm\">"
        "</OBJECT>"));
    ASSERT_EQ(3u, tree.size());
    EXPECT_EQ(root / "a.htm", tree[0].Topic);
    EXPECT_EQ("u", tree[0].Fragment);
    EXPECT_EQ(root / "b.htm", tree[1].Topic);
    EXPECT_EQ("keyword[Second title]", Shape({tree[2]}));
    EXPECT_EQ(root / "a.htm", tree[2].Topic);
    EXPECT_EQ(root / "c.htm", tree[2].Children[0].Topic);
    EXPECT_EQ("k", tree[2].Children[0].Fragment);
}

TEST_F(ContentsTreeReaderTest, ATopicListedTwiceIsTwoEntriesButOneTopic) {
    root.Write("a.htm", "x");
    root.Write("b.htm", "y");
    const auto tree = Read(List(Item("One", "a.htm") + Item("Two", "b.htm#x") +
                                Item("Again", "a.htm#y") + Item("Upper", "B.HTM")));
    ASSERT_EQ(4u, tree.size());
    EXPECT_EQ(root / "a.htm", tree[2].Topic);
    EXPECT_EQ("y", tree[2].Fragment);
    EXPECT_EQ(root / "b.htm", tree[3].Topic);
    EXPECT_EQ((Paths{root / "a.htm", root / "b.htm"}), TopicsOfTree(tree));
}

TEST_F(ContentsTreeReaderTest, HostileTextEndsCleanly) {
    root.Write("a.htm", "x");
    // Nesting far past the limit is flattened at the deepest level.
    std::string deep;
    for (int i = 0; i < 20000; ++i) deep += "<UL>" + Item("n", "a.htm");
    const auto tree = Read(deep);
    EXPECT_EQ(ContentsTreeReader::MaxDepth, DepthOfTree(tree));
    EXPECT_EQ((Paths{root / "a.htm"}), TopicsOfTree(tree));

    // Unterminated quotes, comments and tags swallow the rest; nothing breaks.
    EXPECT_EQ("never closed</UL>",
              Shape(Read(List("<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" "
                              "value=\"never closed"))));
    EXPECT_EQ("Before", Shape(Read(List(Item("Before") + "<!-- open comment" + Item("Hidden")))));
    EXPECT_EQ("", Shape(Read("<UL><LI><OBJECT type=\"text/sitemap\"><param name=")));
    EXPECT_EQ("", Shape(Read("<")));
    EXPECT_EQ("", Shape(Read("")));
    std::string nul("<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"a\0b\">",
                    66);
    EXPECT_EQ("a b", Shape(Read(nul)));

    // Long runs of what starts a tag, a reference or an escape stay linear.
    for (const std::string& unit : {std::string("<"), std::string("<!"), std::string("&#"),
                                    std::string("<a b=\""), std::string("%"), std::string("<x ")}) {
        std::string flood;
        while (flood.size() < 1'000'000) flood += unit;
        EXPECT_TRUE(Read(flood).empty());
        EXPECT_EQ(1u, Read(List(Item(flood.substr(0, 200000), flood.substr(0, 200000)))).size())
            << unit;
    }
    // Every byte value in every place.
    std::string noise;
    for (int i = 0; i < 200000; ++i) noise += static_cast<char>((i * 7919 + i / 256) & 0xFF);
    Read(noise, "CP932");
    Read(noise, "WINDOWS-1251");
}

TEST(DecompiledFiles, ListsPlainFilesFindsThemWithoutCaseAndLeavesOutTheJobsOwn) {
    ScratchFolder outside;
    const auto secret = outside.Write("secret.htm", "s");
    ScratchFolder root;
    root.Write("Html/Page.HTM", "p");
    root.Write("b.htm", "b1");
    root.Write("B.htm", "b2");
    root.Write("1.chm", "copy");
    std::filesystem::create_symlink(secret, root / "link.htm");
    std::filesystem::create_directory_symlink(outside.Path().string(), root / "linked");
    const DecompiledFiles files(root.Path().string(), {"1.chm"});
    EXPECT_EQ("Html/Page.HTM", files.Find("html/page.htm"));
    EXPECT_EQ("B.htm", files.Find("B.htm"));  // the exact spelling wins
    EXPECT_EQ("b.htm", files.Find("b.htm"));
    EXPECT_FALSE(files.Find("1.chm"));
    EXPECT_FALSE(files.Find("link.htm"));
    EXPECT_FALSE(files.Find("linked/secret.htm"));
    EXPECT_FALSE(files.Find("Html"));
    EXPECT_EQ(3u, files.Count());
    EXPECT_EQ(root / "b.htm", files.FullPath("b.htm"));
}
