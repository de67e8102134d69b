#pragma once
// A web page saved as one file in MIME HTML (".mht", ".mhtml", as a word
// processor saves a page with its pictures): unpacked into a folder, so the
// page can join the book like any other topic, its pictures beside it.

#include <optional>
#include <string>
#include <string_view>

struct UnpackedPage {
    std::string PagePath;  // the HTML part, written into the folder
    std::string Charset;   // as the part's header names it; empty when it names none
};

// Whether the bytes are a MIME multipart message (the start of an .mht file).
bool IsMimeArchive(std::string_view bytes);

// Writes the HTML part and the parts it refers to into `folder` (created
// when missing; names are made safe, nothing is written outside it) and
// returns where the page is. Nothing when the archive holds no HTML part.
std::optional<UnpackedPage> UnpackMimeArchive(std::string_view bytes, const std::string& folder);
