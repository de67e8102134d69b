#include "platform/pdf/PdfFinisher.h"
#include "platform/pdf/QpdfFinisher.h"

namespace platform {

PdfFinisher& DefaultPdfFinisher() {
    static QpdfFinisher finisher;
    return finisher;
}

}  // namespace platform
