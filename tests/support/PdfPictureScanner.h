#pragma once
// Where a page draws its pictures: the content stream is followed with its
// transformation matrix (q, Q, cm) into form XObjects, and every image
// XObject or inline image gives the box its unit square lands on; every
// straight segment of a stroked path (m, l, S) gives a line with the colour
// set by RG or G.

#include <qpdf/QPDFObjectHandle.hh>
#include <vector>

#include "PdfTypes.h"

namespace pdftest {

std::vector<PdfPicture> PicturesOnPage(QPDFObjectHandle page);
std::vector<PdfLine> StrokedLinesOnPage(QPDFObjectHandle page);

}  // namespace pdftest
