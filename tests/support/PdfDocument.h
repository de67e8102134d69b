#pragma once
// Reads back what a PDF holds, for tests: its outline, links, named
// destinations, document information and where its pictures are drawn.
// Works on any readable file and throws std::runtime_error on one qpdf cannot
// open.

#include <map>
#include <memory>
#include <qpdf/QPDF.hh>
#include <set>
#include <string>
#include <vector>

#include "PdfTypes.h"

namespace pdftest {

class PdfDocument {
public:
    explicit PdfDocument(const std::string& path);
    ~PdfDocument();
    PdfDocument(const PdfDocument&) = delete;
    PdfDocument& operator=(const PdfDocument&) = delete;

    int PageCount() const;
    // The crop box, or the media box when the page has none.
    PdfRect PageBox(int page) const;

    std::vector<PdfOutlineEntry> Outline() const;
    // Link annotations, one list per page.
    std::vector<std::vector<PdfLink>> Links() const;
    // Both the /Dests dictionary and the /Names /Dests tree.
    std::map<std::string, PdfPosition> NamedDestinations() const;
    // Boxes covered by image XObjects and inline images, one list per page,
    // followed through form XObjects.
    std::vector<std::vector<PdfRect>> Pictures() const;
    // The same with each picture's pixel size, to tell pictures apart.
    std::vector<std::vector<PdfPicture>> PicturePlacements() const;
    // Straight strokes (table and paragraph borders), one list per page.
    std::vector<std::vector<PdfLine>> StrokedLines() const;

    PdfInfo Info() const;
    std::string Language() const;  // the catalog's /Lang
    std::string PageMode() const;  // such as "/UseOutlines"; empty when absent
    bool DisplaysDocTitle() const;
    std::string Metadata() const;  // the XMP packet, empty when there is none

    // Where a destination (explicit, named, or a /GoTo action) lands.
    PdfPosition Resolve(QPDFObjectHandle destination) const;

private:
    void OutlineLevel(QPDFObjectHandle first, std::vector<PdfOutlineEntry>& entries,
                      std::set<QPDFObjGen>& seen) const;
    QPDFObjectHandle NamedDestination(QPDFObjectHandle name) const;

    std::unique_ptr<QPDF> pdf_;
    std::map<QPDFObjGen, int> pageIndex_;
};

}  // namespace pdftest
