#pragma once
// The page layout poppler's pdftohtml reports in its XML form: pages, font
// specifications (family and colour), pictures and text boxes. Positions are
// points from the page's top-left corner (pdftohtml -zoom 1 rounds them to
// whole points). Tests use it to check that no picture leaves its page and
// that a CSS colour or font family reached the PDF.

#include <string>
#include <vector>

namespace pdftest {

struct PdfHtmlPage {
    int Number = 0;  // from 1, as pdftohtml counts
    double Width = 0, Height = 0;
};

struct PdfHtmlFont {
    std::string Id;
    double Size = 0;
    std::string Family;  // as embedded, such as "BAAAAA+LiberationSerif"
    std::string Color;   // "#rrggbb"
    // The family without the "ABCDEF+" prefix of an embedded subset.
    std::string BaseFamily() const;
};

struct PdfHtmlBox {
    int Page = 0;  // from 1
    double Top = 0, Left = 0, Width = 0, Height = 0;
};

struct PdfHtmlText {
    PdfHtmlBox Box;
    std::string FontId;
    std::string Text;  // UTF-8, markup removed
};

struct PdfHtmlLayout {
    std::vector<PdfHtmlPage> Pages;
    std::vector<PdfHtmlFont> Fonts;
    std::vector<PdfHtmlBox> Images;
    std::vector<PdfHtmlText> Texts;

    const PdfHtmlFont* Font(const std::string& id) const;
    // The fonts of the text boxes that contain `text`.
    std::vector<PdfHtmlFont> FontsOfText(const std::string& text) const;
};

// Parses pdftohtml's XML.
PdfHtmlLayout ParsePdfHtmlXml(const std::string& xml);

// Runs `pdftohtml -xml -zoom 1` on `pdf` in a scratch folder (the pictures it
// extracts go there and are removed with it). Throws std::runtime_error when
// pdftohtml is missing or fails.
PdfHtmlLayout ReadPdfHtmlLayout(const std::string& pdf);

}  // namespace pdftest
