#include "platform/pdf/PdfLinkJumps.h"

#include <optional>
#include <qpdf/QPDFPageDocumentHelper.hh>

#include "platform/pdf/PdfNamedDestinations.h"

namespace platform {

namespace {

using Object = QPDFObjectHandle;

// The name after `prefix` when `link` opens such an address, else nothing.
std::optional<std::string> NamedPlace(Object link, const std::string& prefix) {
    if (!link.isDictionary() || !link.getKey("/Subtype").isNameAndEquals("/Link"))
        return std::nullopt;
    Object action = link.getKey("/A");
    if (!action.isDictionary() || !action.getKey("/S").isNameAndEquals("/URI")) return std::nullopt;
    Object uri = action.getKey("/URI");
    if (!uri.isString()) return std::nullopt;
    const std::string address = uri.getStringValue();
    if (!address.starts_with(prefix)) return std::nullopt;
    return address.substr(prefix.size());
}

}  // namespace

void TurnAddressLinksIntoJumps(QPDF& pdf, const std::string& prefix) {
    if (prefix.empty()) return;
    const PdfNamedDestinations destinations(pdf);
    for (QPDFPageObjectHelper& page : QPDFPageDocumentHelper(pdf).getAllPages()) {
        Object dictionary = page.getObjectHandle();
        Object annotations = dictionary.getKey("/Annots");
        if (!annotations.isArray()) continue;
        std::vector<Object> kept;
        bool changed = false;
        for (Object link : annotations.aitems()) {
            const auto place = NamedPlace(link, prefix);
            if (!place) {
                kept.push_back(link);
                continue;
            }
            changed = true;
            Object jump = destinations.JumpTo(*place);
            if (jump.isNull()) continue;
            link.removeKey("/A");
            link.replaceKey("/Dest", jump);
            kept.push_back(link);
        }
        if (changed) dictionary.replaceKey("/Annots", Object::newArray(kept));
    }
}

}  // namespace platform
