#include "convert/book/TableLayout.h"

#include <libxml/tree.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "convert/book/HtmlPage.h"
#include "platform/text/AsciiText.h"

namespace {

// An average character of a 16 px sans-serif font as the office draws it
// (0.6 em), and of a 13 px monospace font, both on the wide side; larger
// fonts in proportion, up to a size no text of a table is written in.
constexpr double kTextPx = 16;
constexpr double kCharPx = 9.6;
constexpr double kCodePx = 13;
constexpr double kCodeCharPx = 8.0;
constexpr double kMaxFontPx = 200;
constexpr double kCellExtraPx = 12;  // a cell's padding, border and spacing
constexpr double kIndentPx = 40;     // of a list or quotation
constexpr double kPicturePx = 16;    // a picture without a width: an icon
constexpr int kMaxDepth = 500;       // the rewriter cuts deeper content
constexpr int kMaxTableDepth = 32;   // tables in tables deeper than this keep their widths
// How far the office's widths of a table's longest words may exceed the estimate.
constexpr double kEstimateError = 1.25;

struct Extent {
    double min = 0;  // the widest thing that cannot be broken
    double max = 0;  // the widest line when nothing wraps
};

template <std::size_t N>
bool OneOf(const std::string& name, const std::array<std::string_view, N>& names) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

constexpr std::array<std::string_view, 16> kBlocks{"p",  "div", "li", "ul",        "ol", "dl",
                                                   "dt", "dd",  "h1", "h2",        "h3", "h4",
                                                   "h5", "h6",  "br", "blockquote"};

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

// A length in CSS pixels from "120", "120px" or "50%" (of `whole`); 0 when
// it is none of these.
double LengthPx(std::string_view text, double whole) {
    text = Trimmed(text);
    double number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || !(number > 0) || !std::isfinite(number)) return 0;
    const std::string_view unit = Trimmed(text.substr(end - text.data()));
    if (unit.empty() || unit == "px") return number;
    if (unit == "%") return std::min(number, 100.0) * whole / 100;
    return 0;
}

std::string StyleWithout(const std::string& style, std::string_view property) {
    std::string kept;
    std::size_t start = 0;
    while (start < style.size()) {
        std::size_t end = style.find(';', start);
        if (end == std::string::npos) end = style.size();
        const std::string declaration = style.substr(start, end - start);
        const auto colon = declaration.find(':');
        const std::string name = platform::ToLowerAscii(
            std::string(Trimmed(declaration.substr(0, std::min(colon, declaration.size())))));
        if (name != property && !Trimmed(declaration).empty())
            kept += (kept.empty() ? "" : ";") + declaration;
        start = end + 1;
    }
    return kept;
}

// The author's width of a cell, column or table, in pixels of `whole`.
double AuthorWidth(const xmlNode* element, double whole) {
    return LengthPx(html::Attribute(element, "width"), whole);
}

void DropWidths(xmlNode* element) {
    html::RemoveAttribute(element, "width");
    html::RemoveAttribute(element, "nowrap");
    if (html::HasAttribute(element, "style"))
        html::SetAttribute(element, "style",
                           StyleWithout(html::Attribute(element, "style"), "width"));
}

bool IsCode(const xmlNode* element) {
    return html::Attribute(element, "style").rfind("font-family: monospace", 0) == 0;
}

// The width of an average character of the element's text: its style's
// font size in pt or px (as the book's computed styles give it), at least
// that of the font the estimate is made for.
double CharPx(const xmlNode* element, double around) {
    const bool code = IsCode(element);
    const std::string style = html::Attribute(element, "style");
    const auto at = style.find("font-size:");
    if (at == std::string::npos) return code ? kCodeCharPx : around;
    std::string_view size = Trimmed(std::string_view(style).substr(at + 10));
    size = size.substr(0, size.find(';'));
    double px = 0;
    if (size.size() > 2 && size.substr(size.size() - 2) == "pt")
        px = LengthPx(size.substr(0, size.size() - 2), 0) * 4 / 3;
    else
        px = LengthPx(size, 0);
    const double ratio = code ? kCodeCharPx / kCodePx : kCharPx / kTextPx;
    return std::max(code ? kCodeCharPx : kCharPx, std::min(px, kMaxFontPx) * ratio);
}

void AddText(const std::string& text, double charPx, Extent& extent, double& line) {
    double word = 0;
    const auto endWord = [&] {
        extent.min = std::max(extent.min, word);
        word = 0;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if ((c & 0xC0) == 0x80) continue;
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
            endWord();
            line += charPx / 2;
            continue;
        }
        word += charPx;
        line += charPx;
        // Chinese, Japanese and Korean text (U+3000 on) may break after any character.
        if (c >= 0xE3 && c < 0xF0) endWord();
    }
    endWord();
    extent.max = std::max(extent.max, line);
}

