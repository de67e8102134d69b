#include "convert/book/PictureSizing.h"

#include <libxml/tree.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <vector>

#include "convert/book/HtmlPage.h"
#include "platform/text/AsciiText.h"

namespace {

// Pixels per unit at 96 pixels to the inch; an em is the browser's 16 px.
constexpr std::array<std::pair<std::string_view, double>, 8> kUnits{{{"px", 1.0},
                                                                     {"pt", 96.0 / 72},
                                                                     {"pc", 16.0},
                                                                     {"in", 96.0},
                                                                     {"cm", 96.0 / 2.54},
                                                                     {"mm", 96.0 / 25.4},
                                                                     {"em", 16.0},
                                                                     {"ex", 8.0}}};
// Tables nested deeper than this leave the picture the room of the last one.
constexpr int kMaxTableDepth = 16;
// Cells are looked into this far for their widest content.
constexpr int kMaxCellNodes = 4096;
constexpr double kCharWidth = 8;
// What a browser puts around cells when the table does not say.
constexpr double kCellSpacing = 2, kCellPadding = 1;

bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// The declarations of a style attribute as (property, value), split at ";"
// outside quotes and brackets.
std::vector<std::pair<std::string, std::string_view>> Declarations(std::string_view style) {
    std::vector<std::pair<std::string, std::string_view>> found;
    std::size_t start = 0, depth = 0;
    char quote = 0;
    for (std::size_t i = 0; i <= style.size(); ++i) {
        const char c = i < style.size() ? style[i] : ';';
        if (quote != 0) {
            if (c == quote) quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '(') {
            ++depth;
        } else if (c == ')' && depth > 0) {
            --depth;
        } else if (c == ';' && depth == 0) {
            const std::string_view declaration = style.substr(start, i - start);
            const auto colon = declaration.find(':');
            found.emplace_back(platform::ToLowerAscii(platform::Trim(declaration.substr(0, colon))),
                               colon == std::string_view::npos
                                   ? std::string_view()
                                   : platform::Trim(declaration.substr(colon + 1)));
            start = i + 1;
        }
    }
    return found;
}

// "border: solid 0px" draws nothing in a browser; the office draws a thin
// line and takes its width from the picture's size.
bool IsZeroBorder(std::string_view border) {
    bool zero = false;
    for (std::size_t start = 0; start < border.size();) {
        std::size_t end = start;
        while (end < border.size() && !IsBlank(border[end])) ++end;
        const std::string_view word = border.substr(start, end - start);
        const auto width = ParseCssLength(word);
        if (platform::EqualsNoCase(word, "none") || platform::EqualsNoCase(word, "hidden"))
            return true;
        if (width && !width->Percent) {
            if (width->Value > 0) return false;
            zero = true;
        }
        start = end + 1;
    }
    return zero;
}

double Scaled(const std::optional<CssLength>& length, double room) {
    return length->Percent ? length->Value * room / 100 : length->Value;
}

// The narrowest a browser lets a cell become: its widest picture (by its
// width attribute) or longest word (at a guessed 8 px a character). Wider
// widths the cell asks for give way to this when a picture needs the room.
double MinContentWidth(const xmlNode* cell) {
    double widest = 0;
    int visited = 0;
    const xmlNode* node = cell->children;
    while (node != nullptr && node != cell && ++visited < kMaxCellNodes) {
        if (html::Name(node) == "img") {
            const auto width = ParseCssLength(html::Attribute(node, "width"));
            if (width && !width->Percent) widest = std::max(widest, width->Value);
        } else if (html::IsText(node)) {
            int run = 0;
            for (const char c : html::TextContent(node)) {
                run = IsBlank(c) ? 0 : run + ((c & 0xC0) != 0x80);
                widest = std::max(widest, run * kCharWidth);
            }
        }
        if (node->children != nullptr && html::IsElement(node)) {
            node = node->children;
            continue;
        }
        while (node != cell && node->next == nullptr) node = node->parent;
        node = node != cell ? node->next : nullptr;
    }
    return widest;
}

double TableSetting(const xmlNode* table, const char* name, double otherwise) {
    const auto value = ParseCssLength(html::Attribute(table, name));
    return value && !value->Percent ? value->Value : otherwise;
}

// The width a picture may take inside `node`, from the cells around it.
double RoomInside(const xmlNode* node, double textWidth, int depth) {
    const xmlNode* cell = node;
    while (cell != nullptr && html::Name(cell) != "td" && html::Name(cell) != "th")
        cell = cell->parent;
    const xmlNode* row = cell != nullptr ? cell->parent : nullptr;
    const xmlNode* table = row;
    while (table != nullptr && html::Name(table) != "table") table = table->parent;
    if (table == nullptr || depth >= kMaxTableDepth) return textWidth;
    const double tableRoom = RoomInside(table->parent, textWidth, depth + 1);
    const double spacing = TableSetting(table, "cellspacing", kCellSpacing);
    double room = tableRoom - spacing - 2 * TableSetting(table, "cellpadding", kCellPadding);
    for (const xmlNode* other = row->children; other != nullptr; other = other->next) {
        if (other == cell || !html::IsElement(other)) continue;
        if (html::Name(other) == "td" || html::Name(other) == "th")
            room -= MinContentWidth(other) + spacing;
    }
    // A row whose other cells need nearly everything still leaves the
    // picture a quarter.
    return std::max(room, tableRoom / 4);
}

}  // namespace

