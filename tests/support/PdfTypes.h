#pragma once
// Plain values the PDF test helpers hand back. Page numbers are indexes from
// 0; positions are PDF user-space points, measured from the page's bottom.

#include <optional>
#include <string>
#include <vector>

namespace pdftest {

struct PdfRect {
    double Left = 0, Bottom = 0, Right = 0, Top = 0;
};

// A picture drawn on a page: where, and its pixels (0 for an inline image).
struct PdfPicture {
    PdfRect Box;
    int PixelWidth = 0, PixelHeight = 0;
};

// Where a jump lands: the page, and the height a reader scrolls to when the
// destination names one (/XYZ and /FitH do, /Fit does not).
struct PdfPosition {
    int Page = -1;  // -1: the destination does not lead to a page of the file
    std::optional<double> Top;
};

struct PdfOutlineEntry {
    std::string Title;  // UTF-8
    PdfPosition Target;
    int Count = 0;  // /Count as written: above 0 open, below 0 closed, 0 absent
    std::vector<PdfOutlineEntry> Children;
};

struct PdfLink {
    PdfRect Rect;
    PdfPosition Target;  // a jump inside the document; Page -1 for other links
    std::string Uri;     // a link out of the document, else empty
};

// A straight stroke of a path, with the stroke's colour (0 to 1 each).
struct PdfLine {
    double X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    double Red = 0, Green = 0, Blue = 0;
};

struct PdfInfo {
    std::string Title, Creator, Producer;  // UTF-8, empty when absent
};

}  // namespace pdftest
