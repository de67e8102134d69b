#pragma once
// A Writer document in a private office, built from HTML files: the
// operations the word-processor adapter needs, in UNO terms.

#include <chrono>
#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/lang/XComponent.hpp>
#include <com/sun/star/text/XTextDocument.hpp>
#include <com/sun/star/text/XTextRange.hpp>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/office/OfficeConnection.h"
#include "platform/office/TopicLinks.h"

namespace platform::office {

struct PdfExportSettings {
    bool bookmarksFromHeadings = true;
    bool taggedPdf = false;
    bool pdfA = false;
    std::optional<std::pair<int, int>> pageRange;  // first and last page, from 1
};

class WriterDocument {
public:
    // A new blank document. It is made in the office on first use; when that
    // use is inserting a file, the file is loaded as the document instead, so
    // it keeps its style sheets (inserting into a blank document drops them)
    // and a big file is read in one go.
    explicit WriterDocument(std::shared_ptr<OfficeConnection> connection);
    // An existing file opened in the office.
    static std::unique_ptr<WriterDocument> open(std::shared_ptr<OfficeConnection> connection,
                                                const std::string& path, bool readOnly,
                                                const std::optional<std::string>& password);
    ~WriterDocument();
    WriterDocument(const WriterDocument&) = delete;
    WriterDocument& operator=(const WriterDocument&) = delete;

    // Appends the HTML file's content at the end of the text.
    void insertHtml(const std::string& path);

    int graphicCount();
    css::uno::Reference<css::beans::XPropertySet> graphic(int index);  // from 0
    bool isLinked(const css::uno::Reference<css::beans::XPropertySet>& graphic);
    // Loads a linked picture's file into the document.
    void embed(const css::uno::Reference<css::beans::XPropertySet>& graphic);

    // Points links between the inserted topics at their bookmarks, drops
    // links into the folder of the topic files, and puts the first line of
    // each topic without headings into the outline.
    void prepareForExport();
    void exportPdf(const std::string& path, const PdfExportSettings& settings);
    void print(const std::string& printer);
    void close();

private:
    WriterDocument(std::shared_ptr<OfficeConnection> connection,
                   css::uno::Reference<css::text::XTextDocument> document);
    css::uno::Reference<css::text::XTextDocument> document();
    void loadTopic(const std::string& url, std::chrono::milliseconds limit);
    void appendTopic(const std::string& url);
    void fitPicturesToPage();
    // Every picture of the document, read once per change of the text: the
    // office's own index walks all pictures on each access.
    const std::vector<css::uno::Reference<css::beans::XPropertySet>>& pictures();
    void renameNewAnchors(int topic);
    void retargetLinks();
    int topicAt(const css::uno::Reference<css::text::XTextRange>& range);
    void markTopicStart(int topic, const css::uno::Reference<css::text::XTextRange>& where);

    std::shared_ptr<OfficeConnection> connection_;
    css::uno::Reference<css::text::XTextDocument> document_;
    TopicLinks links_;
    std::vector<std::string> knownBookmarks_;
    std::vector<css::uno::Reference<css::text::XTextRange>> topicStarts_;
    std::vector<bool> topicHasHeading_;
    std::vector<css::uno::Reference<css::beans::XPropertySet>> pictures_;
    bool picturesRead_ = false;
    // A picture file used many times (an icon on every page) is read once.
    std::map<std::string, css::uno::Reference<css::uno::XInterface>> loadedPictures_;
    // The file each picture was linked to, empty once it is stored in the
    // document; asked for every picture several times.
    std::map<const void*, std::string> pictureOrigins_;
    std::string originOf(const css::uno::Reference<css::beans::XPropertySet>& graphic);
    std::uintmax_t insertedBytes_ = 0;  // what the export's time limit grows with
    bool loadedAsDocument_ = false;
    bool closed_ = false;
};

// A file path as the office's file URL (escaped as the office expects).
std::string fileUrlOf(const std::string& path);

}  // namespace platform::office
