#pragma once
// The name under which LibreOffice writes a bookmark as a named destination
// when it exports a PDF with "ExportBookmarksToPDFDestination". Writer first
// turns the bookmark name into a URL fragment (percent-encoding the UTF-8
// bytes of blanks, non-ASCII letters and a few marks such as "#", "%" and
// "<"), and the PDF export then writes every character other than a letter, a
// digit or "-" as two hexadecimal digits without a leading "#". So "Глава 1"
// becomes "25D0259325D025BB25D025B025D025B225D025B025201" and "a.htm" becomes
// "a2Ehtm". Names of ASCII letters, digits and "-" stay as they are.

#include <string>
#include <string_view>

namespace platform {

std::string OfficeDestinationName(std::string_view bookmark);

}  // namespace platform
