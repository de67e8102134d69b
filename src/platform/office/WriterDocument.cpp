#include "platform/office/WriterDocument.h"

#include <algorithm>
#include <com/sun/star/awt/Size.hpp>
#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/container/XEnumeration.hpp>
#include <com/sun/star/container/XEnumerationAccess.hpp>
#include <com/sun/star/container/XIndexAccess.hpp>
#include <com/sun/star/container/XNameAccess.hpp>
#include <com/sun/star/container/XNamed.hpp>
#include <com/sun/star/document/XDocumentInsertable.hpp>
#include <com/sun/star/frame/XStorable.hpp>
#include <com/sun/star/graphic/XGraphic.hpp>
#include <com/sun/star/graphic/XGraphicProvider.hpp>
#include <com/sun/star/lang/XMultiServiceFactory.hpp>
#include <com/sun/star/lang/XServiceInfo.hpp>
#include <com/sun/star/style/XStyleFamiliesSupplier.hpp>
#include <com/sun/star/text/ControlCharacter.hpp>
#include <com/sun/star/text/XBookmarksSupplier.hpp>
#include <com/sun/star/text/XParagraphCursor.hpp>
#include <com/sun/star/text/XText.hpp>
#include <com/sun/star/text/XTextContent.hpp>
#include <com/sun/star/text/XTextGraphicObjectsSupplier.hpp>
#include <com/sun/star/text/XTextRangeCompare.hpp>
#include <com/sun/star/util/XCloseable.hpp>
#include <com/sun/star/util/XPropertyReplace.hpp>
#include <com/sun/star/util/XSearchable.hpp>
#include <com/sun/star/view/XPrintable.hpp>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <osl/file.hxx>

#include "platform/office/UnoRuntime.h"
#include "platform/pdf/PdfFinisher.h"

