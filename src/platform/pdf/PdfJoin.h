#pragma once
// One PDF made of several the office wrote one after another, part by part:
// the pages in order, with their links and named destinations. The first
// part gives the document its catalog (metadata, viewer settings, outline).

#include <memory>
#include <qpdf/QPDF.hh>
#include <string>
#include <vector>

namespace platform {

class JoinedPdf {
public:
    // Opens every part and appends the pages and named destinations of the
    // later ones to the first. Throws as OpenPdf does, and for a part with
    // form fields or a structure tree, which a join of pages would break.
    explicit JoinedPdf(const std::vector<std::string>& parts);

    // The joined document; it reads the later parts' pages until written.
    QPDF& Pdf() { return *parts_.front(); }

private:
    std::vector<std::unique_ptr<QPDF>> parts_;
};

}  // namespace platform
