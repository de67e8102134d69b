// Where links of assembled topics point once the topics are one document.

#include <gtest/gtest.h>

#include "platform/office/TopicLinks.h"

using platform::office::TopicLinks;

namespace {

class TopicLinksTest : public ::testing::Test {
protected:
    void SetUp() override {
        index_ = links_.addTopic("/tmp/job/index.htm");
        page_ = links_.addTopic("/tmp/job/sub/My Page.htm");
        intro_ = links_.addAnchor(page_, "Intro");
        sameNameInIndex_ = links_.addAnchor(index_, "Intro");
    }
    TopicLinks links_;
    int index_ = 0;
    int page_ = 0;
    std::string intro_;
    std::string sameNameInIndex_;
};

TEST_F(TopicLinksTest, LinksToTopicsAndTheirAnchorsBecomeBookmarks) {
    EXPECT_EQ("#" + TopicLinks::topicBookmark(page_),
              links_.resolve("file:///tmp/job/sub/My%20Page.htm", index_));
    EXPECT_EQ("#" + intro_, links_.resolve("file:///tmp/job/sub/My%20Page.htm#Intro", index_));
    EXPECT_EQ("#" + intro_, links_.resolve("file:///tmp/job/SUB/my%20page.HTM#intro", index_))
        << "help viewers match names without regard to case";
    EXPECT_EQ("#" + intro_,
              links_.resolve("file://localhost/tmp/job/other/../sub/My%20Page.htm#Intro", index_));
    // An anchor the topic does not have still leads to the topic.
    EXPECT_EQ("#" + TopicLinks::topicBookmark(page_),
              links_.resolve("file:///tmp/job/sub/My%20Page.htm#gone", 0));
}

TEST_F(TopicLinksTest, AnchorNamesOfDifferentTopicsStayApart) {
    EXPECT_NE(intro_, sameNameInIndex_);
    EXPECT_EQ("#" + sameNameInIndex_, links_.resolve("#Intro", index_));
    EXPECT_EQ("#" + intro_, links_.resolve("#Intro", page_));
    EXPECT_EQ(std::nullopt, links_.resolve("#Intro", -1))
        << "outside any topic the link is left alone";
}

TEST_F(TopicLinksTest, RelativeAddressesResolveFromTheTopicsFolder) {
    EXPECT_EQ("#" + TopicLinks::topicBookmark(index_), links_.resolve("../index.htm", page_));
    EXPECT_EQ("#" + intro_, links_.resolve("My%20Page.htm#Intro", page_));
}

TEST_F(TopicLinksTest, OtherLocalFilesAreDroppedAndWebLinksKept) {
    EXPECT_EQ(std::string(), links_.resolve("file:///tmp/job/images/big.png", index_));
    EXPECT_EQ(std::string(), links_.resolve("notInTheToc.htm", index_));
    EXPECT_EQ(std::nullopt, links_.resolve("http://example.com/index.htm", index_));
    EXPECT_EQ(std::nullopt, links_.resolve("mailto:someone@example.com", index_));
    EXPECT_EQ(std::nullopt, links_.resolve("", index_));
}

TEST(TopicLinks, TopicBookmarksAreRecognisedAndAnchorsAreNot) {
    EXPECT_EQ(12, TopicLinks::topicOfBookmark(TopicLinks::topicBookmark(12)));
    TopicLinks links;
    const int topic = links.addTopic("/a.htm");
    EXPECT_EQ(-1, TopicLinks::topicOfBookmark(links.addAnchor(topic, "x")));
    EXPECT_EQ(-1, TopicLinks::topicOfBookmark("Intro"));
    EXPECT_EQ("a b%zz%4", TopicLinks::percentDecoded("a%20b%zz%4"));
}

}  // namespace
