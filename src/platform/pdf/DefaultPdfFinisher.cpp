#include <stdexcept>

#include "platform/pdf/PdfFinisher.h"

namespace platform {

namespace {

// Stands in until the qpdf-backed finisher is part of the build: a PDF that
// cannot be checked is not passed as a converted help file.
class UnavailablePdfFinisher : public PdfFinisher {
public:
    void Finish(const std::string&, const std::string&, const PdfFinish&) override { Fail(); }
    PdfFacts Inspect(const std::string&) override { Fail(); }

private:
    [[noreturn]] static void Fail() {
        throw std::runtime_error("PDF files cannot be checked in this build");
    }
};

}  // namespace

PdfFinisher& DefaultPdfFinisher() {
    static UnavailablePdfFinisher finisher;
    return finisher;
}

}  // namespace platform
