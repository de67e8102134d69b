// Joining topics into one safe document: links, style sheets, pictures and
// character sets of untrusted help pages.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "ScratchFolder.h"
#include "convert/book/AnchorNames.h"
#include "convert/book/BookBuilder.h"
#include "convert/book/BookLinks.h"
#include "convert/book/BookParts.h"
#include "convert/book/CarriedPictures.h"
#include "convert/book/CssSanitizer.h"
#include "convert/book/MimeArchive.h"
#include "convert/book/PageCheck.h"
#include "convert/book/SvgPicture.h"
#include "convert/book/TopicCharset.h"

using testsupport::ScratchFolder;

namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw std::runtime_error("cannot read " + path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

class BookFolder : public ::testing::Test {
protected:
    ScratchFolder job;
    TopicPathResolver resolver{job.Path().string()};

    Book Build(const std::vector<std::string>& relative,
               const std::string& charset = "WINDOWS-1252") {
        std::vector<std::string> topics;
        for (const auto& name : relative) topics.push_back(job / name);
        return BookBuilder(resolver, charset, ReadAll).Build(topics, job / "#pellin-book.html");
    }
    std::string BookText() { return ReadAll(job / "#pellin-book.html"); }
};

}  // namespace

TEST(BookLinksTest, AddressesLeadIntoTheJobFolderOrNowhere) {
    ScratchFolder job;
    job.Write("html/a.htm", "a");
    job.Write("html/sub/b.htm", "b");
    job.Write("img/p.gif", "GIF89a");
    const TopicPathResolver resolver(job.Path().string());
    const BookLinks links(resolver, {job / "html/a.htm", job / "html/sub/b.htm"});
    const std::string from = job / "html/a.htm";
    using Kind = BookTarget::Kind;

    const auto b = links.Resolve(0, from, "SUB/B.HTM#Part%201");
    EXPECT_EQ(b.kind, Kind::Topic);
    EXPECT_EQ(b.topic, 1);
    EXPECT_EQ(b.fragment, "Part 1");
    EXPECT_EQ(links.Resolve(1, job / "html/sub/b.htm", "#top").topic, 1);
    EXPECT_EQ(links.Resolve(0, from, "ms-its:help.chm::/html/sub/b.htm").topic, 1);
    EXPECT_EQ(links.Resolve(0, from, "mk:@MSITStore:C:\\x\\help.chm::/html/a.htm#z").topic, 0);
    EXPECT_EQ(links.Resolve(0, from, "../img/p.gif").kind, Kind::File);
    EXPECT_EQ(links.Resolve(0, from, " http://example.org/x ").kind, Kind::Web);
    EXPECT_EQ(links.Resolve(0, from, "mailto:a@b.example").kind, Kind::Web);
    for (const char* nowhere :
         {"../../../../etc/passwd", "file:///etc/passwd", "javascript:alert(1)",
          "C:\\Windows\\win.ini", "missing.htm", "res://x.dll/y", ""})
        EXPECT_EQ(links.Resolve(0, from, nowhere).kind, Kind::None) << nowhere;

    EXPECT_EQ(links.LocalFile(from, "../IMG/P.GIF?x=1"), job / "img/p.gif");
    EXPECT_FALSE(links.LocalFile(from, "http://127.0.0.1/p.gif"));
    EXPECT_FALSE(links.LocalFile(from, "file:///usr/share/pixmaps/debian-logo.png"));
    EXPECT_FALSE(links.LocalFile(from, "../../../../usr/share/pixmaps/debian-logo.png"));
    // Climbing above the top stays at the top, as in a browser, never outside.
    job.Write("top.png", "PNG");
    EXPECT_EQ(links.LocalFile(job / "top.htm", "../top.png"), job / "top.png");
    EXPECT_EQ(links.LocalFile(from, "../../../top.png"), job / "top.png");
}

TEST(BookLinksTest, ASymbolicLinkInTheJobFolderIsNoFileToRead) {
    ScratchFolder job;
    job.Write("a.htm", "a");
    std::filesystem::create_symlink("/etc/passwd", job / "passwd.gif");
    const TopicPathResolver resolver(job.Path().string());
    const BookLinks links(resolver, {job / "a.htm"});
    EXPECT_FALSE(links.LocalFile(job / "a.htm", "passwd.gif"));
}