std::optional<CssLength> ParseCssLength(std::string_view text) {
    text = platform::Trim(text);
    if (const auto bang = text.find('!'); bang != std::string_view::npos)
        text = platform::Trim(text.substr(0, bang));  // "!important"
    double number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || !std::isfinite(number) || number < 0) return std::nullopt;
    const std::string unit = platform::ToLowerAscii(platform::Trim(text.substr(end - text.data())));
    if (unit == "%") return CssLength{number, true};
    if (unit.empty()) return CssLength{number, false};
    for (const auto& [name, pixels] : kUnits)
        if (unit == name) return CssLength{number * pixels, false};
    return std::nullopt;
}

std::string StyleProperty(std::string_view style, std::string_view property) {
    std::string value;
    for (const auto& [name, text] : Declarations(style))
        if (name == property) value = std::string(text);
    return value;
}

std::string StyleWithout(std::string_view style, std::initializer_list<std::string_view> names) {
    std::string kept;
    for (const auto& [name, text] : Declarations(style)) {
        if (name.empty() || std::find(names.begin(), names.end(), name) != names.end()) continue;
        kept += (kept.empty() ? "" : "; ") + name + ": " + std::string(text);
    }
    return kept;
}

std::optional<PictureBox> DrawnPictureSize(const PictureRequest& request, PictureBox room) {
    // A height in % is a share of a height the flow of a page never sets: auto.
    const auto& width = request.Width;
    const auto height = request.Height && !request.Height->Percent ? request.Height : std::nullopt;
    const auto& pixels = request.Pixels;
    PictureBox box;
    if (width && height) {
        box = {Scaled(width, room.Width), height->Value};
    } else if (pixels && width) {
        box.Width = Scaled(width, room.Width);
        box.Height = box.Width * pixels->Height / pixels->Width;
    } else if (pixels && height) {
        box.Height = height->Value;
        box.Width = box.Height * pixels->Width / pixels->Height;
    } else if (pixels) {
        box = {double(pixels->Width), double(pixels->Height)};
    } else {
        return std::nullopt;
    }
    if (box.Width <= 0 || box.Height <= 0) return PictureBox{};  // shown as nothing
    const double scale = std::min({1.0, room.Width / box.Width, room.Height / box.Height});
    return PictureBox{box.Width * scale, box.Height * scale};
}

PictureBox RoomOfPicture(const xmlNode* picture, PictureBox textArea) {
    return {RoomInside(picture, textArea.Width, 0), textArea.Height};
}

bool SetDrawnSize(xmlNode* picture, const std::optional<PixelSize>& pixels) {
    const std::string style = html::Attribute(picture, "style");
    PictureRequest request{ParseCssLength(StyleProperty(style, "width")),
                           ParseCssLength(StyleProperty(style, "height")), pixels};
    if (!request.Width) request.Width = ParseCssLength(html::Attribute(picture, "width"));
    if (!request.Height) request.Height = ParseCssLength(html::Attribute(picture, "height"));
    const auto box = DrawnPictureSize(request, RoomOfPicture(picture, kTextArea));
    if (!box) return true;
    if (box->Width <= 0 || box->Height <= 0) return false;
    // Whole pixels, at least one: the office reads no fractions.
    const auto whole = [](double pixels) {
        return std::to_string(std::max(1L, std::lround(pixels)));
    };
    html::SetAttribute(picture, "width", whole(box->Width));
    html::SetAttribute(picture, "height", whole(box->Height));
    if (!style.empty()) {
        const std::string border = StyleProperty(style, "border");
        html::SetAttribute(picture, "style",
                           IsZeroBorder(border) ? StyleWithout(style, {"width", "height", "border"})
                                                : StyleWithout(style, {"width", "height"}));
    }
    return true;
}
