#include "platform/pdf/PdfOutlineBuilder.h"

namespace platform {

namespace {

// An entry that stays, with where it jumps.
struct Entry {
    std::string Title;
    QPDFObjectHandle Jump;
    std::vector<Entry> Children;
    bool Open = false;
};

// Line breaks and other control characters would show as boxes in the
// reader's outline panel; they become blanks.
std::string PlainTitle(std::string title) {
    for (char& c : title)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f) c = ' ';
    return title;
}

class EntryResolver {
public:
    explicit EntryResolver(const PdfNamedDestinations& destinations)
        : destinations_(destinations) {}

    std::vector<Entry> Resolve(const std::vector<PdfOutlineItem>& items, int depth) const {
        std::vector<Entry> entries;
        for (const auto& item : items) {
            Entry entry{PlainTitle(item.Title), destinations_.JumpTo(item.Destination), {}};
            if (depth + 1 < MaxOutlineDepth) {
                entry.Children = Resolve(item.Children, depth + 1);
                Keep(std::move(entry), entries);
            } else {
                Keep(std::move(entry), entries);
                for (auto& child : Resolve(item.Children, depth))
                    entries.push_back(std::move(child));
            }
        }
        return entries;
    }

private:
    static void Keep(Entry entry, std::vector<Entry>& entries) {
        if (entry.Jump.isNull() && !entry.Children.empty()) entry.Jump = entry.Children[0].Jump;
        if (!entry.Jump.isNull()) entries.push_back(std::move(entry));
    }

    const PdfNamedDestinations& destinations_;
};

// Entries a reader shows below `entries` when those are shown: each entry,
// plus what its children show when it is open.
long VisibleCount(const std::vector<Entry>& entries) {
    long count = 0;
    for (const auto& entry : entries) count += 1 + (entry.Open ? VisibleCount(entry.Children) : 0);
    return count;
}

// Writes `entries` as the children of `parent`, linked as siblings.
void WriteChildren(QPDF& pdf, QPDFObjectHandle parent, const std::vector<Entry>& entries) {
    QPDFObjectHandle previous;
    for (const auto& entry : entries) {
        QPDFObjectHandle item = pdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
        item.replaceKey("/Title", QPDFObjectHandle::newUnicodeString(entry.Title));
        item.replaceKey("/Parent", parent);
        item.replaceKey("/Dest", entry.Jump);
        if (previous.isInitialized()) {
            item.replaceKey("/Prev", previous);
            previous.replaceKey("/Next", item);
        } else {
            parent.replaceKey("/First", item);
        }
        if (!entry.Children.empty()) {
            WriteChildren(pdf, item, entry.Children);
            // Closed entries tell, as a negative count, what opening them shows.
            const long shown = VisibleCount(entry.Children);
            item.replaceKey("/Count", QPDFObjectHandle::newInteger(entry.Open ? shown : -shown));
        }
        previous = item;
    }
    parent.replaceKey("/Last", previous);
}

}  // namespace

QPDFObjectHandle BuildPdfOutline(QPDF& pdf, const std::vector<PdfOutlineItem>& items,
                                 const PdfNamedDestinations& destinations) {
    std::vector<Entry> entries = EntryResolver(destinations).Resolve(items, 0);
    if (entries.empty()) return QPDFObjectHandle::newNull();
    if (entries.size() <= OpenTopLevelAtMost)
        for (auto& entry : entries) entry.Open = true;
    QPDFObjectHandle outlines = pdf.makeIndirectObject(QPDFObjectHandle::newDictionary());
    outlines.replaceKey("/Type", QPDFObjectHandle::newName("/Outlines"));
    WriteChildren(pdf, outlines, entries);
    outlines.replaceKey("/Count", QPDFObjectHandle::newInteger(VisibleCount(entries)));
    return outlines;
}

}  // namespace platform
