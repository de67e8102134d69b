#pragma once
// Table column widths as a browser's automatic table layout gives them. The
// office's HTML import shares a table's width among its columns by their
// content's length but lets a column become narrower than its longest word,
// which it then breaks ("Nam/e"), and takes absolute widths wider than the
// page as they are, so the table runs past the right margin. Here each
// column gets at least the width of its longest word (or picture, or code
// line) and shares the rest by the length of its text, as a browser does;
// the widths are written as <col> percentages of a table no wider than the
// text area, and nested tables are laid out in their cell's width. Text
// widths are estimated from character counts, a little on the wide side.

typedef struct _xmlNode xmlNode;

// The width of the text area the book's pages give a topic, in CSS pixels
// (A4 or Letter with the office's margins, rounded down).
constexpr double kTextAreaPx = 640;

// Lays out every table at or below `element` in `width` CSS pixels.
void LayOutTables(xmlNode* element, double width = kTextAreaPx);