TEST(CssSanitizerTest, AddressesOutsideTheJobAndActiveContentGo) {
    const CssSanitizer sanitizer(
        [](std::string_view address) -> std::optional<std::string> {
            if (address == "ok.png") return "img/ok.png";
            return std::nullopt;
        },
        [](std::string_view address) -> std::optional<std::string> {
            if (address == "local.css") return "h2 { color: red }";
            return std::nullopt;
        });
    const std::string css = sanitizer.Sanitize(
        "@import url(\"http://127.0.0.1:9/x.css\");\n@import 'local.css';\n"
        "body { background: url( 'ok.png' ) no-repeat; }\n"
        "p { background-image: URL(file:///etc/passwd) }\n"
        "div { width: expression(alert(1)); behavior: url(x.htc) }\n"
        "/* url(http://hidden.example/) */ h1 { color: brown }\n"
        "em { b\\ackground: u\\rl(http://escaped.example/) }\n"
        "</style><script>alert(1)</script>");
    EXPECT_FALSE(Contains(css, "127.0.0.1"));
    EXPECT_FALSE(Contains(css, "/etc/passwd"));
    EXPECT_FALSE(Contains(css, "hidden.example"));
    EXPECT_FALSE(Contains(css, "escaped.example"));
    EXPECT_FALSE(Contains(css, "expression("));
    EXPECT_FALSE(Contains(css, "<"));
    EXPECT_TRUE(Contains(css, "h2 { color: red }"));
    EXPECT_TRUE(Contains(css, "url(\"img/ok.png\") no-repeat"));
    EXPECT_TRUE(Contains(css, "h1 { color: brown }"));
}

TEST(AnchorNamesTest, NamesAreAsciiAndDistinctForDistinctAnchors) {
    EXPECT_EQ(TopicAnchor(12), "PellinTopic12");
    EXPECT_EQ(FragmentAnchor(3, "Intro"), "PellinTopic3-Intro");
    EXPECT_NE(FragmentAnchor(3, "a b"), FragmentAnchor(3, "a-20b"));
    EXPECT_NE(FragmentAnchor(1, "2-x"), FragmentAnchor(12, "x"));
    const std::string cyrillic = FragmentAnchor(0, "\xD0\x9F\xD1\x80");
    for (char c : cyrillic)
        EXPECT_TRUE(std::isalnum(static_cast<unsigned char>(c)) || c == '-') << cyrillic;
    EXPECT_EQ(RelativeUrl("/tmp/job", "/tmp/job/My Docs/#1%.gif"), "My%20Docs/%231%25.gif");
}

TEST(BookPartsTest, PartsFollowTheBookAndHoldAboutEqualPicturesButNotTooLittleText) {
    using Parts = std::vector<int>;
    const std::vector<std::size_t> text(6, 100);
    EXPECT_EQ(SplitIntoParts({5, 5, 5}, {1, 1, 1}, {0, 0}), (Parts{0, 0, 0}));
    EXPECT_EQ(SplitIntoParts({5, 5, 5}, {1, 1, 1}, {15, 0}), (Parts{0, 0, 0}));
    EXPECT_EQ(SplitIntoParts({4, 4, 4, 4, 0, 4}, text, {10, 0}), (Parts{0, 0, 1, 1, 1, 1}));
    EXPECT_EQ(SplitIntoParts({4, 4, 4, 4, 0, 4}, text, {5, 0}), (Parts{0, 1, 2, 3, 3, 3}));
    EXPECT_EQ(SplitIntoParts({4, 4, 4, 4, 0, 4}, text, {5, 200}), (Parts{0, 1, 2, 2, 2, 2}));
    EXPECT_EQ(SplitIntoParts({4, 4, 4, 4, 0, 4}, text, {10, 301}), (Parts(6, 0)));
    EXPECT_EQ(SplitIntoParts({0, 30, 1, 1}, {1, 1, 1, 1}, {10, 0}), (Parts{0, 0, 1, 1}));
    EXPECT_EQ(SplitIntoParts({}, {}, {10, 0}), Parts{});
    EXPECT_EQ(BookPartPath("/job/#book.html", 0), "/job/#book.html");
    EXPECT_EQ(BookPartPath("/job/#book.html", 2), "/job/#book-3.html");
    EXPECT_EQ(BookPartPath("/job.d/book", 1), "/job.d/book-2");
}

