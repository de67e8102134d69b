#include <qpdf/QPDF.hh>

#include "platform/pdf/PdfFinisher.h"
#include "platform/pdf/QpdfFinisher.h"

namespace platform {

PdfFinisher& DefaultPdfFinisher() {
    static QpdfFinisher finisher;
    return finisher;
}

std::string PdfLibraryVersion() { return QPDF::QPDFVersion(); }

}  // namespace platform
