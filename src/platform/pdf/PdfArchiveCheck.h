#pragma once
// Reads back the marks of an archival PDF that the file itself shows, once
// the finisher has rewritten it: the part and level its XMP packet declares,
// the title and creator the packet repeats from the document information,
// the header version the part allows, no encryption and every font embedded.
// Rules that need a validator (colour spaces, transparency, the packet's
// schema) are not checked here.

#include <qpdf/QPDF.hh>
#include <string>
#include <vector>

namespace platform {

// One sentence per problem found, in the order of the list above; empty
// when the file shows none.
std::vector<std::string> PdfArchiveProblems(QPDF& pdf, int part, char conformance);

}  // namespace platform
