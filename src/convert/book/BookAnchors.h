#pragma once
// Which topics a book holds and which anchors each of them brings, so that a
// link or an outline entry naming "page.htm#name" can be pointed at the right
// place of the assembled document, or at the topic's start when the page has
// no such anchor.

#include <string>
#include <unordered_map>
#include <vector>

class HtmlPage;

class BookAnchors {
public:
    explicit BookAnchors(std::size_t topics = 0);

    // Marks the topic as part of the book, with the anchor names its page has.
    void Include(int topic, const std::vector<std::string>& names);
    bool Included(int topic) const;

    // The name of the place `fragment` of the topic ("" for its start): the
    // anchor spelled exactly so, else one that differs only in letter case,
    // else the topic's start. Empty when the topic is not in the book.
    std::string Destination(int topic, const std::string& fragment) const;

private:
    struct Topic {
        bool included = false;
        std::unordered_map<std::string, std::string> byLowerCase;  // lower -> as written
        std::unordered_map<std::string, bool> exact;
    };
    std::vector<Topic> topics_;
};

// Every anchor a page defines: the names of <a name="..."> and the id of
// any element, in document order.
std::vector<std::string> CollectAnchors(const HtmlPage& page);
