#pragma once
// Builds a PDF outline (/Outlines) from the converter's outline items.
//
// Each entry jumps to its item's named destination, resolved to an explicit
// page and position where the file allows it. An item whose destination is
// not in the file jumps where its first remaining child jumps; an item that
// neither has a destination nor keeps a child is left out, since an entry
// that goes nowhere and opens nothing only looks broken in a reader. So every
// entry written jumps somewhere.
//
// The top-level entries are shown open when there are few of them, so a
// document with one or a handful of books shows their chapters; deeper
// entries start closed. Nesting deeper than MaxOutlineDepth is flattened into
// the deepest level, which keeps every title and the order.

#include <qpdf/QPDF.hh>
#include <vector>

#include "platform/pdf/PdfFinisher.h"
#include "platform/pdf/PdfNamedDestinations.h"

namespace platform {

inline constexpr int MaxOutlineDepth = 32;
inline constexpr std::size_t OpenTopLevelAtMost = 5;

// Returns the new /Outlines dictionary (an indirect object of `pdf`), or a
// null object when no entry is left.
QPDFObjectHandle BuildPdfOutline(QPDF& pdf, const std::vector<PdfOutlineItem>& items,
                                 const PdfNamedDestinations& destinations);

}  // namespace platform
