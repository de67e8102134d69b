#include "Extractor.h"

#include <stdexcept>

#include "EntryName.h"

namespace {

constexpr std::size_t ChunkBytes = 64 * 1024;

std::string Quoted(const std::string& rawName) { return "\"" + PrintableName(rawName) + "\""; }

}  // namespace

Extractor::Extractor(ArchiveReader& archive, EntrySink& sink, ExtractionLimits limits)
    : archive_(archive), sink_(sink), limits_(limits) {}

bool Extractor::Charge(std::uint64_t bytes) {
    if (bytes > limits_.MaxBytes - spent_) return false;
    spent_ += bytes;
    return true;
}

ExtractionReport Extractor::Run() {
    report_ = {};
    spent_ = 0;
    const ArchiveListing listing = archive_.List();
    report_.EntriesListed = listing.Entries.size();
    if (!listing.Complete)
        report_.Problems.push_back(
            "the directory of the file is damaged: entries after the damage are missing");
    for (std::size_t index = 0; index < listing.Entries.size(); ++index) {
        const ArchiveEntry& entry = listing.Entries[index];
        const EntryName name = ClassifyEntryName(entry.Name);
        Outcome outcome = Outcome::Skipped;
        if (name.Kind == EntryKind::Refused) {
            report_.Problems.push_back("refused entry " + Quoted(entry.Name) + ": " + name.Reason);
        } else if (name.Kind == EntryKind::Folder && !name.Components.empty()) {
            if (!Charge(limits_.CostPerEntry)) {
                outcome = Outcome::OutOfBudget;
            } else {
                try {
                    sink_.MakeFolder(name.Components);
                } catch (const SinkFull&) {
                    throw;
                } catch (const std::exception& error) {
                    report_.Problems.push_back(error.what());
                }
            }
        } else if (name.Kind == EntryKind::File) {
            outcome = ExtractFile(index, entry, name.Components);
        }
        if (outcome == Outcome::OutOfBudget) {
            report_.Problems.push_back("stopped at entry " + Quoted(entry.Name) +
                                       ": the output reached its limit of " +
                                       std::to_string(limits_.MaxBytes) + " bytes");
            break;
        }
    }
    return report_;
}

Extractor::Outcome Extractor::ExtractFile(std::size_t index, const ArchiveEntry& entry,
                                          const EntryPath& path) {
    if (!Charge(limits_.CostPerEntry)) return Outcome::OutOfBudget;
    // The claimed length is charged whole before anything is read: a single
    // entry that claims too much is left out, the others still fit.
    if (!Charge(entry.Length)) {
        report_.Problems.push_back("left out entry " + Quoted(entry.Name) + ": it claims " +
                                   std::to_string(entry.Length) +
                                   " bytes, more than the output limit leaves");
        return Outcome::Skipped;
    }
    try {
        auto file = sink_.BeginFile(path);
        const Outcome copied = CopyContent(index, entry, *file);
        if (copied != Outcome::Written) return copied;
        file->Commit();
    } catch (const SinkFull&) {
        throw;
    } catch (const std::exception& error) {
        report_.Problems.push_back(error.what());
        return Outcome::Skipped;
    }
    ++report_.FilesWritten;
    report_.BytesWritten += entry.Length;
    return Outcome::Written;
}

Extractor::Outcome Extractor::CopyContent(std::size_t index, const ArchiveEntry& entry,
                                          FileWriter& file) {
    std::vector<unsigned char> buffer(ChunkBytes);
    std::uint64_t copied = 0;
    while (copied < entry.Length) {
        const std::size_t got = archive_.Read(index, copied, buffer.data(), buffer.size());
        if (got == 0 || got > buffer.size()) {
            report_.Problems.push_back("left out damaged entry " + Quoted(entry.Name) + ": only " +
                                       std::to_string(copied) + " of " +
                                       std::to_string(entry.Length) + " bytes could be read");
            return Outcome::Skipped;
        }
        file.Write(buffer.data(), got);
        copied += got;
    }
    return Outcome::Written;
}