namespace platform::office {

namespace {

using css::beans::PropertyValue;
using css::uno::Any;
using css::uno::Reference;
using css::uno::Sequence;
using css::uno::UNO_QUERY;
using css::uno::UNO_QUERY_THROW;

const char* const kHtmlFilter = "HTML (StarWriter)";

PropertyValue property(const char* name, const Any& value) {
    PropertyValue p;
    p.Name = OUString::createFromAscii(name);
    p.Value = value;
    return p;
}

Sequence<PropertyValue> properties(std::initializer_list<PropertyValue> items) {
    return Sequence<PropertyValue>(items.begin(), static_cast<sal_Int32>(items.size()));
}

// Whether a topic brings headings of its own (h1 to h6).
bool hasHeadingMarkup(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    const std::string html((std::istreambuf_iterator<char>(file)),
                           std::istreambuf_iterator<char>());
    for (std::size_t at = html.find('<'); at != std::string::npos && at + 2 < html.size();
         at = html.find('<', at + 1)) {
        if ((html[at + 1] == 'h' || html[at + 1] == 'H') && html[at + 2] >= '1' &&
            html[at + 2] <= '6')
            return true;
    }
    return false;
}

std::string fileName(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

}  // namespace

std::string fileUrlOf(const std::string& path) {
    const std::string absolute = std::filesystem::absolute(path).lexically_normal().string();
    OUString url;
    if (osl::FileBase::getFileURLFromSystemPath(toUno(absolute), url) != osl::FileBase::E_None)
        return "file://" + absolute;
    return fromUno(url);
}

WriterDocument::WriterDocument(std::shared_ptr<OfficeConnection> connection)
    : connection_(std::move(connection)) {}

WriterDocument::WriterDocument(std::shared_ptr<OfficeConnection> connection,
                               Reference<css::text::XTextDocument> document)
    : connection_(std::move(connection)), document_(std::move(document)) {}

std::unique_ptr<WriterDocument> WriterDocument::open(std::shared_ptr<OfficeConnection> connection,
                                                     const std::string& path, bool readOnly,
                                                     const std::optional<std::string>& password) {
    const auto desktop = connection->desktop();
    std::vector<PropertyValue> args{property("Hidden", Any(true)),
                                    property("ReadOnly", Any(readOnly))};
    if (password) args.push_back(property("Password", Any(toUno(*password))));
    const Reference<css::lang::XComponent> component =
        connection->call(connection->timeouts().load, "opening " + fileName(path), [&] {
            return desktop->loadComponentFromURL(
                toUno(fileUrlOf(path)), "_blank", 0,
                Sequence<PropertyValue>(args.data(), static_cast<sal_Int32>(args.size())));
        });
    Reference<css::text::XTextDocument> text(component, UNO_QUERY);
    if (!text.is()) {
        if (component.is()) {
            Reference<css::util::XCloseable> closeable(component, UNO_QUERY);
            try {
                if (closeable.is()) closeable->close(true);
            } catch (...) {
            }
        }
        throw AutomationError(kOfficeErrorCode,
                              "LibreOffice could not open " + path + " as a text document");
    }
    return std::unique_ptr<WriterDocument>(new WriterDocument(std::move(connection), text));
}

WriterDocument::~WriterDocument() {
    try {
        if (!closed_ && document_.is() && connection_->isAlive()) close();
    } catch (...) {
    }
}

Reference<css::text::XTextDocument> WriterDocument::document() {
    if (closed_) throw AutomationError(kOfficeErrorCode, "The document has been closed");
    if (document_.is()) return document_;
    const auto desktop = connection_->desktop();
    connection_->call(connection_->timeouts().quick, "creating a document", [&] {
        document_.set(desktop->loadComponentFromURL("private:factory/swriter", "_blank", 0,
                                                    properties({property("Hidden", Any(true))})),
                      UNO_QUERY_THROW);
    });
    return document_;
}

void WriterDocument::insertHtml(const std::string& path) {
    if (closed_) throw AutomationError(kOfficeErrorCode, "The document has been closed");
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        throw AutomationError(kOfficeErrorCode, "The file " + path + " does not exist");
    const std::uintmax_t bytes = std::filesystem::file_size(path, error);
    insertedBytes_ += error ? 0 : bytes;
    const auto limit = connection_->timeouts().loading(error ? 0 : bytes);
    const int topic = links_.addTopic(std::filesystem::absolute(path).string());
    topicHasHeading_.push_back(hasHeadingMarkup(path));
    const std::string url = fileUrlOf(path);
    picturesRead_ = false;
    if (!document_.is()) {
        loadTopic(url, limit);
        return;
    }
    connection_->call(limit, "inserting " + fileName(path), [&] {
        // The loaded file's anchors kept their names while it was the whole
        // document; with a second topic coming, which may bring the same
        // names, they become the first topic's.
        if (loadedAsDocument_ && topic == 1) {
            knownBookmarks_.clear();
            renameNewAnchors(0);
        }
        appendTopic(url);
        renameNewAnchors(topic);
    });
}

void WriterDocument::loadTopic(const std::string& url, std::chrono::milliseconds limit) {
    const auto desktop = connection_->desktop();
    const std::string what = "loading " + fileName(url);
    connection_->call(limit, what, [&] {
        const auto loaded = desktop->loadComponentFromURL(
            toUno(url), "_blank", 0,
            properties({property("Hidden", Any(true)),
                        property("FilterName", Any(OUString::createFromAscii(kHtmlFilter)))}));
        document_.set(loaded, UNO_QUERY);
        if (!document_.is()) {
            Reference<css::util::XCloseable> closeable(loaded, UNO_QUERY);
            if (closeable.is()) closeable->close(true);
            throw css::uno::RuntimeException("the file could not be read as a text document");
        }
        loadedAsDocument_ = true;
        // The file's own bookmarks are its own: only those of files
        // inserted after it are renamed.
        Reference<css::text::XBookmarksSupplier> supplier(document_, UNO_QUERY_THROW);
        for (const OUString& name : supplier->getBookmarks()->getElementNames())
            knownBookmarks_.push_back(fromUno(name));
        std::sort(knownBookmarks_.begin(), knownBookmarks_.end());
        // Links of later topics may lead back to this one's start.
        markTopicStart(0, document_->getText()->getStart());
    });
}

void WriterDocument::appendTopic(const std::string& url) {
    const auto text = document_->getText();
    const auto cursor = text->createTextCursor();
    cursor->gotoEnd(false);
    // Without a paragraph of its own, the inserted file's first paragraph
    // (often its title heading) would merge into the last one of the text.
    // A paragraph holding only a picture has no string, so only the blank
    // paragraph of a document without topics counts as free.
    Reference<css::text::XParagraphCursor> paragraph(cursor, UNO_QUERY_THROW);
    paragraph->gotoStartOfParagraph(true);
    const bool blankDocument = topicStarts_.empty() && cursor->getString().isEmpty();
    cursor->gotoEnd(false);
    if (!blankDocument)
        text->insertControlCharacter(Reference<css::text::XTextRange>(cursor.get()),
                                     css::text::ControlCharacter::PARAGRAPH_BREAK, false);
    // A position before the insertion point does not move with the insertion:
    // the end of the paragraph before it leads to the topic's first paragraph.
    Reference<css::text::XParagraphCursor> before(text->createTextCursorByRange(cursor->getEnd()),
                                                  UNO_QUERY_THROW);
    const bool hasParagraphBefore =
        before->gotoPreviousParagraph(false) && before->gotoEndOfParagraph(false);
    Reference<css::document::XDocumentInsertable> insertable(cursor, UNO_QUERY_THROW);
    insertable->insertDocumentFromURL(
        toUno(url),
        properties({property("FilterName", Any(OUString::createFromAscii(kHtmlFilter)))}));
    const int topic = links_.topicCount() - 1;
    if (hasParagraphBefore && before->gotoNextParagraph(false))
        markTopicStart(topic, Reference<css::text::XTextRange>(before.get()));
    else
        markTopicStart(topic, text->getStart());
}

void WriterDocument::markTopicStart(int topic, const Reference<css::text::XTextRange>& where) {
    Reference<css::lang::XMultiServiceFactory> factory(document_, UNO_QUERY_THROW);
    Reference<css::text::XTextContent> bookmark(
        factory->createInstance("com.sun.star.text.Bookmark"), UNO_QUERY_THROW);
    Reference<css::container::XNamed>(bookmark, UNO_QUERY_THROW)
        ->setName(toUno(TopicLinks::topicBookmark(topic)));
    where->getText()->insertTextContent(where, bookmark, false);
    topicStarts_.push_back(bookmark->getAnchor());
}

// The anchors a topic brings are renamed at once, so the next topic can bring
// the same names again.
void WriterDocument::renameNewAnchors(int topic) {
    Reference<css::text::XBookmarksSupplier> supplier(document_, UNO_QUERY_THROW);
    const auto bookmarks = supplier->getBookmarks();
    std::vector<std::string> names;
    for (const OUString& name : bookmarks->getElementNames()) names.push_back(fromUno(name));
    for (const std::string& name : names) {
        if (std::binary_search(knownBookmarks_.begin(), knownBookmarks_.end(), name)) continue;
        if (TopicLinks::topicOfBookmark(name) >= 0) continue;
        Reference<css::container::XNamed> named(bookmarks->getByName(toUno(name)), UNO_QUERY);
        if (named.is()) named->setName(toUno(links_.addAnchor(topic, name)));
    }
    knownBookmarks_.clear();
    for (const OUString& name : bookmarks->getElementNames())
        knownBookmarks_.push_back(fromUno(name));
    std::sort(knownBookmarks_.begin(), knownBookmarks_.end());
}

const std::vector<Reference<css::beans::XPropertySet>>& WriterDocument::pictures() {
    if (picturesRead_) return pictures_;
    const auto doc = document();
    connection_->call(
        connection_->timeouts().exporting(insertedBytes_), "listing the pictures", [&] {
            Reference<css::text::XTextGraphicObjectsSupplier> supplier(doc, UNO_QUERY_THROW);
            Reference<css::container::XEnumerationAccess> all(supplier->getGraphicObjects(),
                                                              UNO_QUERY_THROW);
            const auto each = all->createEnumeration();
            pictures_.clear();
            while (each->hasMoreElements()) pictures_.emplace_back(each->nextElement(), UNO_QUERY);
        });
    picturesRead_ = true;
    return pictures_;
}

int WriterDocument::graphicCount() { return static_cast<int>(pictures().size()); }

Reference<css::beans::XPropertySet> WriterDocument::graphic(int index) {
    const auto& all = pictures();
    if (index < 0 || static_cast<std::size_t>(index) >= all.size() ||
        !all[static_cast<std::size_t>(index)].is())
        throw AutomationError(kOfficeErrorCode,
                              "The document has no picture " + std::to_string(index + 1));
    return all[static_cast<std::size_t>(index)];
}

namespace {

// The file a linked picture was read from; empty for a stored one.
OUString linkedFileOf(const Reference<css::beans::XPropertySet>& graphicObject) {
    Reference<css::beans::XPropertySet> picture(graphicObject->getPropertyValue("Graphic"),
                                                UNO_QUERY);
    OUString origin;
    if (picture.is()) picture->getPropertyValue("OriginURL") >>= origin;
    return origin;
}

}  // namespace

std::string WriterDocument::originOf(const Reference<css::beans::XPropertySet>& graphic) {
    const auto known = pictureOrigins_.find(graphic.get());
    if (known != pictureOrigins_.end()) return known->second;
    const std::string origin = connection_->call(connection_->timeouts().quick, "reading a picture",
                                                 [&] { return fromUno(linkedFileOf(graphic)); });
    pictureOrigins_[graphic.get()] = origin;
    return origin;
}

bool WriterDocument::isLinked(const Reference<css::beans::XPropertySet>& graphic) {
    return !originOf(graphic).empty();
}

void WriterDocument::embed(const Reference<css::beans::XPropertySet>& graphic) {
    const std::string origin = originOf(graphic);
    // Only local files: a document must not make the office fetch from the web.
    if (origin.compare(0, 5, "file:") != 0) return;
    connection_->call(connection_->timeouts().load, "embedding a picture", [&] {
        auto& picture = loadedPictures_[origin];
        if (!picture.is()) {
            Reference<css::graphic::XGraphicProvider> provider(
                connection_->serviceManager()->createInstanceWithContext(
                    "com.sun.star.graphic.GraphicProvider", connection_->remoteContext()),
                UNO_QUERY_THROW);
            picture = provider->queryGraphic(properties({property("URL", Any(toUno(origin)))}));
        }
        if (!picture.is())
            throw css::uno::RuntimeException(toUno("the picture " + origin + " could not be read"));
        graphic->setPropertyValue("Graphic",
                                  Any(Reference<css::graphic::XGraphic>(picture, UNO_QUERY)));
    });
    pictureOrigins_[graphic.get()].clear();  // stored in the document now
}

namespace {

// Every stretch of text that carries a hyperlink, found by the office in one
// search instead of a walk over every paragraph (which costs a round trip to
// the office per paragraph and portion).
Reference<css::container::XIndexAccess> findLinks(
    const Reference<css::text::XTextDocument>& document) {
    Reference<css::util::XSearchable> searchable(document, UNO_QUERY_THROW);
    const auto descriptor = searchable->createSearchDescriptor();
    Reference<css::util::XPropertyReplace> attributes(descriptor, UNO_QUERY_THROW);
    attributes->setSearchAttributes(properties({property("HyperLinkURL", Any(OUString()))}));
    attributes->setValueSearch(false);
    descriptor->setSearchString(OUString());
    return searchable->findAll(descriptor);
}

// The first paragraph with text at or after the position.
Reference<css::beans::XPropertySet> firstLineFrom(const Reference<css::text::XTextRange>& start) {
    Reference<css::text::XParagraphCursor> cursor(start->getText()->createTextCursorByRange(start),
                                                  UNO_QUERY_THROW);
    for (int tries = 0; tries < 20; ++tries) {
        cursor->gotoEndOfParagraph(true);
        if (!cursor->getString().trim().isEmpty())
            return Reference<css::beans::XPropertySet>(cursor, UNO_QUERY);
        if (!cursor->gotoNextParagraph(false)) break;
    }
    return {};
}

}  // namespace

// The topic whose text holds the range, by comparing it with the topics'
// start bookmarks; -1 where that cannot be told (a range in a table cell).
int WriterDocument::topicAt(const Reference<css::text::XTextRange>& range) {
    Reference<css::text::XTextRangeCompare> compare(document_->getText(), UNO_QUERY_THROW);
    int low = 0;
    int high = static_cast<int>(topicStarts_.size()) - 1;
    int found = -1;
    try {
        while (low <= high) {
            const int middle = (low + high) / 2;
            if (compare->compareRegionStarts(topicStarts_[static_cast<std::size_t>(middle)],
                                             range) >= 0) {
                found = middle;
                low = middle + 1;
            } else {
                high = middle - 1;
            }
        }
    } catch (const css::lang::IllegalArgumentException&) {
        return -1;
    }
    return found;
}

void WriterDocument::retargetLinks() {
    const auto links = findLinks(document_);
    for (sal_Int32 i = 0; i < links->getCount(); ++i) {
        Reference<css::beans::XPropertySet> link(links->getByIndex(i), UNO_QUERY);
        if (!link.is()) continue;
        OUString url;
        link->getPropertyValue("HyperLinkURL") >>= url;
        if (url.isEmpty()) continue;
        const int topic =
            url.startsWith("#") ? topicAt(Reference<css::text::XTextRange>(link, UNO_QUERY)) : -1;
        if (const auto target = links_.resolve(fromUno(url), topic))
            link->setPropertyValue("HyperLinkURL", Any(toUno(*target)));
    }
}

// Points links at the topics' bookmarks, and gives a topic without any
// heading an outline entry from its first line, so that every topic can be
// found from the PDF's outline.
void WriterDocument::prepareForExport() {
    if (!document_.is() || links_.topicCount() == 0) return;
    // A file loaded as the whole document keeps its links as they are.
    if (loadedAsDocument_ && links_.topicCount() == 1) return;
    connection_->call(connection_->timeouts().exporting(insertedBytes_), "linking the topics", [&] {
        retargetLinks();
        for (std::size_t topic = 0; topic < topicStarts_.size(); ++topic) {
            if (topicHasHeading_[topic]) continue;
            const auto line = firstLineFrom(topicStarts_[topic]);
            if (line.is()) line->setPropertyValue("OutlineLevel", Any(sal_Int16(1)));
        }
    });
}

namespace {

// The width and height the text may take on the page the document starts
// with, in 1/100 mm.
css::awt::Size textArea(const Reference<css::text::XTextDocument>& document) {
    Reference<css::beans::XPropertySet> start(
        document->getText()->createTextCursorByRange(document->getText()->getStart()),
        UNO_QUERY_THROW);
    OUString styleName;
    start->getPropertyValue("PageStyleName") >>= styleName;
    Reference<css::style::XStyleFamiliesSupplier> families(document, UNO_QUERY_THROW);
    Reference<css::container::XNameAccess> pages(
        families->getStyleFamilies()->getByName("PageStyles"), UNO_QUERY_THROW);
    Reference<css::beans::XPropertySet> page(pages->getByName(styleName), UNO_QUERY_THROW);
    const auto value = [&](const char* name) {
        sal_Int32 number = 0;
        page->getPropertyValue(OUString::createFromAscii(name)) >>= number;
        return number;
    };
    return css::awt::Size(value("Width") - value("LeftMargin") - value("RightMargin"),
                          value("Height") - value("TopMargin") - value("BottomMargin"));
}

// Scales a picture down to fit the area, keeping its proportions. A document
// may hold thousands of icons: each costs one call to the office.
void fitPicture(const Reference<css::beans::XPropertySet>& picture, const css::awt::Size& area) {
    css::awt::Size size;
    if (!(picture->getPropertyValue("Size") >>= size) || size.Width <= 0 || size.Height <= 0)
        return;
    const double scale =
        std::min({1.0, double(area.Width) / size.Width, double(area.Height) / size.Height});
    if (scale >= 1.0) return;
    sal_Int16 relativeWidth = 0;
    picture->getPropertyValue("RelativeWidth") >>= relativeWidth;
    if (relativeWidth != 0) return;  // sized as a share of the text width already
    size.Width = static_cast<sal_Int32>(size.Width * scale);
    size.Height = static_cast<sal_Int32>(size.Height * scale);
    picture->setPropertyValue("Size", Any(size));
}

}  // namespace

// A picture wider than the text area would run off the page and be cut;
// it is scaled to the text width (a tall one to the page height).
void WriterDocument::fitPicturesToPage() {
    const auto doc = document();
    const auto& all = pictures();
    connection_->call(connection_->timeouts().exporting(insertedBytes_),
                      "fitting the pictures to the page", [&] {
                          const css::awt::Size area = textArea(doc);
                          if (area.Width <= 0 || area.Height <= 0) return;
                          for (const auto& picture : all)
                              if (picture.is()) fitPicture(picture, area);
                      });
}

void WriterDocument::exportPdf(const std::string& path, const PdfExportSettings& settings) {
    const auto doc = document();
    prepareForExport();
    fitPicturesToPage();
    // Every bookmark also becomes a named destination, so an outline can be
    // made to jump to the places the document marks.
    std::vector<PropertyValue> filterData{
        property("ExportBookmarks", Any(settings.bookmarksFromHeadings)),
        property("ExportBookmarksToPDFDestination", Any(true)),
        property("UseTaggedPDF", Any(settings.taggedPdf)),
        // The number is the PDF/A part; for part 2 LibreOffice declares level B, tagged or not.
        property("SelectPdfVersion",
                 Any(static_cast<sal_Int32>(settings.pdfA ? platform::kArchivePart : 0))),
        property("ExportLinksRelativeFsys", Any(false)),
        // Screenshots keep every pixel: the default re-encodes pictures as
        // JPEG (which blurs text in them); pixels beyond 300 per inch of the
        // drawn size still go, as by default.
        property("UseLosslessCompression", Any(true)),
        property("ReduceImageResolution", Any(true)),
        property("MaxImageResolution", Any(sal_Int32(300))),
    };
    if (settings.pageRange)
        filterData.push_back(
            property("PageRange", Any(toUno(std::to_string(settings.pageRange->first) + "-" +
                                            std::to_string(settings.pageRange->second)))));
    const Sequence<PropertyValue> data(filterData.data(),
                                       static_cast<sal_Int32>(filterData.size()));
    connection_->call(
        connection_->timeouts().exporting(insertedBytes_), "writing " + fileName(path), [&] {
            Reference<css::frame::XStorable> storable(doc, UNO_QUERY_THROW);
            // An HTML file opened as it is becomes a web document, which has its own PDF filter.
            Reference<css::lang::XServiceInfo> info(doc, UNO_QUERY);
            const bool web = info.is() && info->supportsService("com.sun.star.text.WebDocument");
            const OUString filter =
                web ? OUString("writer_web_pdf_Export") : OUString("writer_pdf_Export");
            storable->storeToURL(toUno(fileUrlOf(path)),
                                 properties({property("FilterName", Any(filter)),
                                             property("FilterData", Any(data))}));
        });
    if (!std::filesystem::is_regular_file(path))
        throw AutomationError(kOfficeErrorCode, "LibreOffice did not write " + path);
}

void WriterDocument::print(const std::string& printer) {
    const auto doc = document();
    connection_->call(
        connection_->timeouts().exporting(insertedBytes_), "printing on " + printer, [&] {
            Reference<css::view::XPrintable> printable(doc, UNO_QUERY_THROW);
            printable->setPrinter(properties({property("Name", Any(toUno(printer)))}));
            printable->print(properties({property("Wait", Any(true))}));
        });
}

void WriterDocument::close() {
    if (closed_) return;
    closed_ = true;
    if (!document_.is()) return;
    auto doc = document_;
    document_.clear();
    if (!connection_->isAlive()) return;  // the document went with its office
    connection_->call(connection_->timeouts().quick, "closing the document", [&] {
        Reference<css::util::XCloseable> closeable(doc, UNO_QUERY);
        if (closeable.is())
            closeable->close(true);
        else
            Reference<css::lang::XComponent>(doc, UNO_QUERY_THROW)->dispose();
    });
}

}  // namespace platform::office
