#pragma once
// Table column widths as a browser's automatic table layout gives them, for
// the tables the office's HTML import would lay out past the right margin:
// it takes an absolute width wider than the page as written. Such a table is
// made as wide as its room (the text area, an indented block or its cell)
// and its columns get a browser's widths: each at least the width of its
// longest word, picture or code line, a width the author gives kept where
// the content allows, the rest shared by the length of the text. Text widths
// are estimated from character counts and font sizes, a little on the wide
// side. A table whose lines wrap gets the same when the office would make a
// column narrower than its longest word and the longest words leave room
// to spare for the estimate's error. A table that fits without wrapping
// and has a column of single words gets its width in pixels, which the
// office otherwise makes too narrow for its widest word. Other tables are
// left to the office.

typedef struct _xmlNode xmlNode;

// The width of the text area the book's pages give a topic, in CSS pixels
// (A4 or Letter with the office's margins, rounded down).
constexpr double kTextAreaPx = 640;

// Lays out every table at or below `element` in `width` CSS pixels.
void LayOutTables(xmlNode* element, double width = kTextAreaPx);
