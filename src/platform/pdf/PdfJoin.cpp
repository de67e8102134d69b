#include "platform/pdf/PdfJoin.h"

#include <algorithm>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <stdexcept>
#include <string_view>
#include <unordered_map>

#include "platform/pdf/PdfFileAccess.h"
#include "platform/pdf/PdfNamedDestinations.h"

namespace platform {

namespace {

using Object = QPDFObjectHandle;

// qpdf copies only indirect objects from another file.
Object CopyFrom(QPDF& part, QPDF& joined, Object value) {
    if (!value.isIndirect()) value = part.makeIndirectObject(value);
    return joined.copyForeignObject(value);
}

void RequireJoinable(QPDF& part, const std::string& path) {
    Object root = part.getRoot();
    if (root.hasKey("/AcroForm") || root.hasKey("/StructTreeRoot"))
        throw std::runtime_error("Cannot join " + path +
                                 ": it has form fields or a structure tree");
}

// The pages go first and their annotations after all of them: qpdf points a
// copied link at a page of the same part only once that page is copied.
void AppendPages(QPDF& part, QPDF& joined) {
    part.pushInheritedAttributesToPage();
    QPDFPageDocumentHelper into(joined);
    std::vector<std::pair<Object, Object>> annotated;  // copied page, its annotations
    for (QPDFPageObjectHelper& page : QPDFPageDocumentHelper(part).getAllPages()) {
        Object dictionary = page.getObjectHandle();
        Object annotations = dictionary.getKey("/Annots");
        dictionary.removeKey("/Annots");
        const Object copy = joined.copyForeignObject(dictionary);
        into.addPage(QPDFPageObjectHelper(copy), false);
        if (annotations.isArray()) annotated.emplace_back(copy, annotations);
    }
    for (auto& [copy, annotations] : annotated)
        copy.replaceKey("/Annots", CopyFrom(part, joined, annotations));
}

// Into the first part's /Dests dictionary, where the finisher looks first.
void AppendDestinations(QPDF& part, QPDF& joined) {
    Object root = joined.getRoot();
    Object dests = root.getKey("/Dests");
    if (!dests.isDictionary()) {
        dests = joined.makeIndirectObject(Object::newDictionary());
        root.replaceKey("/Dests", dests);
    }
    const PdfNamedDestinations names(part);
    for (const std::string& name : names.Names()) {
        Object jump = names.JumpTo(name);
        if (jump.isArray() && !dests.hasKey("/" + name))
            dests.replaceKey("/" + name, CopyFrom(part, joined, jump));
    }
}

// What tells a picture from another, up to its data: the dictionary with
// the pictures and palettes it refers to, which each part has copies of.
std::string Description(Object value, int depth) {
    if (depth > 8) return "?";
    if (value.isStream()) {
        Object dictionary = value.getDict().shallowCopy();
        dictionary.removeKey("/Length");
        const auto data = value.getRawStreamData();
        const std::string_view bytes(reinterpret_cast<const char*>(data->getBuffer()),
                                     data->getSize());
        return "stream" + Description(dictionary, depth + 1) + "#" +
               std::to_string(std::hash<std::string_view>()(bytes));
    }
    if (value.isDictionary()) {
        std::string text = "<<";
        for (const std::string& key : value.getKeys())
            text += key + " " + Description(value.getKey(key), depth + 1) + " ";
        return text + ">>";
    }
    if (value.isArray()) {
        std::string text = "[";
        for (Object item : value.aitems()) text += Description(item, depth + 1) + " ";
        return text + "]";
    }
    return value.unparse();
}

bool SameData(Object one, Object other) {
    const auto a = one.getRawStreamData(), b = other.getRawStreamData();
    return a->getSize() == b->getSize() &&
           std::equal(a->getBuffer(), a->getBuffer() + a->getSize(), b->getBuffer());
}

// The same icon on pages of several parts is stored once.
void ShareEqualPictures(QPDF& joined) {
    std::unordered_map<std::string, Object> firstOf;
    for (QPDFPageObjectHelper& page : QPDFPageDocumentHelper(joined).getAllPages()) {
        Object pictures = page.getObjectHandle().getKey("/Resources").getKey("/XObject");
        if (!pictures.isDictionary()) continue;
        for (const std::string& name : pictures.getKeys()) {
            Object picture = pictures.getKey(name);
            if (!picture.isStream() ||
                !picture.getDict().getKey("/Subtype").isNameAndEquals("/Image"))
                continue;
            const auto [first, fresh] = firstOf.emplace(Description(picture, 0), picture);
            if (!fresh && first->second.getObjGen() != picture.getObjGen() &&
                SameData(first->second, picture))
                pictures.replaceKey(name, first->second);
        }
    }
}

}  // namespace

JoinedPdf::JoinedPdf(const std::vector<std::string>& parts) {
    if (parts.empty()) throw std::invalid_argument("no PDF parts to join");
    for (const std::string& path : parts) {
        parts_.push_back(std::make_unique<QPDF>());
        OpenPdf(*parts_.back(), path);
        RequireJoinable(*parts_.back(), path);
    }
    QPDF& joined = Pdf();
    try {
        for (std::size_t i = 1; i < parts_.size(); ++i) {
            AppendPages(*parts_[i], joined);
            AppendDestinations(*parts_[i], joined);
        }
        if (parts_.size() > 1) ShareEqualPictures(joined);
    } catch (const std::exception& error) {
        throw DamagedPdf(error);
    }
}

}  // namespace platform
