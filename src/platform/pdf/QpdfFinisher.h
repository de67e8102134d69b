#pragma once
// The PDF finisher built on qpdf: joins parts, replaces the outline, sets the document
// information, the language and the matching XMP metadata, and reads back
// the page count, the named destinations and the marks of an archival file. Each call works on its
// own qpdf document, so converter threads may share one finisher.

#include "platform/pdf/PdfFinisher.h"

namespace platform {

class QpdfFinisher : public PdfFinisher {
public:
    void Finish(const std::string& input, const std::string& output,
                const PdfFinish& finish) override;
    void Join(const std::vector<std::string>& parts, const std::string& output) override;
    PdfFacts Inspect(const std::string& path) override;
    std::vector<std::string> ArchiveProblems(const std::string& path) override;
};

}  // namespace platform
