#include "platform/pdf/QpdfFinisher.h"

#include <climits>
#include <qpdf/QPDF.hh>

#include "platform/pdf/PdfArchiveCheck.h"
#include "platform/pdf/PdfFileAccess.h"
#include "platform/pdf/PdfJoin.h"
#include "platform/pdf/PdfLinkJumps.h"
#include "platform/pdf/PdfNamedDestinations.h"
#include "platform/pdf/PdfOutlineBuilder.h"
#include "platform/pdf/XmpPacket.h"

namespace platform {

namespace {

using Object = QPDFObjectHandle;

// The dictionary under `key`, made (empty) when missing or of another kind.
Object DictionaryUnder(Object parent, const std::string& key) {
    Object value = parent.getKey(key);
    if (!value.isDictionary()) {
        value = Object::newDictionary();
        parent.replaceKey(key, value);
    }
    return value;
}

void ReplaceOutline(QPDF& pdf, const std::vector<PdfOutlineItem>& items) {
    Object root = pdf.getRoot();
    Object outlines = BuildPdfOutline(pdf, items, PdfNamedDestinations(pdf));
    if (outlines.isNull()) {
        root.removeKey("/Outlines");
        // An outline panel opened on nothing.
        if (root.getKey("/PageMode").isNameAndEquals("/UseOutlines")) root.removeKey("/PageMode");
        return;
    }
    root.replaceKey("/Outlines", outlines);
    root.replaceKey("/PageMode", Object::newName("/UseOutlines"));
}

void SetDocumentInformation(QPDF& pdf, const PdfFinish& finish) {
    if (finish.Title.empty() && finish.Creator.empty()) return;
    Object trailer = pdf.getTrailer();
    Object info = trailer.getKey("/Info");
    if (!info.isDictionary()) {
        info = pdf.makeIndirectObject(Object::newDictionary());
        trailer.replaceKey("/Info", info);
    }
    if (!finish.Title.empty()) {
        info.replaceKey("/Title", Object::newUnicodeString(finish.Title));
        // Readers then show the title in the window caption, not the file name.
        DictionaryUnder(pdf.getRoot(), "/ViewerPreferences")
            .replaceKey("/DisplayDocTitle", Object::newBool(true));
    }
    if (!finish.Creator.empty())
        info.replaceKey("/Creator", Object::newUnicodeString(finish.Creator));
}

// PDF/A files carry the document information twice; both must agree.
void UpdateMetadata(QPDF& pdf, const PdfFinish& finish) {
    Object metadata = pdf.getRoot().getKey("/Metadata");
    if (!metadata.isStream()) return;
    XmpChanges changes;
    if (!finish.Title.empty()) changes.Title = finish.Title;
    if (!finish.Creator.empty()) changes.CreatorTool = finish.Creator;
    if (!finish.Language.empty()) changes.Language = finish.Language;
    if (!changes.Title && !changes.CreatorTool && !changes.Language) return;
    std::string packet;
    try {
        const auto data = metadata.getStreamData(qpdf_dl_generalized);
        packet.assign(reinterpret_cast<const char*>(data->getBuffer()), data->getSize());
    } catch (const std::exception&) {
        return;  // encoded in a way qpdf cannot read: left as it is
    }
    std::string updated = UpdateXmpPacket(packet, changes);
    if (updated != packet)
        metadata.replaceStreamData(updated, Object::newNull(), Object::newNull());
}

// The page tree's own count, so a file of thousands of pages is not walked;
// a tree without a usable count is counted page by page.
int PageCount(QPDF& pdf) {
    Object pages = pdf.getRoot().getKey("/Pages");
    Object count = pages.isDictionary() ? pages.getKey("/Count") : Object::newNull();
    if (count.isInteger() && count.getIntValue() >= 0 && count.getIntValue() <= INT_MAX)
        return count.getIntValueAsInt();
    return static_cast<int>(pdf.getAllPages().size());
}

void Apply(QPDF& pdf, const PdfFinish& finish) {
    TurnAddressLinksIntoJumps(pdf, finish.PlaceAddressPrefix);
    if (finish.Outline) ReplaceOutline(pdf, *finish.Outline);
    SetDocumentInformation(pdf, finish);
    if (!finish.Language.empty())
        pdf.getRoot().replaceKey("/Lang", Object::newUnicodeString(finish.Language));
    UpdateMetadata(pdf, finish);
}

}  // namespace

void QpdfFinisher::Finish(const std::string& input, const std::string& output,
                          const PdfFinish& finish) {
    QPDF pdf;
    OpenPdf(pdf, input);
    try {
        Apply(pdf, finish);
    } catch (const std::exception& error) {
        throw DamagedPdf(error);
    }
    WritePdf(pdf, output);
}

void QpdfFinisher::Join(const std::vector<std::string>& parts, const std::string& output) {
    JoinedPdf joined(parts);
    WritePdf(joined.Pdf(), output);
}

PdfFacts QpdfFinisher::Inspect(const std::string& path) {
    QPDF pdf;
    OpenPdf(pdf, path);
    try {
        PdfFacts facts;
        facts.Pages = PageCount(pdf);
        facts.NamedDestinations = PdfNamedDestinations(pdf).Names();
        return facts;
    } catch (const std::exception& error) {
        throw DamagedPdf(error);
    }
}

std::vector<std::string> QpdfFinisher::ArchiveProblems(const std::string& path) {
    QPDF pdf;
    OpenPdf(pdf, path);
    try {
        return PdfArchiveProblems(pdf, kArchivePart, kArchiveConformance);
    } catch (const std::exception& error) {
        throw DamagedPdf(error);
    }
}

}  // namespace platform
