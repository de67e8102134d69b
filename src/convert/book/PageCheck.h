#pragma once
// Whether a topic page is worth putting into the book. A damaged help file
// leaves pages of zeros or of random bytes behind, and a page may hold
// nothing at all; such a page is left out with the reason, instead of
// filling the PDF with junk or empty pages.

#include <optional>
#include <string>
#include <string_view>

class HtmlPage;

// Why the raw bytes cannot be a page ("the page is damaged"), or nothing.
std::optional<std::string> PageProblem(std::string_view bytes);

// Why the parsed page has nothing to show (no text and no picture, or text
// that is mostly unreadable), or nothing.
std::optional<std::string> ContentProblem(const HtmlPage& page);