TEST(TopicCharsetTest, ADeclarationWinsOverTheHelpFilesCodePage) {
    EXPECT_EQ(TopicCharset("<html><head><meta http-equiv=\"Content-Type\" "
                           "content=\"text/html; charset=utf-8\"></head>",
                           "WINDOWS-1251"),
              "UTF-8");
    EXPECT_EQ(TopicCharset("<meta charset='windows-1251'>", "WINDOWS-1252"), "WINDOWS-1251");
    EXPECT_EQ(TopicCharset("\xEF\xBB\xBF<p>x</p>", "WINDOWS-1251"), "UTF-8");
    EXPECT_EQ(TopicCharset("<p>\xCF\xF0\xE8</p>", "WINDOWS-1251"), "WINDOWS-1251");
    EXPECT_EQ(TopicCharset("<meta charset=\"no-such-set\">", "WINDOWS-1251"), "WINDOWS-1251");
    EXPECT_EQ(TopicCharset("<meta charset=gb2312>", ""), "GBK");
    EXPECT_EQ(TopicCharset("<p>plain</p>", ""), "WINDOWS-1252");
}

TEST(PageCheckTest, DamagedBytesAndEmptyPagesAreRecognised) {
    EXPECT_TRUE(PageProblem(std::string(4096, '\0')));
    std::string random;
    for (int i = 0; i < 4096; ++i) random += static_cast<char>((i * 7919 + 13) % 256);
    EXPECT_TRUE(PageProblem(random));
    EXPECT_FALSE(PageProblem("<html><body><p>Text\r\n\tmore</p></body></html>"));
    EXPECT_FALSE(PageProblem(std::string("\xFF\xFE<\0p\0>\0", 8)));
    EXPECT_TRUE(PageProblem(""));
}

TEST_F(BookFolder, NothingFromOutsideTheJobFolderReachesTheBook) {
    job.Write("img/ok.gif", "GIF89a");
    job.Write("style.css", "h1 { color: brown; background: url(http://127.0.0.1:9/bg.png) }");
    job.Write(
        "a.htm",
        "<html><head><link rel=stylesheet href=style.css>"
        "<link rel=stylesheet href='http://127.0.0.1:9/remote.css'>"
        "<script>alert(1)</script></head>"
        "<body onload=\"evil()\" background=\"file:///usr/share/bg.png\">"
        "<h1>Title</h1><img src=\"../../../../usr/share/pixmaps/x.png\" alt=\"Local picture\">"
        "<img src=\"file:///usr/share/pixmaps/x.png\"><img src=\"http://127.0.0.1:9/p.png?leak=1\">"
        "<img src=\"img/ok.gif\" alt=\"kept\"><iframe src=\"http://127.0.0.1:9/f\"></iframe>"
        "<object data=\"x.swf\"></object><embed src=\"x.swf\">"
        "<p style=\"background:url(http://127.0.0.1:9/s.png)\">Text</p>"
        "<a href=\"http://example.org/\">web</a> <a href=\"file:///etc/passwd\">file</a>"
        "<!--[if IE]><link rel=stylesheet href=http://127.0.0.1:9/ie.css><![endif]-->"
        "</body></html>");
    const Book book = Build({"a.htm"});
    const std::string text = BookText();
    EXPECT_EQ(book.Included, std::vector<int>{0});
    for (const char* outside : {"127.0.0.1", "/usr/share", "file:", "script", "onload", "iframe",
                                "object", "embed", "x.swf", "[if IE]"})
        EXPECT_FALSE(Contains(text, outside)) << outside;
    EXPECT_TRUE(Contains(text, "Local picture"));
    EXPECT_TRUE(Contains(text, "src=\"img/ok.gif\""));
    EXPECT_TRUE(Contains(text, "<h1 style=\"font-size: 24pt; color: #a52a2a"));
    EXPECT_TRUE(Contains(text, "<a href=\"http://example.org/\">web</a>"));
    EXPECT_TRUE(Contains(text, "<a>file</a>"));
    EXPECT_EQ(book.Pictures, 1);
}

