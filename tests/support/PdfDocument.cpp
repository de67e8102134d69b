#include "PdfDocument.h"

#include <qpdf/QPDFLogger.hh>
#include <qpdf/QPDFNameTreeObjectHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <stdexcept>

#include "PdfPictureScanner.h"

namespace pdftest {

namespace {

using Object = QPDFObjectHandle;

PdfRect RectOf(Object array) {
    PdfRect rect;
    if (!array.isRectangle()) return rect;
    const auto r = array.getArrayAsRectangle();
    return {r.llx, r.lly, r.urx, r.ury};
}

std::string TextOf(Object value) { return value.isString() ? value.getUTF8Value() : ""; }

// The height an explicit destination scrolls to, by its kind.
std::optional<double> TopOf(Object array) {
    Object kind = array.getArrayItem(1);
    int at = 0;
    if (kind.isNameAndEquals("/XYZ")) at = 3;
    if (kind.isNameAndEquals("/FitH") || kind.isNameAndEquals("/FitBH")) at = 2;
    if (kind.isNameAndEquals("/FitR")) at = 5;
    Object top = at ? array.getArrayItem(at) : Object::newNull();
    return top.isNumber() ? std::optional<double>(top.getNumericValue()) : std::nullopt;
}

}  // namespace

PdfDocument::PdfDocument(const std::string& path) : pdf_(std::make_unique<QPDF>()) {
    auto logger = QPDFLogger::create();
    logger->setWarn(logger->discard());
    logger->setError(logger->discard());
    pdf_->setLogger(logger);
    pdf_->setSuppressWarnings(true);
    try {
        pdf_->processFile(path.c_str());
        const auto& pages = pdf_->getAllPages();
        for (std::size_t i = 0; i < pages.size(); ++i)
            pageIndex_[pages[i].getObjGen()] = static_cast<int>(i);
    } catch (const std::exception& error) {
        throw std::runtime_error("Cannot read the PDF " + path + ": " + error.what());
    }
}

PdfDocument::~PdfDocument() = default;

int PdfDocument::PageCount() const { return static_cast<int>(pageIndex_.size()); }

PdfRect PdfDocument::PageBox(int page) const {
    QPDFPageObjectHelper helper(pdf_->getAllPages().at(static_cast<std::size_t>(page)));
    return RectOf(helper.getCropBox());
}

Object PdfDocument::NamedDestination(Object name) const {
    Object root = pdf_->getRoot();
    if (name.isName()) {
        Object dests = root.getKey("/Dests");
        return dests.isDictionary() ? dests.getKey(name.getName()) : Object::newNull();
    }
    Object names = root.getKey("/Names");
    Object tree = names.isDictionary() ? names.getKey("/Dests") : Object::newNull();
    Object found = Object::newNull();
    if (tree.isDictionary()) QPDFNameTreeObjectHelper(tree, *pdf_).findObject(TextOf(name), found);
    return found;
}

PdfPosition PdfDocument::Resolve(Object destination) const {
    for (int hops = 0; hops < 4; ++hops) {  // name -> dictionary -> array
        if (destination.isName() || destination.isString())
            destination = NamedDestination(destination);
        else if (destination.isDictionary())
            destination = destination.getKey("/D");
        else
            break;
    }
    PdfPosition position;
    if (!destination.isArray() || destination.getArrayNItems() < 2) return position;
    const auto page = pageIndex_.find(destination.getArrayItem(0).getObjGen());
    if (page == pageIndex_.end()) return position;
    position.Page = page->second;
    position.Top = TopOf(destination);
    return position;
}

void PdfDocument::OutlineLevel(Object item, std::vector<PdfOutlineEntry>& entries,
                               std::set<QPDFObjGen>& seen) const {
    for (; item.isDictionary() && seen.insert(item.getObjGen()).second;
         item = item.getKey("/Next")) {
        PdfOutlineEntry entry;
        entry.Title = TextOf(item.getKey("/Title"));
        Object action = item.getKey("/A");
        entry.Target = Resolve(item.hasKey("/Dest") ? item.getKey("/Dest") : action);
        if (item.getKey("/Count").isInteger())
            entry.Count = item.getKey("/Count").getIntValueAsInt();
        OutlineLevel(item.getKey("/First"), entry.Children, seen);
        entries.push_back(std::move(entry));
    }
}

std::vector<PdfOutlineEntry> PdfDocument::Outline() const {
    std::vector<PdfOutlineEntry> entries;
    std::set<QPDFObjGen> seen;
    Object outlines = pdf_->getRoot().getKey("/Outlines");
    if (outlines.isDictionary()) OutlineLevel(outlines.getKey("/First"), entries, seen);
    return entries;
}

std::vector<std::vector<PdfLink>> PdfDocument::Links() const {
    std::vector<std::vector<PdfLink>> pages;
    for (const auto& page : pdf_->getAllPages()) {
        std::vector<PdfLink> links;
        for (auto& annotation : QPDFPageObjectHelper(page).getAnnotations("/Link")) {
            Object link = annotation.getObjectHandle();
            Object action = link.getKey("/A");
            PdfLink found;
            found.Rect = RectOf(link.getKey("/Rect"));
            if (action.isDictionary() && action.getKey("/S").isNameAndEquals("/URI"))
                found.Uri =
                    action.getKey("/URI").isString() ? action.getKey("/URI").getStringValue() : "";
            else
                found.Target = Resolve(link.hasKey("/Dest") ? link.getKey("/Dest") : action);
            links.push_back(found);
        }
        pages.push_back(std::move(links));
    }
    return pages;
}

std::map<std::string, PdfPosition> PdfDocument::NamedDestinations() const {
    std::map<std::string, PdfPosition> found;
    Object root = pdf_->getRoot();
    Object dests = root.getKey("/Dests");
    if (dests.isDictionary())
        for (const auto& [key, value] : dests.getDictAsMap()) found[key.substr(1)] = Resolve(value);
    Object names = root.getKey("/Names");
    Object tree = names.isDictionary() ? names.getKey("/Dests") : Object::newNull();
    if (tree.isDictionary())
        for (const auto& [key, value] : QPDFNameTreeObjectHelper(tree, *pdf_))
            found[key] = Resolve(value);
    return found;
}

std::vector<std::vector<PdfRect>> PdfDocument::Pictures() const {
    std::vector<std::vector<PdfRect>> pages;
    for (const auto& placements : PicturePlacements()) {
        pages.emplace_back();
        for (const auto& picture : placements) pages.back().push_back(picture.Box);
    }
    return pages;
}

std::vector<std::vector<PdfPicture>> PdfDocument::PicturePlacements() const {
    std::vector<std::vector<PdfPicture>> pages;
    for (const auto& page : pdf_->getAllPages()) pages.push_back(PicturesOnPage(page));
    return pages;
}

std::vector<std::vector<PdfLine>> PdfDocument::StrokedLines() const {
    std::vector<std::vector<PdfLine>> pages;
    for (const auto& page : pdf_->getAllPages()) pages.push_back(StrokedLinesOnPage(page));
    return pages;
}

PdfInfo PdfDocument::Info() const {
    Object info = pdf_->getTrailer().getKey("/Info");
    if (!info.isDictionary()) return {};
    return {TextOf(info.getKey("/Title")), TextOf(info.getKey("/Creator")),
            TextOf(info.getKey("/Producer"))};
}

std::string PdfDocument::Language() const { return TextOf(pdf_->getRoot().getKey("/Lang")); }

std::string PdfDocument::PageMode() const {
    Object mode = pdf_->getRoot().getKey("/PageMode");
    return mode.isName() ? mode.getName() : "";
}

bool PdfDocument::DisplaysDocTitle() const {
    Object prefs = pdf_->getRoot().getKey("/ViewerPreferences");
    if (!prefs.isDictionary()) return false;
    Object display = prefs.getKey("/DisplayDocTitle");
    return display.isBool() && display.getBoolValue();
}

std::string PdfDocument::Metadata() const {
    Object metadata = pdf_->getRoot().getKey("/Metadata");
    if (!metadata.isStream()) return "";
    const auto data = metadata.getStreamData(qpdf_dl_generalized);
    return std::string(reinterpret_cast<const char*>(data->getBuffer()), data->getSize());
}

}  // namespace pdftest
