#pragma once
// Where a page draws its pictures: the content stream is followed with its
// transformation matrix (q, Q, cm) into form XObjects, and every image
// XObject or inline image gives the box its unit square lands on.

#include <qpdf/QPDFObjectHandle.hh>
#include <vector>

#include "PdfTypes.h"

namespace pdftest {

std::vector<PdfPicture> PicturesOnPage(QPDFObjectHandle page);

}  // namespace pdftest