Extent TableExtent(xmlNode* table, int tableDepth);

void AddContent(xmlNode* node, double charPx, Extent& extent, double& line, int depth,
                int tableDepth) {
    if (depth > kMaxDepth) return;
    for (xmlNode* child = node->children; child != nullptr; child = child->next) {
        if (html::IsText(child)) {
            AddText(html::TextContent(child), charPx, extent, line);
            continue;
        }
        if (!html::IsElement(child)) continue;
        const std::string name = html::Name(child);
        if (name == "img") {
            const double width = std::max(AuthorWidth(child, 0), kPicturePx);
            extent.min = std::max(extent.min, width);
            line += width;
            extent.max = std::max(extent.max, line);
        } else if (name == "table") {
            const Extent nested = TableExtent(child, tableDepth + 1);
            extent.min = std::max(extent.min, nested.min);
            extent.max = std::max(extent.max, nested.max);
            line = 0;
        } else {
            const bool block = OneOf(name, kBlocks);
            if (block) line = 0;
            AddContent(child, CharPx(child, charPx), extent, line, depth + 1, tableDepth);
            if (block) line = 0;
        }
    }
}

struct Cell {
    xmlNode* element = nullptr;
    std::size_t column = 0;
    std::size_t span = 1;
};

// The rows' cells of this table, not of tables inside it.
std::vector<std::vector<Cell>> RowsOf(xmlNode* table) {
    std::vector<std::vector<Cell>> rows;
    const auto addRow = [&](xmlNode* tr) {
        std::vector<Cell> row;
        std::size_t column = 0;
        for (xmlNode* cell = tr->children; cell != nullptr; cell = cell->next) {
            const std::string name = html::Name(cell);
            if (name != "td" && name != "th") continue;
            const auto span = static_cast<std::size_t>(
                std::clamp(LengthPx(html::Attribute(cell, "colspan"), 0), 1.0, 64.0));
            row.push_back({cell, column, span});
            column += span;
        }
        rows.push_back(std::move(row));
    };
    for (xmlNode* child = table->children; child != nullptr; child = child->next) {
        const std::string name = html::Name(child);
        if (name == "tr") addRow(child);
        if (name == "thead" || name == "tbody" || name == "tfoot")
            for (xmlNode* tr = child->children; tr != nullptr; tr = tr->next)
                if (html::Name(tr) == "tr") addRow(tr);
    }
    return rows;
}

struct Column {
    Extent extent;
    double authorPx = 0;
};

std::vector<Column> ColumnsOf(xmlNode* table, const std::vector<std::vector<Cell>>& rows,
                              double width, int tableDepth) {
    std::vector<Column> columns;
    for (const auto& row : rows)
        for (const Cell& cell : row)
            if (columns.size() < cell.column + cell.span) columns.resize(cell.column + cell.span);
    std::size_t at = 0;
    for (xmlNode* child = table->children; child != nullptr; child = child->next) {
        const auto take = [&](xmlNode* col) {
            const auto span = static_cast<std::size_t>(
                std::clamp(LengthPx(html::Attribute(col, "span"), 0), 1.0, 64.0));
            for (std::size_t i = 0; i < span && at < columns.size(); ++i, ++at)
                columns[at].authorPx = AuthorWidth(col, width);
        };
        if (html::Name(child) == "col") take(child);
        if (html::Name(child) == "colgroup")
            for (xmlNode* col = child->children; col != nullptr; col = col->next)
                if (html::Name(col) == "col") take(col);
    }
    for (const auto& row : rows)
        for (const Cell& cell : row) {
            Extent extent;
            double line = 0;
            AddContent(cell.element, CharPx(cell.element, kCharPx), extent, line, 0, tableDepth);
            if (html::HasAttribute(cell.element, "nowrap")) extent.min = extent.max;
            if (cell.span != 1) continue;
            Column& column = columns[cell.column];
            column.extent.min = std::max(column.extent.min, extent.min + kCellExtraPx);
            column.extent.max = std::max(column.extent.max, extent.max + kCellExtraPx);
            column.authorPx = std::max(column.authorPx, AuthorWidth(cell.element, width));
        }
    // A width the author gives is kept unless the content needs more.
    for (Column& column : columns) {
        if (column.authorPx > 0)
            column.extent.min = column.extent.max = std::max(column.extent.min, column.authorPx);
        column.extent.max = std::max(column.extent.max, column.extent.min);
    }
    return columns;
}

