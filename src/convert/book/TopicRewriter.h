#pragma once
// Makes one parsed topic page fit to join the book. Everything that could
// reach outside the job folder goes: scripts, frames, objects, event handlers,
// pictures, sheets and backgrounds from elsewhere (a picture leaves its
// alternative text). A picture drawn in markup is shown as a cleaned copy
// written beside the book. Links to places of the same topic point at its
// anchors, links to other topics at kPlaceAddress and the place, links to web
// and mail addresses stay, other links become plain text. The page's
// anchors are renamed for the book, and its style sheets are resolved into
// its elements' styles (see TopicStyles).

#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "convert/book/BookAnchors.h"
#include "convert/book/BookLinks.h"
#include "convert/book/CarriedPictures.h"
#include "convert/book/CssSanitizer.h"
#include "convert/book/PictureHeader.h"

class HtmlPage;
typedef struct _xmlNode xmlNode;

// What is left of a topic once it is rewritten.
struct TopicContent {
    std::size_t TextChars = 0;   // characters of text other than blanks
    std::size_t Unreadable = 0;  // of those, replacement and control characters
    int Pictures = 0;            // pictures that stay
    int LinkedPictures = 0;      // of those, the ones the book names as files
};

class TopicRewriter {
public:
    using ReadFile = std::function<std::string(const std::string& path)>;

    // `bookFolder` is the folder of the book file: the addresses of pictures
    // and sheets are written relative to it.
    TopicRewriter(const BookLinks& links, const BookAnchors& anchors, std::string bookFolder,
                  ReadFile readFile);

    TopicContent Rewrite(int topic, const std::string& path, HtmlPage& page);

private:
    void RewriteChildren(xmlNode* parent, int depth);
    // Returns false when the element was removed or replaced.
    bool RewriteElement(xmlNode* element, int depth);
    bool RewriteLink(xmlNode* element);
    bool RewritePicture(xmlNode* element);
    // The topic's own sheets, made safe, in the order the page names them.
    std::vector<std::string> CollectSheets(xmlNode* root);
    std::optional<std::string> SheetOf(xmlNode* element);
    void RewriteAttributes(xmlNode* element);
    void RenameAnchors(xmlNode* element);
    void Count(const xmlNode* text);
    std::string SafeCss(const std::string& css, const std::string& sheetPath, int depth);
    // A linked sheet made safe, once for all the topics that link it.
    const std::string& SafeSheet(const std::string& file);
    // The address the book uses for a picture named in `fromPath`, empty when
    // it is left out.
    std::string LocalAddress(const std::string& fromPath, const std::string& address);
    std::string PictureAddress(const std::string& file);

    const BookLinks& links_;
    const BookAnchors& anchors_;
    std::string bookFolder_;
    ReadFile readFile_;
    int topic_ = -1;
    std::string path_;
    TopicContent content_;
    std::unordered_map<std::string, std::string> pictures_;    // file -> address in the book
    std::unordered_map<std::string, std::string> safeSheets_;  // sheet file -> its safe text
    std::unordered_map<std::string, PixelSize> pixelSizes_;    // address -> size in its header
    CarriedPictures carried_;
};