TEST_F(BookFolder, LinksBetweenTopicsPointAtTheirPlacesInTheBook) {
    job.Write("a.htm",
              "<p>See <a href=\"b.htm#Part\">part</a>, <a href=\"B.HTM#part2\">loose</a>, "
              "<a href=\"b.htm#missing\">start</a> and <a href=\"#own\">here</a>.</p>"
              "<h2 id=\"own\">Own</h2>");
    job.Write("b.htm",
              "<p><a name=\"Part\"></a>B</p><p id=\"PART2\">C</p>"
              "<a href=\"zip/tool.zip\">download</a>");
    job.Write("zip/tool.zip", "PK");
    const Book book = Build({"a.htm", "b.htm"});
    const std::string text = BookText();
    // Another topic's places are addresses the finisher makes jumps of.
    EXPECT_TRUE(Contains(text, "href=\"https://pellin.invalid/#PellinTopic1-Part\""));
    EXPECT_TRUE(Contains(text, "href=\"https://pellin.invalid/#PellinTopic1-PART2\""));
    EXPECT_TRUE(Contains(text, "href=\"https://pellin.invalid/#PellinTopic1\">start"));
    EXPECT_TRUE(Contains(text, "href=\"#PellinTopic0-own\""));
    EXPECT_TRUE(Contains(text, "><a name=\"PellinTopic0-own\"></a>Own</h2>"));
    EXPECT_TRUE(Contains(text, "<a name=\"PellinTopic1-Part\"></a>"));
    EXPECT_TRUE(Contains(text, "<a>download</a>"));  // the file is gone after the job
    // Each topic's start anchor sits in its first block, topics in order.
    const auto first = text.find("name=\"PellinTopic0\"");
    const auto second = text.find("name=\"PellinTopic1\"");
    ASSERT_NE(first, std::string::npos);
    ASSERT_NE(second, std::string::npos);
    EXPECT_LT(first, second);
    EXPECT_EQ(book.Anchors.Destination(1, "part2"), "PellinTopic1-PART2");
    EXPECT_EQ(book.Anchors.Destination(1, ""), "PellinTopic1");
}

TEST_F(BookFolder, OnlyAnchorsALinkOrTheOutlinePointsAtAreKept) {
    job.Write("a.htm",
              "<p><a href=\"b.htm#Later\">forward</a> <a name=\"unused\">x</a></p>"
              "<h2 id=\"self\">S</h2><p><a href=\"#self\">back</a></p>");
    job.Write("b.htm", "<p id=\"later\">L</p><p><a name=\"Toc\"></a>T</p><div id=\"idle\">N</div>");
    BookBuilder builder(resolver, "WINDOWS-1252", ReadAll);
    builder.OutlinePlaces = {{1, "toc"}};
    const Book book = builder.Build({job / "a.htm", job / "b.htm"}, job / "#pellin-book.html");
    const std::string text = BookText();
    for (const char* kept : {"\"PellinTopic1-later\"", "\"PellinTopic0-self\"",
                             "name=\"PellinTopic1-Toc\"", "name=\"PellinTopic1\""})
        EXPECT_TRUE(Contains(text, kept)) << kept;
    EXPECT_FALSE(Contains(text, "unused"));
    EXPECT_FALSE(Contains(text, "idle"));
    EXPECT_EQ(book.Anchors.Destination(1, "TOC"), "PellinTopic1-Toc");
    EXPECT_EQ(book.Anchors.Destination(1, "idle"), "PellinTopic1");
}

TEST_F(BookFolder, PicturesSideBySideGetASpaceTheLineCanBreakAt) {
    job.Write("a.gif", "GIF89a");
    job.Write("a.htm",
              "<p><img src=\"a.gif\" alt=\"1\"><img src=\"a.gif\" alt=\"2\"><img "
              "src=\"gone.gif\" alt=\"3\"><b>x</b><img src=\"a.gif\" alt=\"4\"></p>");
    Build({"a.htm"});
    const std::string text = BookText();
    EXPECT_TRUE(Contains(text, "src=\"a.gif\"> <img alt=\"2\"")) << text;
    EXPECT_TRUE(Contains(text, "src=\"a.gif\"> 3<b>")) << text;  // a missing picture: its text
    EXPECT_TRUE(Contains(text, "</b><img")) << text;
}

TEST_F(BookFolder, PunctuationAScriptFillsInPerLanguageIsFilledIn) {
    const auto set = [](const std::string& id, const std::string& values) {
        return "<span id=\"" + id + "\"></span><script>AddLanguageSpecificTextSet(\"" + id + "?" +
               values + "\");</script>";
    };
    job.Write("cs.htm", "<body onload=\"OnLoad('cs')\"><p>System\n" +
                            set("L1", "cs=.|vb=.|cpp=::|nu=.") + "Object</p><p>List" +
                            set("L2", "cs=&lt;|vb=(Of |nu=(") + "T" + set("L3", "cpp=&gt;|nu=)") +
                            "</p><p>Run" + set("L4", "cpp=()") + " method</p></body>");
    job.Write("vb.htm", "<body onload=\"OnLoad('vb')\"><p>List" +
                            set("L2", "cs=&lt;|vb=(Of |nu=(") + "T</p></body>");
    job.Write("new.htm",
              "<h1>Worksheet<span id=\"L5\" data-languageSpecificText=\"cpp=::|nu=.\">"
              "</span>AddCell</h1>");
    Build({"cs.htm", "vb.htm", "new.htm"});
    const std::string text = BookText();
    EXPECT_TRUE(Contains(text, "System<span>.</span>Object")) << text;
    EXPECT_TRUE(Contains(text, "List<span>&lt;</span>T<span>)</span>")) << text;
    EXPECT_TRUE(Contains(text, "Run<span></span> method")) << text;
    EXPECT_TRUE(Contains(text, "List<span>(Of </span>T")) << text;
    EXPECT_TRUE(Contains(text, "\">.</span>AddCell")) << text;
    EXPECT_FALSE(Contains(text, "AddLanguageSpecificTextSet")) << text;
}

