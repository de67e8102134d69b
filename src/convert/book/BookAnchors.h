#pragma once
// Which topics a book holds and which anchors each of them brings, so that a
// link or an outline entry naming "page.htm#name" can be pointed at the right
// place of the assembled document, or at the topic's start when the page has
// no such anchor.

#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

class HtmlPage;

// A place something points at: a topic, and an anchor of it ("" for its start).
struct BookPlace {
    int topic = -1;
    std::string fragment;
};

class BookAnchors {
public:
    explicit BookAnchors(std::size_t topics = 0);

    // Marks the topic as part of the book, with the anchor names its page has.
    void Include(int topic, const std::vector<std::string>& names);
    bool Included(int topic) const;

    // Notes that a link or an outline entry points at the place; told once
    // every topic is included, so that a link may point forward.
    void Target(const BookPlace& place);
    // From now on the book holds only the anchors some place was targeted at:
    // every other anchor the office would carry as a bookmark for nothing.
    void KeepTargetsOnly();
    // Whether the topic's anchor `name`, as its page writes it, goes into the book.
    bool Kept(int topic, const std::string& name) const;

    // The name of the place `fragment` of the topic ("" for its start): the
    // anchor spelled exactly so, else one that differs only in letter case,
    // else the topic's start (also when the anchor is not kept). Empty when
    // the topic is not in the book.
    std::string Destination(int topic, const std::string& fragment) const;

private:
    struct Topic {
        bool included = false;
        std::unordered_map<std::string, std::string> byLowerCase;  // lower -> as written
        std::unordered_map<std::string, bool> exact;
        std::unordered_set<std::string> targeted;  // as written
    };
    // The anchor `fragment` names, as written; empty when the page has none.
    static std::string Written(const Topic& entry, const std::string& fragment);

    std::vector<Topic> topics_;
    bool targetsOnly_ = false;
};

// Every anchor a page defines: the names of <a name="..."> and the id of
// any element, in document order.
std::vector<std::string> CollectAnchors(const HtmlPage& page);
// The addresses of the page's links (<a href> and <area href>), in document order.
std::vector<std::string> CollectLinks(const HtmlPage& page);
