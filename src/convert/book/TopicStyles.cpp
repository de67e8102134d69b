#include "convert/book/TopicStyles.h"

#include <libxml/tree.h>
#include <litehtml.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string_view>
#include <unordered_set>

#include "convert/book/ComputedStyle.h"
#include "convert/book/DefaultStyleSheet.h"
#include "convert/book/HtmlPage.h"
#include "convert/book/MatchableRules.h"
#include "platform/text/AsciiText.h"
#include "platform/text/MarkupEscape.h"

namespace {

// Each element of the page carries its number under this attribute while the
// resolver reads a copy of the page.
constexpr const char* kMarker = "data-pellin-element";
// Beyond these a page is hostile: its cascade would cost more than the topic.
constexpr std::size_t kMaxElements = 20000;
constexpr std::size_t kMaxSheetBytes = 1024 * 1024;
// litehtml matches "a b c" by trying every ancestor for "b" and every one of
// theirs for "a": an element costs up to (depth choose links) tries. Past
// this many tries for the page, its cascade takes seconds.
constexpr double kMaxSelectorTries = 5e7;
constexpr double kPointsPerPixel = 0.75;
constexpr double kMaxFontPx = 2000;
constexpr std::size_t kShortText = 24;  // bytes of a tab's or a button's caption

constexpr std::array<std::string_view, 30> kInlineElements{
    "a",      "abbr",   "acronym", "b",     "bdo",  "big", "cite", "code", "dfn",   "em",
    "font",   "i",      "kbd",     "label", "nobr", "q",   "s",    "samp", "small", "span",
    "strike", "strong", "sub",     "sup",   "tt",   "u",   "var",  "mark", "ins",   "del"};
constexpr std::array<std::string_view, 4> kLists{"ul", "ol", "dir", "menu"};
constexpr std::array<std::string_view, 14> kVoidElements{
    "area", "base",  "basefont", "br",    "col",    "embed", "hr",
    "img",  "input", "meta",     "param", "source", "track", "wbr"};

template <std::size_t N>
bool OneOf(std::string_view name, const std::array<std::string_view, N>& names) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// litehtml asks its host for fonts and sizes as it styles; nothing is drawn,
// loaded or fetched, and text is measured by a rough average.
class StyleOnlyContainer : public litehtml::document_container {
public:
    litehtml::uint_ptr create_font(const char*, int size, int, litehtml::font_style, unsigned int,
                                   litehtml::font_metrics* metrics) override {
        if (metrics != nullptr) {
            metrics->height = size + size / 5;
            metrics->ascent = size;
            metrics->descent = size / 5;
            metrics->x_height = size / 2;
            metrics->draw_spaces = true;
        }
        return 1;
    }
    void delete_font(litehtml::uint_ptr) override {}
    int text_width(const char* text, litehtml::uint_ptr) override {
        return static_cast<int>(std::strlen(text)) * 8;
    }
    void draw_text(litehtml::uint_ptr, const char*, litehtml::uint_ptr, litehtml::web_color,
                   const litehtml::position&) override {}
    int pt_to_px(int pt) const override { return pt * 4 / 3; }
    int get_default_font_size() const override { return 16; }
    const char* get_default_font_name() const override { return "serif"; }
    void draw_list_marker(litehtml::uint_ptr, const litehtml::list_marker&) override {}
    void load_image(const char*, const char*, bool) override {}
    void get_image_size(const char*, const char*, litehtml::size& size) override {
        size.width = 0;
        size.height = 0;
    }
    void draw_background(litehtml::uint_ptr, const litehtml::background_paint&) override {}
    void draw_borders(litehtml::uint_ptr, const litehtml::borders&, const litehtml::position&,
                      bool) override {}
    void set_caption(const char*) override {}
    void set_base_url(const char*) override {}
    void link(const std::shared_ptr<litehtml::document>&, const litehtml::element::ptr&) override {}
    void on_anchor_click(const char*, const litehtml::element::ptr&) override {}
    void set_cursor(const char*) override {}
    void transform_text(litehtml::tstring&, litehtml::text_transform) override {}
    // The topic's sheets arrive already read and made safe; nothing is imported.
    void import_css(litehtml::tstring& text, const litehtml::tstring&,
                    litehtml::tstring&) override {
        text.clear();
    }
    void set_clip(const litehtml::position&, const litehtml::border_radiuses&, bool,
                  bool) override {}
    void del_clip() override {}
    void get_client_rect(litehtml::position& client) const override {
        client = litehtml::position(0, 0, kPageWidth, kPageHeight);
    }
    std::shared_ptr<litehtml::element> create_element(
        const char*, const litehtml::string_map&,
        const std::shared_ptr<litehtml::document>&) override {
        return nullptr;
    }
    void get_media_features(litehtml::media_features& media) const override {
        media.type = litehtml::media_type_print;  // the book is printed, as a browser prints
        media.width = media.device_width = kPageWidth;
        media.height = media.device_height = kPageHeight;
        media.color = 8;
        media.monochrome = 0;
        media.color_index = 256;
        media.resolution = 96;
    }
    void get_language(litehtml::tstring& language, litehtml::tstring& culture) const override {
        language = "en";
        culture.clear();
    }

private:
    // A4's text area at 96 pixels per inch, as the book is laid out.
    static constexpr int kPageWidth = 680;
    static constexpr int kPageHeight = 1000;
};

std::string HexColor(const litehtml::web_color& color) {
    if (color.alpha == 0) return {};
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", color.red, color.green, color.blue);
    return text;
}

struct Resolution {
    litehtml::document* document = nullptr;
    StyleOnlyContainer* container = nullptr;
    std::vector<xmlNode*> elements;  // by number
    std::vector<xmlNode*> hidden;
    TopicStylesResult result;
};

std::string Property(const litehtml::element& element, const char* name, bool inherited) {
    const char* value = element.get_style_property(name, inherited, nullptr);
    if (value == nullptr || std::strcmp(value, "inherit") == 0) return {};
    return value;
}

std::string ColorProperty(const litehtml::element& element, const char* name, bool inherited,
                          Resolution& resolution) {
    const std::string value = Property(element, name, inherited);
    if (value.empty()) return {};
    return HexColor(litehtml::web_color::from_string(value.c_str(), resolution.container));
}

// A length in points; percentages and "auto" count as nothing, as do negative lengths.
double Length(const std::string& value, int fontSize, Resolution& resolution) {
    if (value.empty()) return 0;
    litehtml::css_length length;
    length.fromString(value, "thin;medium;thick;auto", -1);
    if (length.is_predefined()) {
        static constexpr int kKeywords[] = {1, 3, 5, 0};
        const int keyword = length.predef();
        return keyword >= 0 && keyword < 4 ? kKeywords[keyword] * kPointsPerPixel : 0;
    }
    if (length.units() == litehtml::css_units_percentage) return 0;
    const int pixels = resolution.document->cvt_units(length, fontSize, 0);
    return std::max(0, pixels) * kPointsPerPixel;
}

// The element's font size in CSS pixels. litehtml keeps whole pixels and
// drops the fraction at every level, so a chain of percentages (body 70%,
// then 105%, then 90%) came out up to a tenth smaller than a browser draws
// it; the size is worked out again from the declared value and the parent's
// exact size. `wholePx` is litehtml's, for what is not read here.
double FontSizePx(const litehtml::element& element, double parentPx, int wholePx) {
    static constexpr std::pair<std::string_view, double> kKeywords[] = {
        {"xx-small", 9}, {"x-small", 10}, {"small", 13},    {"medium", 16},
        {"large", 18},   {"x-large", 24}, {"xx-large", 32}, {"xxx-large", 48}};
    static constexpr std::pair<std::string_view, double> kUnits[] = {
        {"px", 1},         {"pt", 4.0 / 3},    {"pc", 16},       {"in", 96},
        {"cm", 96 / 2.54}, {"mm", 9.6 / 2.54}, {"q", 2.4 / 2.54}};
    const std::string value = platform::ToLowerAscii(Property(element, "font-size", false));
    if (value.empty()) return parentPx;
    if (value == "smaller") return parentPx / 1.2;
    if (value == "larger") return std::min(parentPx * 1.2, kMaxFontPx);
    for (const auto& [keyword, px] : kKeywords)
        if (value == keyword) return px;
    double number = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
    const std::string_view unit(end, value.data() + value.size() - end);
    double px = -1;
    if (error != std::errc() || !std::isfinite(number) || number < 0) return wholePx;
    if (unit == "em") px = number * parentPx;
    if (unit == "ex") px = number * parentPx / 2;
    if (unit == "%") px = number * parentPx / 100;
    for (const auto& [name, factor] : kUnits)
        if (unit == name) px = number * factor;
    return px < 0 ? wholePx : std::min(px, kMaxFontPx);
}

ComputedStyle::Display DisplayOf(litehtml::style_display display) {
    using D = ComputedStyle::Display;
    switch (display) {
        case litehtml::display_none:
            return D::None;
        case litehtml::display_inline:
        case litehtml::display_inline_block:
        case litehtml::display_inline_text:
            return D::Inline;
        case litehtml::display_list_item:
            return D::ListItem;
        case litehtml::display_table:
        case litehtml::display_inline_table:
            return D::Table;
        case litehtml::display_block:
            return D::Block;
        default:
            return D::TablePart;
    }
}

void ReadBox(const litehtml::element& element, int fontSize, ComputedStyle& style,
             Resolution& resolution) {
    static constexpr const char* kSides[] = {"top", "right", "bottom", "left"};
    for (int side = 0; side < 4; ++side) {
        const std::string suffix = std::string("-") + kSides[side];
        style.margin[side] =
            Length(Property(element, ("margin" + suffix).c_str(), false), fontSize, resolution);
        style.padding[side] =
            Length(Property(element, ("padding" + suffix).c_str(), false), fontSize, resolution);
        const std::string border = "border" + suffix;
        const std::string kind = Property(element, (border + "-style").c_str(), false);
        if (kind.empty() || kind == "none" || kind == "hidden") continue;
        std::string width = Property(element, (border + "-width").c_str(), false);
        const double points = Length(width.empty() ? "medium" : width, fontSize, resolution);
        if (points <= 0) continue;
        std::string color = ColorProperty(element, (border + "-color").c_str(), false, resolution);
        if (color.empty()) color = style.color.empty() ? "#000000" : style.color;
        char text[32];
        std::snprintf(text, sizeof text, "%.2fpt ", points);
        style.border[side] = text + kind + " " + color;
    }
}

// The style of `element`, whose parent element has the style `parent` (or is none).
// Inherited properties are taken from `parent` unless the element sets its own:
// litehtml would look each up through every ancestor.
ComputedStyle ReadStyle(const litehtml::element& element, const ComputedStyle* parent,
                        Resolution& resolution) {
    static const ComputedStyle kNoParent;
    const ComputedStyle& up = parent != nullptr ? *parent : kNoParent;
    ComputedStyle style;
    style.display = DisplayOf(element.get_display());
    // Hidden is as good as not displayed on paper (a menu that pops up, a tab).
    if (element.get_visibility() != litehtml::visibility_visible)
        style.display = ComputedStyle::Display::None;
    if (style.display == ComputedStyle::Display::None) return style;
    const int fontSize = element.get_font_size();
    style.fontSizePt =
        FontSizePx(element, up.fontSizePt / kPointsPerPixel, fontSize) * kPointsPerPixel;
    style.color = ColorProperty(element, "color", false, resolution);
    if (style.color.empty()) style.color = up.color;
    style.fontFamily = Property(element, "font-family", false);
    if (style.fontFamily.empty()) style.fontFamily = up.fontFamily;
    const std::string weight = Property(element, "font-weight", false);
    style.bold = weight.empty()
                     ? up.bold
                     : weight == "bold" || weight == "bolder" || std::atoi(weight.c_str()) >= 600;
    const std::string slant = Property(element, "font-style", false);
    style.italic = slant.empty() ? up.italic : slant == "italic" || slant == "oblique";
    const std::string align = Property(element, "text-align", false);
    style.textAlign = align.empty() ? up.textAlign : std::string();
    if (align == "center" || align == "right" || align == "justify") style.textAlign = align;
    style.backgroundColor = ColorProperty(element, "background-color", false, resolution);
    const std::string decoration = Property(element, "text-decoration", false);
    if (decoration.find("underline") != std::string::npos) style.textDecoration = "underline";
    if (decoration.find("line-through") != std::string::npos) style.textDecoration = "line-through";
    const litehtml::white_space space = element.get_white_space();
    style.keepsSpaces =
        space == litehtml::white_space_pre || space == litehtml::white_space_pre_wrap;
    ReadBox(element, fontSize, style, resolution);
    return style;
}

// A table's width from the sheets becomes its attribute, the one the office
// reads. As in a browser it wins over the attribute written on the table.
void KeepTableWidth(const litehtml::element& element, xmlNode* table, int fontSize,
                    Resolution& resolution) {
    const std::string value = Property(element, "width", false);
    if (value.empty() || value == "auto") return;
    litehtml::css_length length;
    length.fromString(value, "auto", -1);
    if (length.is_predefined()) return;
    if (length.units() == litehtml::css_units_percentage) {
        if (!(length.val() > 0)) return;
        const double percent = std::clamp<double>(length.val(), 1, 100);
        html::SetAttribute(table, "width", std::to_string(std::lround(percent)) + "%");
        return;
    }
    const int pixels = resolution.document->cvt_units(length, fontSize, 0);
    if (pixels > 0) html::SetAttribute(table, "width", std::to_string(pixels));
}

// The style the office gives the element by its name in text styled `around`.
ComputedStyle AsTheOfficeShows(const xmlNode* node, ComputedStyle around) {
    const std::string name = html::Name(node);
    if (name == "b" || name == "strong" || name == "th" || html::IsHeading(node))
        around.bold = true;
    if (name == "i" || name == "em" || name == "cite" || name == "var" || name == "dfn" ||
        name == "address")
        around.italic = true;
    if (name == "u" || name == "ins" || (name == "a" && html::HasAttribute(node, "href")))
        around.textDecoration = "underline";
    if (name == "s" || name == "strike" || name == "del") around.textDecoration = "line-through";
    return around;
}

void SetStyle(xmlNode* node, const std::string& declarations) {
    html::RemoveAttribute(node, "style");
    if (!declarations.empty()) html::SetAttribute(node, "style", declarations);
}

// Loose text right in the body sits in no element the office could style.
void WrapLooseText(xmlNode* body, const ComputedStyle& style) {
    const std::string declarations = InlineDeclarations(style, ComputedStyle{});
    for (xmlNode* child = body->children; child != nullptr; child = child->next) {
        if (!html::IsText(child) ||
            html::TextContent(child).find_first_not_of(" \t\r\n") == std::string::npos)
            continue;
        xmlNode* span = xmlNewDocNode(body->doc, nullptr, BAD_CAST "span", nullptr);
        xmlReplaceNode(child, span);
        xmlAddChild(span, child);
        SetStyle(span, declarations);
        child = span;
    }
}

// A list none of whose items shows as one any more becomes a block.
void InlineListItems(xmlNode* list) {
    bool renamed = false;
    for (xmlNode* child = list->children; child != nullptr; child = child->next) {
        if (!html::IsElement(child)) continue;
        if (html::Name(child) == "li") return;
        renamed = renamed || html::Name(child) == "span" || html::Name(child) == "div";
    }
    if (renamed) xmlNodeSetName(list, BAD_CAST "div");
}

// A short box of inline content floated left (a tab of Sandcastle's
// language tabs) stands beside its neighbours in a browser; written as a
// block it would take a line of its own.
bool IsSideBySide(const litehtml::element& element, const xmlNode* node) {
    // Boxes floated right (a "Copy" button over a listing) keep their line.
    if (Property(element, "float", false) != "left") return false;
    bool picture = false;
    for (const xmlNode* child = node->children; child != nullptr; child = child->next) {
        if (!html::IsElement(child)) continue;
        const std::string name = html::Name(child);
        picture = picture || name == "img";
        if (!OneOf(name, kInlineElements) && name != "img") return false;
    }
    // An empty box stays as it was: as a line of its own it shows nothing.
    const std::string text = html::TextContent(node);
    const std::string_view caption = platform::Trim(text);
    return caption.empty() ? picture : caption.size() <= kShortText;
}

void Visit(const litehtml::element::ptr& element, const ComputedStyle* parent,
           const ComputedStyle* around, Resolution& resolution);

// `parent` is the style of the nearest element above; `around` that of the
// text they sit in, none right in the body.
void VisitChildren(const litehtml::element::ptr& element, const ComputedStyle* parent,
                   const ComputedStyle* around, Resolution& resolution) {
    const int count = static_cast<int>(element->get_children_count());
    for (int i = 0; i < count; ++i) Visit(element->get_child(i), parent, around, resolution);
}

void Visit(const litehtml::element::ptr& element, const ComputedStyle* parent,
           const ComputedStyle* around, Resolution& resolution) {
    const char* marker = element->get_attr(kMarker);
    const std::size_t number = marker == nullptr ? 0 : std::strtoul(marker, nullptr, 10);
    if (marker == nullptr || number >= resolution.elements.size()) {
        VisitChildren(element, parent, around, resolution);  // text, or a box litehtml added
        return;
    }
    xmlNode* node = resolution.elements[number];
    ComputedStyle style = ReadStyle(*element, parent, resolution);
    if (style.display == ComputedStyle::Display::None) {
        resolution.hidden.push_back(node);
        return;
    }
    const std::string name = html::Name(node);
    if (name == "html" || name == "body") {
        if (name == "body") WrapLooseText(node, style);
        VisitChildren(element, &style, nullptr, resolution);
        return;
    }
    if (name == "li" && style.display != ComputedStyle::Display::ListItem) {
        // Items side by side (tabs, a breadcrumb) are a line; items stacked without
        // a marker are blocks.
        const std::string side = Property(*element, "float", false);
        const bool inLine = style.display == ComputedStyle::Display::Inline ||
                            style.display == ComputedStyle::Display::TablePart || side == "left" ||
                            side == "right";
        xmlNodeSetName(node, BAD_CAST(inLine ? "span" : "div"));
    }
    if (name == "div" && IsSideBySide(*element, node)) {
        xmlNodeSetName(node, BAD_CAST "span");
        xmlAddNextSibling(node, xmlNewDocText(node->doc, BAD_CAST " "));
    }
    if (OneOf(name, kLists) || name == "li") {
        style.margin[3] = style.padding[3] = 0;  // the office indents lists itself
        const std::string marker = Property(*element, "list-style-type", true);
        if (OneOf(name, kLists) && marker != (name == "ol" ? "decimal" : "disc"))
            style.listStyle = marker;
    }
    if (name == "table") KeepTableWidth(*element, node, element->get_font_size(), resolution);
    if (name != "img" && name != "br") {
        const std::string shownAs = html::Name(node);
        const bool inlined = OneOf(shownAs, kInlineElements);
        const ComputedStyle plain =
            AsTheOfficeShows(node, inlined && around ? *around : ComputedStyle{});
        SetStyle(node,
                 inlined ? InlineDeclarations(style, plain) : BlockDeclarations(style, plain));
        ++resolution.result.Styled;
    }
    VisitChildren(element, &style, &style, resolution);
    if (OneOf(name, kLists)) InlineListItems(node);
}

// Numbers the elements in document order; returns the depth of the deepest.
int NumberElements(xmlNode* body, std::vector<xmlNode*>& elements) {
    int deepest = 0;
    std::vector<std::pair<xmlNode*, int>> pending{{body, 0}};
    while (!pending.empty() && elements.size() <= kMaxElements) {
        const auto [node, depth] = pending.back();
        pending.pop_back();
        deepest = std::max(deepest, depth);
        html::SetAttribute(node, kMarker, std::to_string(elements.size()));
        elements.push_back(node);
        for (xmlNode* child = node->last; child != nullptr; child = child->prev)
            if (html::IsElement(child)) pending.emplace_back(child, depth + 1);
    }
    return deepest;
}

// The most ancestors a selector of the prelude names ("ul li a": 2); each
// blank, ">", "+" or "~" between two parts counts.
int LinksIn(std::string_view prelude) {
    const auto first = prelude.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos || prelude[first] == '@') return 0;
    int longest = 0;
    int parts = 0;
    bool inPart = false;
    for (const char c : prelude) {
        if (c == ',') {
            parts = 0;
            inPart = false;
        } else if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '>' || c == '+' ||
                   c == '~') {
            inPart = false;
        } else if (!inPart) {
            inPart = true;
            longest = std::max(longest, parts++);
        }
    }
    return longest;
}