TEST_F(BookFolder, PagesAreReadInTheirOwnCharacterSetAndWrittenInUtf8) {
    job.Write("ru.htm", "<p>\xCF\xF0\xE8\xE2\xE5\xF2</p>");  // windows-1251, no declaration
    job.Write("utf.htm", "<meta charset=\"utf-8\"><p>\xD0\x9C\xD0\xB8\xD1\x80</p>");
    job.Write("gbk.htm",
              "<meta http-equiv=Content-Type content=\"text/html; charset=gb2312\">"
              "<p>\xD6\xD0\xCE\xC4</p>");
    Build({"ru.htm", "utf.htm", "gbk.htm"}, "WINDOWS-1251");
    const std::string text = BookText();
    EXPECT_TRUE(Contains(text, "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82"));  // Привет
    EXPECT_TRUE(Contains(text, "\xD0\x9C\xD0\xB8\xD1\x80"));                          // Мир
    EXPECT_TRUE(Contains(text, "\xE4\xB8\xAD\xE6\x96\x87"));                          // 中文
    EXPECT_TRUE(Contains(text, "charset=utf-8"));
}

TEST_F(BookFolder, DamagedAndEmptyPagesAreLeftOutWithTheReason) {
    job.Write("good.htm", "<p>Good</p>");
    job.Write("zeros.htm", std::string(2048, '\0'));
    job.Write("empty.htm", "<html><head><title>T</title></head><body>  </body></html>");
    job.Write("picture.htm", "<img src=\"p.gif\">");
    job.Write("p.gif", "GIF89a");
    const Book book = Build({"good.htm", "zeros.htm", "empty.htm", "missing.htm", "picture.htm"});
    EXPECT_EQ(book.Included, (std::vector<int>{0, 4}));
    ASSERT_EQ(book.LeftOut.size(), 3u);
    EXPECT_EQ(book.LeftOut[0].Reason, "the page is damaged");
    EXPECT_EQ(book.LeftOut[1].Reason, "the page is empty");
    EXPECT_FALSE(book.Anchors.Included(1));
    EXPECT_EQ(book.Anchors.Destination(1, ""), "");
}

