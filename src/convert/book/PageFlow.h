#pragma once
// Where the office breaks the book's pages: before a topic that must start a
// page of its own, and not between a heading and what follows it. The
// office's HTML import honours "page-break-before: always" on paragraphs,
// headings and tables, not on a division; "page-break-after: avoid" likewise
// keeps a paragraph or a table with what follows, not a division.

typedef struct _xmlNode xmlNode;

// Makes the content of `body` start on a new page: its first block gets the
// break, or, when it starts with loose text or an element that takes none,
// an empty paragraph carrying the break is put first. Returns that inserted
// paragraph (for the topic's anchor), else nullptr.
xmlNode* StartOnNewPage(xmlNode* body);

// Keeps each heading at or below `element` on the page of what follows it.
// The office keeps a heading with the next paragraph only: a place's anchor
// written between a heading and a table becomes an empty paragraph of its
// own, and the table may start the next page; a heading in a table's first
// row is a row, which the office does not keep with the next. Such anchors
// move to the end of the heading, and such a heading is taken out before its
// table (the row goes). A line of bold text standing alone outside tables
// and lists is a title and is kept with what follows as well, and so is a
// table of one cell round such a title and little else.
void KeepHeadingsWithText(xmlNode* element);
