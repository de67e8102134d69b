#include "convert/TvxPellin.h"

#include <filesystem>
#include <stdexcept>

#include "batch/TvxBatch.h"
#include "batch/TvxNode.h"
#include "convert/TopicList.h"
#include "core/TvxProject.h"
#include "platform/Registry.h"

using platform::ObjectRef;

namespace {

constexpr int kFormatPdf = 17;
constexpr int kOptimizeForPrint = 0;
constexpr int kRangeAllDocument = 0;
constexpr int kItemDocumentWithMarkup = 7;
constexpr int kBookmarksFromHeadings = 1;
constexpr int kPrintAllDocument = 0;
constexpr std::int64_t kLinkedPicture = 4;

bool FileExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

// Holds the batch's lock for the printer step: the driver settings and the
// active printer are shared by all workers of the batch.
class BatchLockGuard {
public:
    explicit BatchLockGuard(TvxBatch* batch) : batch_(batch) { batch_->LockNodes(); }
    ~BatchLockGuard() { batch_->UnlockNodes(); }
    BatchLockGuard(const BatchLockGuard&) = delete;
    BatchLockGuard& operator=(const BatchLockGuard&) = delete;

private:
    TvxBatch* batch_;
};

}  // namespace

TvxPellin::TvxPellin(TvxBatch* batch, std::int32_t count, const TvxNodeEvent& onJobDone)
    : TvxWordOle(batch, count, onJobDone) {}

TvxConvertor* TvxPellin::Make(TvxBatch* batch, std::int32_t count, const TvxNodeEvent& onJobDone) {
    return new TvxPellin(batch, count, onJobDone);
}

void TvxPellin::ConvertFile(TvxBatch* batch, TvxNode* node) {
    const std::string target = MakeTargetName(batch, node);
    if (target.empty()) return;  // skipped: the target exists and is kept

    TvxChmJobState state;
    std::string failure;
    bool pagesRead = false;
    try {
        BuildAndExport(batch, node, target, state, pagesRead);
    } catch (const std::exception& error) {
        failure = error.what();
        if (failure.empty()) failure = "Conversion failed";
    } catch (...) {
        failure = "Conversion failed";
    }
    if (!failure.empty()) {
        // The temporary folder goes on every way out, not only on success.
        RemoveTempFolder(state);
        // A file that gave no readable page is no document for the office
        // suite either: it would import the raw bytes as text and call the
        // result a success.
        if (!pagesRead || !ExportPdfViaServiceManager(node->FileName, target)) {
            ReportFailure(batch, node, failure);
            return;
        }
    }
    ReportSuccess(batch, node, target);
}

void TvxPellin::BuildAndExport(TvxBatch* batch, TvxNode* node, const std::string& target,
                               TvxChmJobState& state, bool& pagesRead) {
    MakeTempFolder(state, node->Index);
    DecompileChm(node->FileName, state, DecompileSettings);
    DeleteTarget(target);
    // An empty document is never a success.
    if (!AnyFileExists(state.TopicFiles))
        throw std::runtime_error("No topic found in the help file");
    pagesRead = true;
    OpenDocument("");
    AssemblePages(state);
    ExportWithFallbacks(batch, node->FileName, target);
    RemoveTempFolder(state);
    state.TopicFiles.clear();
}

void TvxPellin::ExportWithFallbacks(TvxBatch* batch, const std::string& source,
                                    const std::string& target) {
    try {
        ExportWithWordProcessor(target);
    } catch (const std::exception&) {
        // The office suite is handed the CHM file itself, not the document.
        if (ExportPdfViaServiceManager(source, target)) return;
        PrintOnPdfPrinter(batch, target);
    }
}

void TvxPellin::ExportWithWordProcessor(const std::string& target) {
    if (IsWps) {
        Document->call("ExportPdf", {target});
        return;
    }
    Document->call("ExportAsFixedFormat", {target, kFormatPdf, false, kOptimizeForPrint,
                                           kRangeAllDocument, 1, 1, kItemDocumentWithMarkup, false,
                                           false, kBookmarksFromHeadings, false, true, false});
}

void TvxPellin::PrintOnPdfPrinter(TvxBatch* batch, const std::string& target) {
    BatchLockGuard lock(batch);
    const std::string savedPrinter = WordApp->get("ActivePrinter").toText();
    auto restorePrinter = [&] {
        try {
            WordApp->put("ActivePrinter", savedPrinter);
        } catch (...) {
            // The print has been handed over (or has failed for its own reason).
        }
    };
    try {
        platform::Registry& registry = platform::ProcessRegistry();
        SetupPrinterOutput(
            *vxProject, registry, target, [this] { return PrintingAppPath(); }, PrinterWait);
        WordApp->put("ActivePrinter", ChoosePdfPrinter(*vxProject, registry));
        Document->call("PrintOut", {false, false, kPrintAllDocument});
    } catch (...) {
        restorePrinter();
        throw;
    }
    restorePrinter();
}

void TvxPellin::AssemblePages(const TvxChmJobState& state) {
    for (const std::string& topic : state.TopicFiles) {
        if (!FileExists(topic)) continue;
        WordApp->get("Selection")
            .toObject()
            ->call("InsertFile", {topic, std::string(), false, false, false});
    }
    EmbedLinkedPictures();
}

void TvxPellin::EmbedLinkedPictures() {
    try {
        const ObjectRef shapes = Document->get("InlineShapes").toObject();
        const std::int64_t count = shapes->get("Count").toInt();
        for (std::int64_t i = 1; i <= count; ++i) {
            try {
                const ObjectRef shape = shapes->call("Item", {i}).toObject();
                if (shape->get("Type").toInt() == kLinkedPicture)
                    shape->get("LinkFormat").toObject()->put("SavePictureWithDocument", true);
            } catch (...) {
                // One picture that cannot be embedded stays linked.
            }
        }
    } catch (...) {
    }
}

void TvxPellin::ReportSuccess(TvxBatch* batch, TvxNode* node, const std::string& target) {
    CloseDocument();
    try {
        PostProcess(batch, node, target);
    } catch (...) {
        // Treating the source is best effort; the PDF is there.
    }
    node->ResultText = target;
    node->Status = TvxNode::Done;
    batch->AddSuccess();
}

void TvxPellin::ReportFailure(TvxBatch* batch, TvxNode* node, const std::string& message) {
    node->ResultText = message;
    node->Status = TvxNode::Failed;
    batch->AddFailure(message);
    CloseDocument();
}