// Contents entries may point straight at pictures or text files: each becomes
// a page of its own, known by its first bytes rather than by its name.
TEST_F(BookFolder, APictureOrTextTopicBecomesAPageShowingIt) {
    job.Write("shots/port forwarding #1.GIF", std::string("GIF89a\x01\0\x01\0\0\0\0", 13));
    job.Write("shots/shot.htm", std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16));
    job.Write("plan.svg",
              "<?xml version=\"1.0\"?>\n<!-- made by hand -->\n"
              "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"9\"/>");
    job.Write("read me.txt", "a < b & c\n\xCF\xF0\xE8\xE2\xE5\xF2\n<p>not markup</p>");
    job.Write("notes.txt", "\xEF\xBB\xBF\xD0\x9C\xD0\xB8\xD1\x80");
    const Book book = Build(
        {"shots/port forwarding #1.GIF", "shots/shot.htm", "plan.svg", "read me.txt", "notes.txt"},
        "WINDOWS-1251");
    EXPECT_TRUE(book.LeftOut.empty()) << book.LeftOut.front().Reason;
    EXPECT_EQ(book.Included, (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(book.Pictures, 3);
    const std::string text = BookText();
    // The picture is carried in the book.
    EXPECT_TRUE(Contains(text, "src=\"data:image/gif;base64,R0lGODlhAQABAAAAAA==\"")) << text;
    EXPECT_TRUE(Contains(text, "src=\"shots/shot.htm\"")) << text;
    EXPECT_TRUE(Contains(text, "pellin-picture-")) << text;  // the drawing's cleaned copy
    // Text as it is, line by line, in the help file's code page or the one its mark names.
    EXPECT_TRUE(Contains(text,
                         "a &lt; b &amp; c<br>\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82<br>"
                         "&lt;p&gt;not markup&lt;/p&gt;</p>"))
        << text;
    EXPECT_TRUE(Contains(text, "\xD0\x9C\xD0\xB8\xD1\x80</p>")) << text;
}

// Generated set pages and hand-made manuals often open with an empty block.
TEST_F(BookFolder, ATopicThatOpensWithAnEmptyBlockKeepsItsStartAnchor) {
    job.Write("a.htm", "<body><div></div><h1>Set</h1><p>Text</p></body>");
    job.Write("b.htm", "<body><div class=\"navheader\"><div></div></div><p>More</p></body>");
    job.Write("c.htm", "<body><table><tr><td></td></tr></table>Loose text</body>");
    const Book book = Build({"a.htm", "b.htm", "c.htm"});
    EXPECT_EQ(book.Included, (std::vector<int>{0, 1, 2}));
    const std::string text = BookText();
    for (const char* anchor : {"PellinTopic0\"", "PellinTopic1\"", "PellinTopic2\""})
        EXPECT_TRUE(Contains(text, anchor)) << anchor;
    EXPECT_LT(text.find("PellinTopic0\""), text.find("Set"));
}

TEST_F(BookFolder, ASavedWebPageIsUnpackedWithItsPictures) {
    const std::string mht =
        "MIME-Version: 1.0\r\nContent-Type: multipart/related; "
        "boundary=\"----=_NextPart_01\"\r\n\r\n"
        "------=_NextPart_01\r\nContent-Location: file:///C:/Docs/help.htm\r\n"
        "Content-Transfer-Encoding: quoted-printable\r\nContent-Type: text/html; "
        "charset=\"windows-1258\"\r\n\r\n"
        "<html><body><p>Xin ch=E0o</p><img src=3D\"help_files/image001.gif\"></body></html>\r\n"
        "------=_NextPart_01\r\nContent-Location: file:///C:/Docs/help_files/image001.gif\r\n"
        "Content-Transfer-Encoding: base64\r\nContent-Type: "
        "image/gif\r\n\r\nR0lGODlhAQABAAAAACw=\r\n"
        "------=_NextPart_01--\r\n";
    job.Write("help.mht", mht);
    const Book book = Build({"help.mht"});
    const std::string text = BookText();
    EXPECT_EQ(book.Pictures, 1);
    EXPECT_TRUE(Contains(text, "Xin ch\xC3\xA0o"));
    EXPECT_TRUE(Contains(text, "src=\"data:image/gif;base64,R0lGODlhAQABAAAAACw=\""));
    EXPECT_EQ(ReadAll(job / "#pellin-page-0/1-image001.gif").substr(0, 6), "GIF89a");
}

TEST_F(BookFolder, AnSvgPictureReachesTheBookOnlyAsACleanedCopy) {
    const std::string outside =
        "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\">"
        "<image xlink:href=\"file:///var/tmp/pellin-outside/secret.png\"/></svg>";
    job.Write("p.svg", outside);
    job.Write("disguised.png", "\xEF\xBB\xBF\n" + outside);  // the office reads bytes, not names
    job.Write("broken.svg", "<svg><image xlink:href=\"/etc/x.png\">");
    job.Write("a.htm",
              "<p><img src=\"p.svg\" alt=\"first\"> <img src=\"P.SVG\"> <img src=\"disguised.png\">"
              " <img src=\"broken.svg\" alt=\"Broken picture\"></p>"
              "<p style=\"background: url(p.svg)\">Text</p>");
    const Book book = Build({"a.htm"});
    const std::string text = BookText();
    EXPECT_EQ(book.Pictures, 3);
    EXPECT_FALSE(Contains(text, "src=\"p.svg\"")) << text;
    EXPECT_FALSE(Contains(text, "disguised.png")) << text;
    EXPECT_TRUE(Contains(text, "Broken picture")) << text;
    int copies = 0;
    for (const auto& entry : std::filesystem::directory_iterator(job.Path())) {
        if (entry.path().filename().string().rfind("#pellin-picture-", 0) != 0) continue;
        ++copies;
        const std::string copy = ReadAll(entry.path());
        EXPECT_TRUE(Contains(copy, "<image")) << copy;
        EXPECT_FALSE(Contains(copy, "pellin-outside")) << copy;
        EXPECT_TRUE(Contains(text, "%23" + entry.path().filename().string().substr(1))) << text;
    }
    EXPECT_EQ(copies, 2) << "one copy per picture file, however often it is named";
}

TEST(SvgPictureTest, NothingOutsideThePictureIsNamedAndItsOwnPlacesStay) {
    const auto cleaned = CleanedSvg(
        "<?xml version=\"1.0\"?>\n<?xml-stylesheet href=\"file:///etc/a.css\"?>\n"
        "<!DOCTYPE svg [<!ENTITY secret SYSTEM \"file:///etc/passwd\">"
        "<!ENTITY inside \"http://127.0.0.1:9/e.png\">]>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" "
        "xmlns:h=\"http://www.w3.org/1999/xhtml\" onload=\"alert(1)\" "
        "xml:base=\"file:///var/tmp/\">"
        "<style>@import url(/etc/b.css); rect { fill: url(#g) } "
        "g { fill: url(file:///etc/c.svg#x) }</style>"
        "<defs><linearGradient id=\"g\"/><pattern id=\"pat\" href=\"../../../etc/d.svg\"/></defs>"
        "<image xlink:href=\"file:///var/tmp/pellin-outside/secret.png\"/>"
        "<image xlink:href=\"file:/var/tmp/pellin-outside/secret.png\"/>"
        "<image href=\"/var/tmp/pellin-outside/secret.png\"/>"
        "<image xlink:href=\"../../../../var/tmp/pellin-outside/secret.png\"/>"
        "<image xlink:href=\"&inside;\"/><image xlink:href=\"data:image/svg+xml,&lt;svg/&gt;\"/>"
        "<image xlink:href=\"data:image/png;base64,iVBORw0KGgo=\"/>"
        "<use xlink:href=\"http://127.0.0.1:9/u.svg#x\"/><use xlink:href=\"#g\"/>"
        "<filter><feImage xlink:href=\"/etc/e.png\"/></filter>"
        "<rect fill=\"url(#g)\" mask=\"url(/etc/f.svg#m)\" style=\"fill: url('/etc/g.svg#x')\"/>"
        "<text>&secret;</text><script>alert(2)</script>"
        "<set attributeName=\"href\" to=\"file:///etc/h.png\"/>"
        "<foreignObject><h:img src=\"file:///etc/i.png\"/></foreignObject></svg>");
    ASSERT_TRUE(cleaned);
    for (const char* gone :
         {"/etc/", "/var/tmp", "127.0.0.1", "file:", "DOCTYPE", "ENTITY", "secret", "onload",
          "xml:base", "script", "foreignObject", "<set", "svg+xml", "@import", "stylesheet"})
        EXPECT_FALSE(Contains(*cleaned, gone)) << gone << "\n" << *cleaned;
    for (const char* kept : {"xlink:href=\"#g\"", "fill=\"url(#g)\"", "fill: url(\"#g\")",
                             "data:image/png;base64,iVBORw0KGgo=", "<feImage", "<pattern"})
        EXPECT_TRUE(Contains(*cleaned, kept)) << kept << "\n" << *cleaned;
}

TEST(SvgPictureTest, OnlyAWellFormedSvgWithinBoundsIsAPicture) {
    std::string laughs = "<?xml version=\"1.0\"?><!DOCTYPE svg [<!ENTITY a \"lollollol\">";
    for (char c = 'b'; c <= 'k'; ++c) {  // each entity ten of the one before
        laughs += std::string("<!ENTITY ") + c + " \"";
        for (int i = 0; i < 10; ++i) laughs += std::string("&") + static_cast<char>(c - 1) + ";";
        laughs += "\">";
    }
    laughs += "]><svg xmlns=\"http://www.w3.org/2000/svg\"><text>&k;</text></svg>";
    const auto cleaned = CleanedSvg(laughs);
    EXPECT_TRUE(!cleaned || cleaned->size() < 1000u);  // never the ten billion laughs
    for (const std::string& bytes : std::vector<std::string>{
             "", "<svg xmlns=\"http://www.w3.org/2000/svg\"><image", "<html><body>x</body></html>",
             "<svg><rect/></svg>", "\x89PNG\r\n",
             "<svg xmlns=\"http://www.w3.org/2000/svg\">" + std::string(9 << 20, ' ') + "</svg>"})
        EXPECT_FALSE(CleanedSvg(bytes)) << bytes.substr(0, 40);

    EXPECT_EQ(KindOfPicture("\x89PNG\r\n\x1a\n"), PictureKind::Plain);
    EXPECT_EQ(KindOfPicture("GIF89a<svg"), PictureKind::Plain);
    EXPECT_EQ(KindOfPicture(" \r\n<svg>"), PictureKind::Markup);
    EXPECT_EQ(KindOfPicture("\xFF\xFE<"), PictureKind::Markup);
    EXPECT_EQ(KindOfPicture("\x1F\x8B\x08"), PictureKind::Refused);  // compressed SVG
    EXPECT_EQ(KindOfPicture("%!PS-Adobe-3.0 EPSF-3.0"), PictureKind::Refused);
}

TEST_F(BookFolder, EachTopicButTheFirstCanStartANewPage) {
    job.Write("a.htm", "<html><body><h1>A</h1><p>first</p></body></html>");
    job.Write("b.htm", "<html><body><div><table><tr><td>B</td></tr></table></div></body></html>");
    job.Write("c.htm", "<html><body>loose text</body></html>");
    BookBuilder builder(resolver, "UTF-8", ReadAll);
    builder.PageBreakBeforeTopics = true;
    builder.Build({job / "a.htm", job / "b.htm", job / "c.htm"}, job / "#pellin-book.html");
    const std::string book = BookText();
    const std::size_t first = book.find("<h1");
    ASSERT_NE(first, std::string::npos) << book;
    EXPECT_FALSE(Contains(book.substr(first, book.find("</h1>") - first), "page-break")) << book;
    const std::size_t table = book.find("<table");
    EXPECT_TRUE(
        Contains(book.substr(table, book.find('>', table) - table), "page-break-before: always"))
        << book;
    EXPECT_TRUE(Contains(book,
                         "<p style=\"page-break-before: always; margin: 0\">"
                         "<a name=\"PellinTopic2\"></a></p><span>loose text"))
        << "the topic's place goes with the break: " << book;
}

// A picture carried as data is stored by the office while it loads the book;
// the budget bounds what repeating it on every use adds to the book.
TEST(CarriedPicturesTest, PicturesTravelAsDataWhileTheBudgetLasts) {
    const std::string gif("GIF89a\x01\0\x01\0", 10);
    EXPECT_EQ(PictureDataAddress(gif), "data:image/gif;base64,R0lGODlhAQABAA==");
    EXPECT_EQ(PictureDataAddress(gif + '\0'), "data:image/gif;base64,R0lGODlhAQABAAA=");
    EXPECT_EQ(PictureDataAddress(gif + std::string(2, '\0')),
              "data:image/gif;base64,R0lGODlhAQABAAAA");
    EXPECT_EQ(
        PictureDataAddress(std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR\0\0\0\x10\0\0\0\x10", 24)),
        "data:image/png;base64,iVBORw0KGgoAAAANSUhEUgAAABAAAAAQ");
    for (const std::string other : {"GIF89a", "<svg/>", "%!PS", ""})
        EXPECT_EQ(PictureDataAddress(other), "") << other;

    int reads = 0;
    const std::size_t size = PictureDataAddress(gif).size();
    CarriedPictures pictures(
        [&](const std::string&) {
            ++reads;
            return gif;
        },
        2 * size + 1);
    EXPECT_EQ(pictures.AddressOf("/job/icon.gif", "icon.gif"), PictureDataAddress(gif));
    EXPECT_EQ(pictures.AddressOf("/job/icon.gif", "icon.gif"), PictureDataAddress(gif));
    EXPECT_EQ(pictures.AddressOf("/job/icon.gif", "icon.gif"), "icon.gif");
    EXPECT_EQ(reads, 1);
}

// A reference shows the same icons on every member: the book carries them, so
// no picture is left for the office to store one at a time after the load.
TEST_F(BookFolder, IconsUsedOnEveryPageAreCarriedInTheBook) {
    job.Write("icons/pubmethod.gif", std::string("GIF89a\x01\0\x01\0\0\0\0", 13));
    job.Write("plan.svg", "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"9\"/>");
    job.Write(
        "a.htm",
        "<p><img src=\"icons/pubmethod.gif\">Add <img src=\"ICONS/PUBMETHOD.GIF\">Remove</p>");
    job.Write("b.htm", "<p><img src=\"icons/pubmethod.gif\">Clear <img src=\"plan.svg\"></p>");
    const Book book = Build({"a.htm", "b.htm"});
    EXPECT_EQ(book.Pictures, 4);
    EXPECT_EQ(book.LinkedPictures, 1);  // the drawing's cleaned copy stays a file
    const std::string text = BookText();
    const std::string carried = "src=\"data:image/gif;base64,R0lGODlhAQABAAAAAA==\"";
    std::size_t uses = 0;
    for (auto at = text.find(carried); at != std::string::npos; at = text.find(carried, at + 1))
        ++uses;
    EXPECT_EQ(uses, 3u) << text;
    EXPECT_FALSE(Contains(text, "pubmethod")) << text;
}