int LongestSelectorChain(const std::vector<std::string>& sheets) {
    int longest = 0;
    for (const std::string& sheet : sheets) {
        std::size_t start = 0;
        for (std::size_t i = 0; i < sheet.size(); ++i) {
            if (sheet[i] != '{' && sheet[i] != '}' && sheet[i] != ';') continue;
            if (sheet[i] == '{')
                longest =
                    std::max(longest, LinksIn(std::string_view(sheet).substr(start, i - start)));
            start = i + 1;
        }
    }
    return longest;
}

bool CostsTooMuch(std::size_t elements, int depth, int links) {
    double tries = static_cast<double>(elements);
    for (int i = 0; i < links && tries <= kMaxSelectorTries; ++i)
        tries = tries * (depth - i) / (i + 1);
    return tries > kMaxSelectorTries;
}

// What litehtml reads of the page: its elements and their attributes, each
// run of text one letter. Styles do not depend on the words, and litehtml
// would make an element of every word.
void WriteSkeleton(const xmlNode* node, std::string& out, PageVocabulary& vocabulary) {
    if (html::IsText(node)) {
        if (html::TextContent(node).find_first_not_of(" \t\r\n") != std::string::npos) out += 'x';
        return;
    }
    const std::string name = html::Name(node);
    if (name.empty() || name == "style" || name == "script" || name == "link") return;
    out += '<' + name;
    vocabulary.AddElement(name);
    for (const xmlAttr* attr = node->properties; attr; attr = attr->next) {
        const std::string_view attrName = reinterpret_cast<const char*>(attr->name);
        out += ' ';
        out += attrName;
        out += "=\"";
        xmlChar* value = xmlNodeListGetString(node->doc, attr->children, 1);
        if (value != nullptr) {
            const char* text = reinterpret_cast<char*>(value);
            platform::AppendMarkupEscaped(text, out);
            if (platform::EqualsNoCase(attrName, "class")) vocabulary.AddClasses(text);
            if (platform::EqualsNoCase(attrName, "id")) vocabulary.AddId(text);
        }
        xmlFree(value);
        out += '"';
    }
    out += '>';
    if (OneOf(name, kVoidElements)) return;
    for (const xmlNode* child = node->children; child; child = child->next)
        WriteSkeleton(child, out, vocabulary);
    out += "</" + name + '>';
}

