#pragma once
// Links the office wrote as web addresses that stand for places of the
// document itself: a book exported in parts points at places of the other
// parts that way, since each part only knows its own. Once the parts are one
// file, such links become jumps to the named destination the address names.

#include <qpdf/QPDF.hh>
#include <string>

namespace platform {

// Every link to an address `prefix` + name jumps to the named destination
// `name`; one whose name is not in the document is removed, so that nothing
// leads to the network. An empty `prefix` changes nothing.
void TurnAddressLinksIntoJumps(QPDF& pdf, const std::string& prefix);

}  // namespace platform
