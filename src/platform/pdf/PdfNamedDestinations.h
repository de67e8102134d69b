#pragma once
// The named destinations of a PDF: the catalog's /Dests dictionary (the
// form LibreOffice writes) and the /Names /Dests name tree. Looks names up
// without walking the document, so it stays fast on thousands of pages.

#include <memory>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFNameTreeObjectHelper.hh>
#include <string>
#include <vector>

namespace platform {

class PdfNamedDestinations {
public:
    explicit PdfNamedDestinations(QPDF& pdf);

    // Every name of both forms, sorted, each once.
    std::vector<std::string> Names() const;

    // What an outline entry needs to jump to `name`: an explicit destination
    // ([page /XYZ left top null] and the like) when the named one points at a
    // page of this file, else the name itself, so the reader resolves it.
    // Names not found as given are looked up in the office's encoding (see
    // OfficeDestinationName). A null object when the name is not there.
    QPDFObjectHandle JumpTo(const std::string& name) const;

private:
    // The destination value stored under the exact name and the form to
    // refer to it by name; both null when absent.
    struct Found {
        QPDFObjectHandle Value;
        QPDFObjectHandle Reference;
    };
    Found Find(const std::string& name) const;

    // qpdf reads objects lazily, so even looking at them is not const.
    mutable QPDFObjectHandle dests_;
    std::unique_ptr<QPDFNameTreeObjectHelper> tree_;
};

}  // namespace platform
