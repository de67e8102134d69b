#pragma once
// Makes small PDF files for tests with qpdf: blank pages, named
// destinations in either form, an outline, links, pictures, document
// information and an XMP packet.

#include <qpdf/QPDF.hh>
#include <string>
#include <vector>

#include "PdfTypes.h"

namespace pdftest {

class PdfBuilder {
public:
    enum class DestinationForm { DestsDictionary, NameTree };

    // `pages` A4 pages, each with a little drawing of its own.
    explicit PdfBuilder(int pages);

    // [page /XYZ 0 top 0] under `name`.
    PdfBuilder& AddNamedDestination(const std::string& name, int page, double top,
                                    DestinationForm form = DestinationForm::DestsDictionary);
    // A flat outline of entries jumping to the top of `page`.
    PdfBuilder& SetOutline(const std::vector<std::string>& titles, int page);
    PdfBuilder& SetInfo(const std::string& key, const std::string& utf8);
    PdfBuilder& SetCatalogEntry(const std::string& key, QPDFObjectHandle value);
    PdfBuilder& SetMetadata(const std::string& xmp);
    PdfBuilder& AddLink(int page, const PdfRect& rect, int targetPage, double top);
    PdfBuilder& AddUriLink(int page, const PdfRect& rect, const std::string& uri);
    // A 1x1 picture drawn over `box`; `inForm` draws it through a form
    // XObject that is itself placed with a transformation.
    PdfBuilder& AddPicture(int page, const PdfRect& box, bool inForm = false);

    QPDF& Pdf() { return pdf_; }
    QPDFObjectHandle Page(int page);
    void Write(const std::string& path);

    static constexpr double PageWidth = 595, PageHeight = 842;

private:
    void AppendContent(int page, const std::string& content);
    std::string AddXObject(int page, QPDFObjectHandle xobject);

    QPDF pdf_;
};

}  // namespace pdftest