// litehtml and what it keeps between the topics of a thread: the default
// sheet, and the topic sheets last parsed, which the next topic mostly shares.
struct Engine {
    StyleOnlyContainer container;
    litehtml::context context;
    std::string sheetsKey;
    litehtml::document::ptr sheetsOwner;  // holds the sheets' media queries
    std::unique_ptr<litehtml::css> sheets;

    Engine() { context.load_master_stylesheet(DefaultStyleSheet()); }

    litehtml::css& Sheets(const std::vector<std::string>& texts) {
        std::string key;
        for (const std::string& text : texts) key += text + '\0';
        if (sheets && key == sheetsKey) return *sheets;
        sheets = std::make_unique<litehtml::css>();
        sheetsOwner = litehtml::document::createFromUTF8("<html></html>", &container, &context);
        for (const std::string& text : texts)
            sheets->parse_stylesheet(text.c_str(), "", sheetsOwner, nullptr);
        sheets->sort_selectors();
        sheetsOwner->media_changed();
        sheetsKey = std::move(key);
        return *sheets;
    }
};

bool InsideAny(const xmlNode* node, const std::unordered_set<const xmlNode*>& nodes) {
    for (const xmlNode* above = node->parent; above != nullptr; above = above->parent)
        if (nodes.count(above) != 0) return true;
    return false;
}

