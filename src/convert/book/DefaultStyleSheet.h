#pragma once
// The style sheet a browser applies before any of the page's own: which
// elements are blocks, lists, tables or hidden, the sizes and margins of
// headings and paragraphs, bold, italic and monospace text.

const char* DefaultStyleSheet();
