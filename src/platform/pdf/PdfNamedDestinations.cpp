#include "platform/pdf/PdfNamedDestinations.h"

#include <algorithm>

#include "platform/pdf/OfficeDestinationName.h"

namespace platform {

namespace {

// A destination is an array, or a dictionary holding the array under /D.
QPDFObjectHandle DestinationArray(QPDFObjectHandle value) {
    if (value.isDictionary()) value = value.getKey("/D");
    return value.isArray() ? value : QPDFObjectHandle::newNull();
}

QPDFObjectHandle NumberOrNull(QPDFObjectHandle value) {
    return value.isNumber() ? value : QPDFObjectHandle::newNull();
}

// [page /XYZ left top zoom] with the zoom left to the reader; other kinds of
// destination (/Fit, /FitH ...) are copied as they are.
QPDFObjectHandle Explicit(QPDFObjectHandle array) {
    if (array.getArrayNItems() < 2) return QPDFObjectHandle::newNull();
    QPDFObjectHandle page = array.getArrayItem(0);
    QPDFObjectHandle kind = array.getArrayItem(1);
    if (!page.isIndirect() || !page.isPageObject() || !kind.isName())
        return QPDFObjectHandle::newNull();
    if (kind.getName() != "/XYZ") return array.shallowCopy();
    return QPDFObjectHandle::newArray({page, kind, NumberOrNull(array.getArrayItem(2)),
                                       NumberOrNull(array.getArrayItem(3)),
                                       QPDFObjectHandle::newNull()});
}

}  // namespace

PdfNamedDestinations::PdfNamedDestinations(QPDF& pdf) {
    QPDFObjectHandle root = pdf.getRoot();
    dests_ = root.getKey("/Dests");
    if (!dests_.isDictionary()) dests_ = QPDFObjectHandle::newNull();
    QPDFObjectHandle names = root.getKey("/Names");
    QPDFObjectHandle tree = names.isDictionary() ? names.getKey("/Dests") : names;
    if (tree.isDictionary()) tree_ = std::make_unique<QPDFNameTreeObjectHelper>(tree, pdf);
}

std::vector<std::string> PdfNamedDestinations::Names() const {
    std::vector<std::string> names;
    if (dests_.isDictionary())
        for (const auto& key : dests_.getKeys()) names.push_back(key.substr(1));  // drop the "/"
    try {
        if (tree_)
            for (const auto& [key, value] : *tree_) names.push_back(key);
    } catch (const std::exception&) {
        // A broken name tree: the names read so far are what it offers.
    }
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

PdfNamedDestinations::Found PdfNamedDestinations::Find(const std::string& name) const {
    Found found;
    if (dests_.isDictionary() && dests_.hasKey("/" + name)) {
        found.Value = dests_.getKey("/" + name);
        found.Reference = QPDFObjectHandle::newName("/" + name);
        return found;
    }
    try {
        if (tree_ && tree_->findObject(name, found.Value))
            found.Reference = QPDFObjectHandle::newUnicodeString(name);
    } catch (const std::exception&) {
        // A broken name tree holds nothing we can jump to.
    }
    return found;
}

QPDFObjectHandle PdfNamedDestinations::JumpTo(const std::string& name) const {
    if (name.empty()) return QPDFObjectHandle::newNull();
    Found found = Find(name);
    if (!found.Reference.isInitialized()) found = Find(OfficeDestinationName(name));
    if (!found.Reference.isInitialized()) return QPDFObjectHandle::newNull();
    QPDFObjectHandle array = DestinationArray(found.Value);
    if (array.isNull()) return array;  // a name that leads nowhere is as good as none
    QPDFObjectHandle jump = Explicit(array);
    return jump.isNull() ? found.Reference : jump;
}

}  // namespace platform