void Resolve(xmlNode* body, const std::vector<std::string>& sheets, Resolution& resolution) {
    thread_local Engine engine;
    std::string page = "<html>";
    PageVocabulary vocabulary;
    WriteSkeleton(body, page, vocabulary);
    page += "</html>";
    litehtml::css topicRules;
    AddMatchableRules(engine.Sheets(sheets), vocabulary, topicRules);
    const auto document = litehtml::document::createFromUTF8(page.c_str(), &engine.container,
                                                             &engine.context, &topicRules);
    if (!document || !document->root()) return;
    resolution.document = document.get();
    resolution.container = &engine.container;
    Visit(document->root(), nullptr, nullptr, resolution);
}

}  // namespace

TopicStylesResult ResolveTopicStyles(xmlNode* root, const std::vector<std::string>& sheets) {
    std::size_t sheetBytes = 0;
    for (const std::string& sheet : sheets) sheetBytes += sheet.size();
    xmlNode* body = root;
    while (body != nullptr && html::Name(body) != "body") {
        xmlNode* child = body->children;
        while (child != nullptr && !(html::IsElement(child) &&
                                     (html::Name(child) == "body" || html::Name(child) == "html")))
            child = child->next;
        body = child;
    }
    if (body == nullptr || sheetBytes > kMaxSheetBytes) return {};
    Resolution resolution;
    const int depth = NumberElements(body, resolution.elements);
    if (resolution.elements.size() <= kMaxElements &&
        !CostsTooMuch(resolution.elements.size(), depth, LongestSelectorChain(sheets))) {
        try {
            Resolve(body, sheets, resolution);
        } catch (const std::exception&) {
            resolution.hidden.clear();  // styles are a nicety; the text stays
        }
    }
    for (xmlNode* node : resolution.elements) html::RemoveAttribute(node, kMarker);
    std::vector<xmlNode*> removed;
    std::unordered_set<const xmlNode*> removing;
    for (xmlNode* node : resolution.hidden) {
        if (node == body || InsideAny(node, removing)) continue;
        removed.push_back(node);
        removing.insert(node);
    }
    for (xmlNode* node : removed) html::Remove(node);
    resolution.result.Hidden = static_cast<int>(removed.size());
    return resolution.result;
}