Extent TableExtent(xmlNode* table, int tableDepth) {
    Extent extent;
    if (tableDepth > kMaxTableDepth) return extent;
    for (const Column& column : ColumnsOf(table, RowsOf(table), kTextAreaPx, tableDepth)) {
        extent.min += column.extent.min;
        extent.max += column.extent.max;
    }
    return extent;
}

// The columns' widths in `width` pixels, as a browser's automatic layout
// shares them.
std::vector<double> Widths(const std::vector<Column>& columns, double width, bool fill) {
    double sumMin = 0, sumMax = 0;
    for (const Column& column : columns) {
        sumMin += column.extent.min;
        sumMax += column.extent.max;
    }
    std::vector<double> widths;
    for (const Column& column : columns) {
        const Extent& e = column.extent;
        if (sumMax <= width && !fill)
            widths.push_back(e.max);
        else if (sumMax <= width)
            widths.push_back(e.max + (width - sumMax) * (sumMax > 0 ? e.max / sumMax : 0));
        else if (sumMin <= width)
            widths.push_back(e.min + (width - sumMin) * (e.max - e.min) / (sumMax - sumMin));
        else
            widths.push_back(e.min * width / sumMin);
    }
    return widths;
}

// The columns' widths as shares of the table or, when `pixels`, in pixels:
// the office holds a table of the page's width to pixel widths, but gives a
// narrow column of shares (10% of it) the width of its text as though it
// had none and runs the table past the margin.
void WriteColumns(xmlNode* table, const std::vector<double>& widths, bool pixels) {
    for (xmlNode* child = table->children; child != nullptr;) {
        xmlNode* next = child->next;
        const std::string name = html::Name(child);
        if (name == "col" || name == "colgroup") html::Remove(child);
        child = next;
    }
    double total = 0;
    for (double w : widths) total += w;
    xmlNode* first = table->children;
    while (first != nullptr && html::Name(first) == "caption") first = first->next;
    for (double w : widths) {
        xmlNode* col = xmlNewDocNode(table->doc, nullptr, BAD_CAST "col", nullptr);
        const long percent = std::max(1L, std::lround(100 * w / total));
        html::SetAttribute(
            col, "width",
            pixels ? std::to_string(std::max(1L, std::lround(w))) : std::to_string(percent) + "%");
        if (first != nullptr)
            xmlAddPrevSibling(first, col);
        else
            xmlAddChild(table, col);
    }
}

void LayOut(xmlNode* element, double width, double whole, int depth, int tableDepth);

// The width of a table that fits its room without wrapping a line, when one
// of its columns holds nothing but single words (a member table's names, a
// heading over an empty column), else 0. The office makes such a table a
// little narrower than its text and breaks the last letters of the widest
// word onto a line of their own ("Descriptio/n"); a browser makes it as wide
// as its lines.
double ShrunkTableWidth(const std::vector<Column>& columns, double room) {
    double sumMax = 0;
    bool singleWords = false;
    for (const Column& column : columns) {
        if (column.authorPx > 0) return 0;
        sumMax += column.extent.max;
        singleWords = singleWords || (column.extent.max - column.extent.min < 1 &&
                                      column.extent.min > kPicturePx + kCellExtraPx);
    }
    return singleWords && sumMax <= room ? sumMax : 0;
}

// Whether the office would break a word of this table that a browser keeps
// whole. The office shares the width of a table whose lines wrap as a
// browser does, but from minimum widths that leave out the cells' padding,
// so a column that gets little more than its longest word (a member table's
// names beside long descriptions) breaks that word ("MemberwiseClon/e").
// Only a table whose minimum widths fit its room with a margin for the
// estimate's error is named: the office's own widths keep a table whose
// longest words fill the room within the margin, written ones may not.
bool BreaksWords(const std::vector<Column>& columns, const std::vector<double>& widths,
                 double room) {
    double sumMin = 0, sumMax = 0;
    for (const Column& column : columns) {
        sumMin += column.extent.min;
        sumMax += column.extent.max;
    }
    if (sumMax <= room || sumMin * kEstimateError > room) return false;
    for (std::size_t i = 0; i < columns.size(); ++i)
        if (columns[i].extent.min > kPicturePx + kCellExtraPx &&
            widths[i] - columns[i].extent.min < kCellExtraPx)
            return true;
    return false;
}

