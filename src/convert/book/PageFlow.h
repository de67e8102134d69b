#pragma once
// Where the office breaks the book's pages: before a topic that must start a
// page of its own. The office's HTML import honours "page-break-before:
// always" on paragraphs, headings and tables, not on a division.

typedef struct _xmlNode xmlNode;

// Makes the content of `body` start on a new page: its first block gets the
// break, or, when it starts with loose text or an element that takes none,
// an empty paragraph carrying the break is put first. Returns that inserted
// paragraph (for the topic's anchor), else nullptr.
xmlNode* StartOnNewPage(xmlNode* body);
