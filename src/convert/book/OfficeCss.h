#pragma once
// A style sheet rewritten so that LibreOffice's HTML import styles the text
// as a browser would. Two gaps of the import are filled:
// - it honours a class on its own (".note") for any element, but ignores an
//   element name joined to a class ("span.note", "div.box") for the elements
//   that have no style of their own in a text document, so such a selector
//   is given as the class alone;
// - headings do not take the font family a "body" rule sets, as they inherit
//   it in a browser, so the family is repeated for h1 to h6 after that rule.
// Everything else is kept as written.

#include <string>
#include <string_view>

std::string CssForOfficeImport(std::string_view css);
