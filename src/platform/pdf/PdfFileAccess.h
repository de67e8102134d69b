#pragma once
// Opening and writing PDF files with qpdf, with every failure turned into a
// std::runtime_error a user can act on. qpdf says nothing on the program's
// standard streams: its warnings are dropped, its errors become exceptions.

#include <qpdf/QPDF.hh>
#include <stdexcept>
#include <string>

namespace platform {

// Opens `path` into `pdf`. A file that is missing, not a regular file (a
// pipe would block) or unreadable fails as "Cannot read <path>: <reason>";
// one qpdf cannot take without repairs fails as a damaged PDF (a repaired
// file may have lost pages, so it is not passed on as good).
void OpenPdf(QPDF& pdf, const std::string& path);

// Writes `pdf` to `path` beside itself first and renames it over `path`, so
// a failure leaves neither a partial file nor a changed old one; the new file
// is synced before the rename. Failures: a FileError "Cannot write <name> in
// <folder>: <reason>" carrying the errno, or the damaged-PDF error when an
// object of the input turns out to be unreadable while it is copied.
void WritePdf(QPDF& pdf, const std::string& path);

// The error for a PDF whose contents qpdf could not read.
std::runtime_error DamagedPdf(const std::exception& cause);

}  // namespace platform
