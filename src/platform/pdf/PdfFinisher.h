#pragma once
// What is done to a PDF after the office has written it, and what is read
// back from it to tell whether it holds the document: the outline, the
// document information and a check of the file. Behind an interface, so the
// converter's tests run without PDF files.

#include <optional>
#include <string>
#include <vector>

namespace platform {

// One outline entry: its title (UTF-8) and the named destination it jumps to.
struct PdfOutlineItem {
    std::string Title;
    std::string Destination;
    std::vector<PdfOutlineItem> Children;
};

struct PdfFinish {
    std::string Title;     // document title; empty keeps the office's
    std::string Creator;   // the program that made the document
    std::string Language;  // BCP 47 tag such as "ru-RU"; empty keeps it
    std::optional<std::vector<PdfOutlineItem>> Outline;  // replaces the outline; nothing keeps it
    // Links to an address that starts with this jump to the named
    // destination that follows it (see TurnAddressLinksIntoJumps).
    std::string PlaceAddressPrefix;
};

// The archival PDF the program asks the office for: PDF/A-2b.
inline constexpr int kArchivePart = 2;
inline constexpr char kArchiveConformance = 'B';

// What a written PDF holds, as far as the converter needs to know.
struct PdfFacts {
    int Pages = 0;
    std::vector<std::string> NamedDestinations;  // sorted
};

class PdfFinisher {
public:
    virtual ~PdfFinisher() = default;
    // Reads `input`, applies `finish` and writes the result to `output` (a
    // different path). Throws std::runtime_error with a message naming the
    // problem when `input` is not a readable PDF or `output` cannot be written.
    virtual void Finish(const std::string& input, const std::string& output,
                        const PdfFinish& finish) = 0;
    // Writes the document the office wrote in `parts` as one file, `output`,
    // the parts' pages in order. Throws as Finish does, and for parts that
    // cannot be joined (see JoinedPdf).
    virtual void Join(const std::vector<std::string>& parts, const std::string& output) = 0;
    // Throws std::runtime_error when `path` is not a readable PDF.
    virtual PdfFacts Inspect(const std::string& path) = 0;
    // What keeps `path` from being the PDF/A-2b file it was written as, as
    // far as the file itself shows it: one sentence per problem, empty when
    // none is found. Throws as Inspect does.
    virtual std::vector<std::string> ArchiveProblems(const std::string& path) = 0;
};

// The program's own finisher (qpdf), shared by every thread.
PdfFinisher& DefaultPdfFinisher();
// The version of the PDF library the finisher is built on, as it reports it.
std::string PdfLibraryVersion();

}  // namespace platform
