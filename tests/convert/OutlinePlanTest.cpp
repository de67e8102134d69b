// The outline a contents tree gives: names and nesting kept, each entry
// pointed at its topic's place in the book, entries that lead nowhere left out.

#include <gtest/gtest.h>

#include "convert/book/AnchorNames.h"
#include "convert/output/OutlinePlan.h"

namespace {

const std::vector<std::string> kTopics{"/job/intro.htm", "/job/Chapter.htm", "/job/part.htm"};

ContentsEntry Entry(std::string name, std::string topic, std::string fragment = "",
                    std::vector<ContentsEntry> children = {}) {
    return {std::move(name), std::move(topic), std::move(fragment), std::move(children)};
}

// Every topic of kTopics in the book, part.htm with the anchor "Options".
BookAnchors AllTopics() {
    BookAnchors anchors(kTopics.size());
    anchors.Include(0, {});
    anchors.Include(1, {});
    anchors.Include(2, {"Options"});
    return anchors;
}

TEST(OutlinePlan, EntriesKeepNamesAndNestingAndJumpToTheirTopicsAndAnchors) {
    const ContentsTree tree{
        Entry("Введение", "/job/intro.htm"),
        Entry("Chapter", "/job/chapter.htm", "",  // the contents spell the file otherwise
              {Entry("Options", "/job/part.htm", "options"),
               Entry("Missing anchor", "/job/part.htm", "nowhere")}),
        Entry("Group", "", "", {Entry("Again", "/job/INTRO.HTM")}),
    };
    const auto items = OutlineFromContents(tree, kTopics, AllTopics());
    ASSERT_EQ(3u, items.size());
    EXPECT_EQ("Введение", items[0].Title);
    EXPECT_EQ(TopicAnchor(0), items[0].Destination);
    EXPECT_EQ(TopicAnchor(1), items[1].Destination);
    ASSERT_EQ(2u, items[1].Children.size());
    EXPECT_EQ(FragmentAnchor(2, "Options"), items[1].Children[0].Destination);
    EXPECT_EQ(TopicAnchor(2), items[1].Children[1].Destination) << "the topic's start";
    // A group without a page of its own stays, and the finisher points it at its first child.
    EXPECT_EQ("", items[2].Destination);
    ASSERT_EQ(1u, items[2].Children.size());
    EXPECT_EQ(TopicAnchor(0), items[2].Children[0].Destination);

    // A book that keeps only the anchors something points at keeps the outline's.
    BookAnchors targetsOnly = AllTopics();
    for (const BookPlace& place : OutlinePlaces(tree, kTopics)) targetsOnly.Target(place);
    targetsOnly.KeepTargetsOnly();
    EXPECT_EQ(FragmentAnchor(2, "Options"),
              OutlineFromContents(tree, kTopics, targetsOnly)[1].Children[0].Destination);
}

TEST(OutlinePlan, EntriesLeadingNowhereAreLeftOutAndAUselessTreeGivesNoOutline) {
    BookAnchors withoutPart(kTopics.size());
    withoutPart.Include(0, {});
    withoutPart.Include(1, {});
    const ContentsTree tree{
        Entry("Left out of the book", "/job/part.htm"),
        Entry("Not in the help file", "/job/gone.htm"),
        Entry("Empty group", "", "", {Entry("Gone", "/job/gone.htm")}),
        Entry("Kept", "/job/intro.htm"),
    };
    const auto items = OutlineFromContents(tree, kTopics, withoutPart);
    ASSERT_EQ(1u, items.size());
    EXPECT_EQ("Kept", items[0].Title);

    const ContentsTree nowhere{Entry("Gone", "/job/gone.htm"), Entry("Group", "")};
    EXPECT_TRUE(OutlineFromContents(nowhere, kTopics, AllTopics()).empty());
    EXPECT_TRUE(OutlineFromContents({}, kTopics, AllTopics()).empty());
}

}  // namespace
