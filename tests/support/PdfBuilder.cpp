#include "PdfBuilder.h"

#include <qpdf/QPDFNameTreeObjectHelper.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFPageObjectHelper.hh>
#include <qpdf/QPDFWriter.hh>
#include <sstream>

namespace pdftest {

namespace {

using Object = QPDFObjectHandle;

Object RectArray(const PdfRect& r) {
    return Object::newArray(Object::Rectangle(r.Left, r.Bottom, r.Right, r.Top));
}

std::string Number(double value) {
    std::ostringstream text;
    text << value;
    return text.str();
}

}  // namespace

PdfBuilder::PdfBuilder(int pages) {
    pdf_.emptyPDF();
    QPDFPageDocumentHelper document(pdf_);
    for (int i = 0; i < pages; ++i) {
        Object page = pdf_.makeIndirectObject(Object::newDictionary());
        page.replaceKey("/Type", Object::newName("/Page"));
        page.replaceKey("/MediaBox", RectArray({0, 0, PageWidth, PageHeight}));
        page.replaceKey("/Resources", Object::newDictionary());
        page.replaceKey("/Contents",
                        pdf_.newStream("0 0 1 rg " + Number(10 + i) + " 10 5 5 re f\n"));
        document.addPage(QPDFPageObjectHelper(page), false);
    }
}

Object PdfBuilder::Page(int page) { return pdf_.getAllPages().at(static_cast<std::size_t>(page)); }

PdfBuilder& PdfBuilder::AddNamedDestination(const std::string& name, int page, double top,
                                            DestinationForm form) {
    Object destination =
        Object::newArray({Page(page), Object::newName("/XYZ"), Object::newReal(0.0, 1),
                          Object::newReal(top, 3), Object::newInteger(0)});
    Object root = pdf_.getRoot();
    if (form == DestinationForm::DestsDictionary) {
        if (!root.getKey("/Dests").isDictionary())
            root.replaceKey("/Dests", pdf_.makeIndirectObject(Object::newDictionary()));
        root.getKey("/Dests").replaceKey("/" + name, destination);
        return *this;
    }
    if (!root.getKey("/Names").isDictionary()) root.replaceKey("/Names", Object::newDictionary());
    Object names = root.getKey("/Names");
    if (!names.getKey("/Dests").isDictionary())
        names.replaceKey("/Dests", QPDFNameTreeObjectHelper::newEmpty(pdf_).getObjectHandle());
    QPDFNameTreeObjectHelper(names.getKey("/Dests"), pdf_).insert(name, destination);
    return *this;
}

PdfBuilder& PdfBuilder::SetOutline(const std::vector<std::string>& titles, int page) {
    Object outlines = pdf_.makeIndirectObject(Object::newDictionary());
    Object previous;
    for (const auto& title : titles) {
        Object item = pdf_.makeIndirectObject(Object::newDictionary());
        item.replaceKey("/Title", Object::newUnicodeString(title));
        item.replaceKey("/Parent", outlines);
        item.replaceKey("/Dest", Object::newArray({Page(page), Object::newName("/Fit")}));
        if (previous.isInitialized()) {
            previous.replaceKey("/Next", item);
            item.replaceKey("/Prev", previous);
        } else {
            outlines.replaceKey("/First", item);
        }
        previous = item;
    }
    if (previous.isInitialized()) outlines.replaceKey("/Last", previous);
    outlines.replaceKey("/Count", Object::newInteger(static_cast<long long>(titles.size())));
    pdf_.getRoot().replaceKey("/Outlines", outlines);
    return *this;
}

PdfBuilder& PdfBuilder::SetInfo(const std::string& key, const std::string& utf8) {
    Object trailer = pdf_.getTrailer();
    if (!trailer.getKey("/Info").isDictionary())
        trailer.replaceKey("/Info", pdf_.makeIndirectObject(Object::newDictionary()));
    trailer.getKey("/Info").replaceKey(key, Object::newUnicodeString(utf8));
    return *this;
}

PdfBuilder& PdfBuilder::SetCatalogEntry(const std::string& key, Object value) {
    pdf_.getRoot().replaceKey(key, value);
    return *this;
}

PdfBuilder& PdfBuilder::SetMetadata(const std::string& xmp) {
    Object stream = pdf_.newStream(xmp);
    stream.getDict().replaceKey("/Type", Object::newName("/Metadata"));
    stream.getDict().replaceKey("/Subtype", Object::newName("/XML"));
    pdf_.getRoot().replaceKey("/Metadata", stream);
    return *this;
}

PdfBuilder& PdfBuilder::AddLink(int page, const PdfRect& rect, int targetPage, double top) {
    Object link = pdf_.makeIndirectObject(Object::newDictionary());
    link.replaceKey("/Type", Object::newName("/Annot"));
    link.replaceKey("/Subtype", Object::newName("/Link"));
    link.replaceKey("/Rect", RectArray(rect));
    link.replaceKey("/Dest",
                    Object::newArray({Page(targetPage), Object::newName("/XYZ"), Object::newNull(),
                                      Object::newReal(top, 3), Object::newNull()}));
    Object target = Page(page);
    if (!target.getKey("/Annots").isArray()) target.replaceKey("/Annots", Object::newArray());
    target.getKey("/Annots").appendItem(link);
    return *this;
}

PdfBuilder& PdfBuilder::AddUriLink(int page, const PdfRect& rect, const std::string& uri) {
    Object link = pdf_.makeIndirectObject(Object::newDictionary());
    link.replaceKey("/Type", Object::newName("/Annot"));
    link.replaceKey("/Subtype", Object::newName("/Link"));
    link.replaceKey("/Rect", RectArray(rect));
    Object action = Object::newDictionary();
    action.replaceKey("/S", Object::newName("/URI"));
    action.replaceKey("/URI", Object::newString(uri));
    link.replaceKey("/A", action);
    Object target = Page(page);
    if (!target.getKey("/Annots").isArray()) target.replaceKey("/Annots", Object::newArray());
    target.getKey("/Annots").appendItem(link);
    return *this;
}

std::string PdfBuilder::AddXObject(int page, Object xobject) {
    Object resources = Page(page).getKey("/Resources");
    if (!resources.getKey("/XObject").isDictionary())
        resources.replaceKey("/XObject", Object::newDictionary());
    const std::string name = "/X" + std::to_string(resources.getKey("/XObject").getKeys().size());
    resources.getKey("/XObject").replaceKey(name, xobject);
    return name;
}

void PdfBuilder::AppendContent(int page, const std::string& content) {
    QPDFPageObjectHelper(Page(page)).addPageContents(pdf_.newStream(content), false);
}

PdfBuilder& PdfBuilder::AddPicture(int page, const PdfRect& box, bool inForm) {
    Object image = pdf_.newStream(std::string("\xff\x00\x00", 3));
    Object dict = image.getDict();
    dict.replaceKey("/Type", Object::newName("/XObject"));
    dict.replaceKey("/Subtype", Object::newName("/Image"));
    dict.replaceKey("/Width", Object::newInteger(1));
    dict.replaceKey("/Height", Object::newInteger(1));
    dict.replaceKey("/ColorSpace", Object::newName("/DeviceRGB"));
    dict.replaceKey("/BitsPerComponent", Object::newInteger(8));
    const double w = box.Right - box.Left, h = box.Top - box.Bottom;
    if (!inForm) {
        const std::string name = AddXObject(page, image);
        AppendContent(page, "q " + Number(w) + " 0 0 " + Number(h) + " " + Number(box.Left) + " " +
                                Number(box.Bottom) + " cm " + name + " Do Q\n");
        return *this;
    }
    // The form draws the picture over its unit square scaled by 2, and is
    // placed with its matrix at half size plus the page's own move.
    Object form = pdf_.newStream("q 2 0 0 2 0 0 cm /Im Do Q\n");
    Object formDict = form.getDict();
    formDict.replaceKey("/Type", Object::newName("/XObject"));
    formDict.replaceKey("/Subtype", Object::newName("/Form"));
    formDict.replaceKey("/BBox", RectArray({0, 0, 2, 2}));
    formDict.replaceKey("/Matrix",
                        Object::newArray(QPDFObjectHandle::Matrix(0.5, 0, 0, 0.5, 0, 0)));
    Object resources = Object::newDictionary();
    resources.replaceKey("/XObject", Object::newDictionary());
    resources.getKey("/XObject").replaceKey("/Im", image);
    formDict.replaceKey("/Resources", resources);
    const std::string name = AddXObject(page, form);
    AppendContent(page, "q 1 0 0 1 " + Number(box.Left) + " " + Number(box.Bottom) + " cm " +
                            Number(w) + " 0 0 " + Number(h) + " 0 0 cm " + name + " Do Q\n");
    return *this;
}

void PdfBuilder::Write(const std::string& path) {
    QPDFWriter writer(pdf_, path.c_str());
    writer.setStaticID(true);
    writer.write();
}

}  // namespace pdftest