// A table written wider than its room, or one whose words the office would
// break, gets the browser's column widths in a table as wide as the room.
// Other tables are left to the office. The office takes a table's
// percentage of the whole text area (or cell), not of an indented block's
// width, so `whole` is the width it is a share of.
void LayOutTable(xmlNode* table, double width, double whole, int depth, int tableDepth) {
    const auto rows = RowsOf(table);
    const std::vector<Column> columns = ColumnsOf(table, rows, width, tableDepth);
    if (columns.empty() || tableDepth > kMaxTableDepth) return;
    const double authorWidth = AuthorWidth(table, width);
    const double room = authorWidth > 0 ? std::min(authorWidth, width) : width;
    double authorSum = 0;
    for (const Column& column : columns) authorSum += column.authorPx;
    const std::vector<double> widths = Widths(columns, room, authorWidth > 0);
    const bool tooWide = LengthPx(html::Attribute(table, "width"), 0) > width || authorSum > width;
    // A width given to the whole table (Sandcastle's sheets make every table
    // 100% wide) leaves its columns to the layout as well.
    const bool breaksWords =
        !tooWide && tableDepth == 0 && authorSum == 0 && BreaksWords(columns, widths, room);
    const bool rewrite = tooWide || breaksWords;
    const double shrunk = authorWidth > 0 || rewrite ? 0 : ShrunkTableWidth(columns, room);
    if (shrunk > 0) html::SetAttribute(table, "width", std::to_string(std::lround(shrunk)));
    if (tooWide) {
        DropWidths(table);
        const long percent = std::lround(100 * std::min(room, width) / whole);
        html::SetAttribute(table, "width", std::to_string(std::clamp(percent, 1L, 100L)) + "%");
    }
    if (rewrite) WriteColumns(table, widths, breaksWords);
    for (const auto& row : rows)
        for (const Cell& cell : row) {
            if (rewrite) DropWidths(cell.element);
            double cellWidth = -kCellExtraPx;
            for (std::size_t i = 0; i < cell.span && cell.column + i < widths.size(); ++i)
                cellWidth += widths[cell.column + i];
            cellWidth = std::max(cellWidth, kCharPx);
            LayOut(cell.element, cellWidth, cellWidth, depth + 1, tableDepth + 1);
        }
}

// The room a block's own margins and padding (from its style, in points)
// take from its content's width, in pixels.
double SidesPx(const xmlNode* element) {
    const std::string style = html::Attribute(element, "style");
    double points = 0;
    for (const char* side : {"margin-left:", "margin-right:", "padding-left:", "padding-right:"}) {
        const auto at = style.find(side);
        if (at == std::string::npos || (at > 0 && style[at - 1] != ' ' && style[at - 1] != ';'))
            continue;
        const std::string_view value =
            Trimmed(std::string_view(style).substr(at + std::strlen(side)));
        double number = 0;
        const auto [end, error] =
            std::from_chars(value.data(), value.data() + value.size(), number);
        if (error == std::errc() && std::isfinite(number) && number > 0 &&
            value.substr(end - value.data(), 2) == "pt")
            points += number;
    }
    return points * 4 / 3;
}

// The office takes a table's percentage of the whole text area (or cell), so
// a table in an indented block gets the share of the whole its room is.
void FitPercentageWidth(xmlNode* table, double width, double whole) {
    const std::string written = std::string(Trimmed(html::Attribute(table, "width")));
    if (written.empty() || written.back() != '%' || width >= whole) return;
    const double percent = LengthPx(written, 100);
    if (percent <= 0) return;
    const long fitted = std::lround(percent * width / whole);
    html::SetAttribute(table, "width", std::to_string(std::clamp(fitted, 1L, 100L)) + "%");
}

void LayOut(xmlNode* element, double width, double whole, int depth, int tableDepth) {
    if (depth > kMaxDepth) return;
    for (xmlNode* child = element->children; child != nullptr; child = child->next) {
        if (!html::IsElement(child)) continue;
        const std::string name = html::Name(child);
        if (name == "table") {
            const std::string written = html::Attribute(child, "width");
            LayOutTable(child, width, whole, depth + 1, tableDepth);
            if (html::Attribute(child, "width") == written) FitPercentageWidth(child, width, whole);
        } else {
            const bool indented =
                name == "ul" || name == "ol" || name == "blockquote" || name == "dd";
            const double room = width - (indented ? kIndentPx : 0) - SidesPx(child);
            LayOut(child, std::max(room, kCharPx), whole, depth + 1, tableDepth);
        }
    }
}

}  // namespace

void LayOutTables(xmlNode* element, double width) {
    if (html::IsElement(element)) LayOut(element, width, width, 0, 0);
}
