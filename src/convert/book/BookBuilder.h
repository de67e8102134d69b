#pragma once
// Joins the topics of a help file into one HTML document, the book, which
// the office loads as a whole. Each topic is read in its own character set
// and made safe (see TopicRewriter); the book is UTF-8, each topic styled on
// its own (see TopicStyles), marks each topic's start with an anchor and
// points the links between topics at places inside itself.

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "convert/book/BookAnchors.h"
#include "convert/book/BookParts.h"
#include "convert/chm/TopicPathResolver.h"

class BookLinks;
class TopicRewriter;

struct BookTopicProblem {
    std::string Path;    // the topic file
    std::string Reason;  // why it is not in the book
};

struct Book {
    std::string Path;                       // the book file, or its first part
    std::vector<std::string> Parts;         // every part's file in order, when in parts
    std::vector<int> Included;              // topics in the book, in order
    std::vector<BookTopicProblem> LeftOut;  // unreadable or empty topics
    BookAnchors Anchors;                    // where each included topic's places are
    std::size_t HtmlBytes = 0;              // size of the topics' pages read
    std::size_t TextChars = 0;
    int Pictures = 0;
    int LinkedPictures = 0;  // pictures named as files, not carried in the book
};

class BookBuilder {
public:
    using ReadFile = std::function<std::string(const std::string& path)>;

    // `helpFileCharset` reads the pages that do not declare theirs.
    BookBuilder(const TopicPathResolver& resolver, std::string helpFileCharset, ReadFile readFile);

    // Writes the book of `topics` (full paths in the job folder, in order) to
    // `bookPath`, leaving out the topics listed in `skipped`. Throws when the
    // book cannot be written.
    Book Build(const std::vector<std::string>& topics, const std::string& bookPath,
               const std::set<int>& skipped = {}) const;

    // Told a topic's number before the topic is read and again before it is
    // rewritten, so that a reader that dies on a page can name it.
    std::function<void(int topic)> OnTopic;
    // Each topic but the first starts a new page.
    bool PageBreakBeforeTopics = false;
    // The places the outline will point at. The book keeps only the anchors
    // these and the topics' own links point at.
    std::vector<BookPlace> OutlinePlaces;
    // A book with many pictures is written in parts of this size (see
    // BookParts); by default it is one file.
    PartSize Parts;

private:
    struct Reading;
    struct WrittenTopic {
        std::string Text;  // as the book holds it
        int Pictures = 0;
        std::size_t TextChars = 0;  // readable characters
    };
    std::vector<Reading> ReadTopics(const std::vector<std::string>& topics,
                                    const std::set<int>& skipped, Book& book) const;
    void TargetLinkedPlaces(std::vector<Reading>& readings, const BookLinks& links,
                            Book& book) const;
    WrittenTopic WriteTopic(TopicRewriter& rewriter, Reading& reading, Book& book) const;

    const TopicPathResolver& resolver_;
    std::string helpFileCharset_;
    ReadFile readFile_;
};
