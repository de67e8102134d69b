#include "convert/job/TvxPellin.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

#include "batch/TvxBatch.h"
#include "batch/TvxNode.h"
#include "convert/book/AnchorNames.h"
#include "convert/chm/HelpFile.h"
#include "convert/job/JobMessages.h"
#include "convert/job/JobTimings.h"
#include "convert/job/TopicIsolation.h"
#include "convert/output/LinkedPictures.h"
#include "convert/output/PartialTarget.h"
#include "core/OptionParsers.h"
#include "core/TvxProject.h"
#include "platform/files/FileWrite.h"
#include "platform/pdf/PdfFinisher.h"
#include "platform/process/StopRequest.h"
#include "platform/registry/Registry.h"
#include "platform/text/AsciiText.h"

using platform::AutomationError;
using platform::ObjectRef;

namespace {

constexpr int kFormatPdf = 17;
constexpr int kOptimizeForPrint = 0;
constexpr int kRangeAllDocument = 0;
constexpr int kItemDocumentWithMarkup = 7;
constexpr int kBookmarksNone = 0;
constexpr int kBookmarksFromHeadings = 1;
constexpr int kPrintAllDocument = 0;
constexpr const char* kBookName = "#pellin-book.html";

// The office names the file it was given, the book, in its messages; the
// user knows it as the help file's pages.
std::string WithTheBookNamedForTheUser(std::string message) {
    for (const std::string_view name :
         {std::string_view("%23pellin-book.html"), std::string_view(kBookName)})
        for (auto at = message.find(name); at != std::string::npos; at = message.find(name, at))
            message.replace(at, name.size(), "the help file's pages");
    return message;
}
constexpr const char* kProbeName = "#pellin-probe";
constexpr const char* kPartName = "#pellin-part-";

// The files the book was written to, in order.
std::vector<std::string> BookFiles(const Book& book) {
    return book.Parts.empty() ? std::vector<std::string>{book.Path} : book.Parts;
}

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

bool OptionOn(const char* key) {
    return options::ParseBoolean(vxProject->GetOption(key)).value_or(false);
}

// "Contents" (the default), "Headings" or "None", in lower case.
std::string OutlineChoice() {
    const std::string value = platform::ToLowerAscii(vxProject->GetOption("Outline"));
    return value == "headings" || value == "none" ? value : "contents";
}

}  // namespace

struct TvxPellin::Job {
    TvxBatch* batch = nullptr;
    TvxNode* node = nullptr;
    TvxChmJobState state;
    HelpFile help;  // as the page reader read it; the book numbers its topics in their order
    Book book;
    std::set<int> stoppedOffice;   // topics that bring the office down
    std::set<int> slowForOffice;   // of them, those the office did not finish in time
    bool probeTimedOut = false;    // the last probe ended at the office's time limit
    ReaderCulprits stoppedReader;  // topics that crash or stall the page reader
    std::vector<platform::PdfOutlineItem> outline;  // of the contents, for the book's places
    JobTimings timings;
    std::unique_ptr<PartialTarget> partial;
    bool printed = false;     // handed to a PDF printer, which writes the target itself
    std::string archiveNote;  // what keeps an archival PDF from being one
};

TvxPellin::TvxPellin(TvxBatch* batch, std::int32_t count, const TvxNodeEvent& onJobDone)
    : TvxWordOle(batch, count, onJobDone) {}

TvxPellin::~TvxPellin() = default;

TvxConvertor* TvxPellin::Make(TvxBatch* batch, std::int32_t count, const TvxNodeEvent& onJobDone) {
    return new TvxPellin(batch, count, onJobDone);
}

void TvxPellin::ConvertFile(TvxBatch* batch, TvxNode* node) {
    const std::string target = MakeTargetName(batch, node);
    if (target.empty()) return;  // skipped: the target exists and is kept

    Job job;
    job.batch = batch;
    job.node = node;
    job_ = &job;
    std::string failure;
    try {
        Convert(job, target);
    } catch (const std::exception& error) {
        failure = WithTheBookNamedForTheUser(error.what());
        if (failure.empty()) failure = "Conversion failed";
    } catch (...) {
        failure = "Conversion failed";
    }
    job_ = nullptr;
    // A stop kills the office under the job: the job failed because of the
    // stop, not because of the help file.
    if (!failure.empty() && platform::StopRequested()) failure = "The run was stopped";
    // The temporary folder goes on every way out, not only on success.
    RemoveTempFolder(job.state);
    node->Timings = job.timings.Text();
    if (!failure.empty()) {
        ReportFailure(batch, node, failure);
        return;
    }
    node->Note = JobNote(job.help, LeftOutNoteOf(job), job.archiveNote);
    ReportSuccess(batch, node, target);
}

void TvxPellin::Convert(Job& job, const std::string& target) {
    // A target folder that takes no file fails the job before any work.
    job.partial = std::make_unique<PartialTarget>(target);
    job.timings.Start("decompile");
    MakeTempFolder(job.state, job.node->Index);
    RunDecompiler(job.node->FileName, job.state, DecompileSettings);
    job.timings.Start("book");
    PrepareBook(job);
    AssembleAndExport(job);
    if (job.printed) return;
    job.timings.Start("finish");
    FinishPdf(job);
    // The finisher rewrote the file: what the office made archival must
    // still be so. A PDF that is not is kept, with a note saying why.
    if (OptionOn("PdfA"))
        job.archiveNote = ArchiveNote(PdfSteps().ArchiveProblems(job.partial->FinishedPath()));
    job.partial->Commit(job.partial->FinishedPath());
}

// The help file's pages are read by the page reader, a process of its own;
// the first reading also tells the topics, the title and the language.
void TvxPellin::PrepareBook(Job& job) {
    Reader.SearchWait = DecompileSettings.SearchWait;
    Reader.TopicPageBreak = OptionOn("TopicPageBreak");
    // Parts are joined by the finisher, which cannot join an archival or
    // tagged file, nor the office's outline of headings.
    const bool joinable = OutlineChoice() == "contents" && !OptionOn("PdfA") && !OptionOn("Tagged");
    Reader.Parts = joinable ? Parts : PartSize{};
    PageReading reading =
        ReadPagesApart(job.state, kBookName, job.stoppedOffice, Reader, job.stoppedReader);
    if (job.help.Topics.empty()) {
        job.help.Topics = std::move(reading.Topics);
        job.help.System = std::move(reading.System);
        job.help.DecompilerExit = job.state.DecompilerExit;
        job.help.MissingContentsEntries = reading.MissingContentsEntries;
    }
    job.outline = std::move(reading.Outline);
    job.book = std::move(reading.Written);
    if (job.book.Included.empty() && !job.stoppedOffice.empty() &&
        std::includes(job.slowForOffice.begin(), job.slowForOffice.end(), job.stoppedOffice.begin(),
                      job.stoppedOffice.end()))
        throw std::runtime_error(OfficeTooSlowMessage(
            job.help.Topics[static_cast<std::size_t>(*job.stoppedOffice.begin())]));
    if (job.book.Included.empty())
        throw std::runtime_error(
            NoTopicMessage(job.help, job.book.LeftOut, !job.stoppedOffice.empty()));
    job.state.TopicFiles = BookFiles(job.book);
}

// When the office goes down on the document, the topics that bring it down
// are found and left out, and the document is made again without them.
void TvxPellin::AssembleAndExport(Job& job) {
    const auto started = std::chrono::steady_clock::now();
    try {
        BuildAndExportDocument(job);
    } catch (const AutomationError& error) {
        if (!error.serverLost() || platform::StopRequested()) throw;
        CloseDocument();
        const auto first = std::current_exception();
        LeaveOutTopicsThatStopTheOffice(job, error.code() == AutomationError::kTimedOut,
                                        std::chrono::steady_clock::now() - started);
        if (job.stoppedOffice.empty()) std::rethrow_exception(first);
        job.timings.Start("book");
        PrepareBook(job);
        BuildAndExportDocument(job);
    }
}

void TvxPellin::BuildAndExportDocument(Job& job) {
    if (PartsCanBeJoined(job)) {
        try {
            ExportInParts(job);
            return;
        } catch (const AutomationError& error) {
            if (error.serverLost()) throw;
        } catch (const std::exception&) {
        }
        // The parts go into one document and out by the usual routes.
        CloseDocument();
    }
    job.timings.Start("insert");
    OpenDocument("");
    AssemblePages(job.state);
    job.timings.Start("export");
    ExportWithFallbacks(job);
}

// The outline the finisher writes covers every part; the office's own,
// from headings, would cover only the first.
bool TvxPellin::PartsCanBeJoined(const Job& job) {
    return job.book.Parts.size() > 1 && !job.outline.empty();
}

// Each part is a document of its own, exported beside the book, and the
// parts are joined into the PDF the other routes would write.
void TvxPellin::ExportInParts(Job& job) {
    std::vector<std::string> pdfs;
    for (std::size_t part = 0; part < job.book.Parts.size(); ++part) {
        job.timings.Start("insert");
        OpenDocument("");
        InsertFile(job.book.Parts[part]);
        if (job.book.LinkedPictures > 0) {
            job.timings.Start("pictures");
            EmbedLinkedPictures();
        }
        job.timings.Start("export");
        pdfs.push_back(job.state.TempFolder + kPartName + std::to_string(part + 1) + ".pdf");
        ExportWithWordProcessor(pdfs.back());
        CloseDocument();
    }
    job.timings.Start("join");
    PdfSteps().Join(pdfs, job.partial->Path());
    RequireTopicsInPdf(job, job.partial->Path());
}

// A topic found alone is too slow rather than fatal when the office ran out
// of time on it. After a time-out, parts tried past the search's time are
// taken as made: what is found by then is left out, else the job fails with
// the first error.
void TvxPellin::LeaveOutTopicsThatStopTheOffice(Job& job, bool timedOut,
                                                std::chrono::steady_clock::duration firstTry) {
    job.timings.Start("isolate");
    using Duration = std::chrono::steady_clock::duration;
    const Duration searchTime = SlowSearchTime
                                    ? Duration(*SlowSearchTime)
                                    : std::max<Duration>(firstTry, std::chrono::minutes(1));
    const auto searchEnds = std::chrono::steady_clock::now() + searchTime;
    const std::vector<int> included = job.book.Included;
    if (timedOut && included.size() == 1) job.slowForOffice.insert(included.front());
    const int probes = 4 * static_cast<int>(std::ceil(std::log2(included.size() + 1.0))) + 4;
    const auto result = IsolateFailingTopics(
        included,
        [&](const std::vector<int>& topics) {
            if (timedOut && std::chrono::steady_clock::now() >= searchEnds) return true;
            std::set<int> skipped(job.stoppedOffice);
            for (int topic : included)
                if (std::find(topics.begin(), topics.end(), topic) == topics.end())
                    skipped.insert(topic);
            const bool made = DocumentCanBeMade(job, skipped);
            if (!made && job.probeTimedOut && topics.size() == 1)
                job.slowForOffice.insert(topics.front());
            return made;
        },
        probes);
    job.stoppedOffice.insert(result.Culprits.begin(), result.Culprits.end());
}

// One try at a document without the `skipped` topics, exported into the job
// folder; false only when the office went down on it.
bool TvxPellin::DocumentCanBeMade(Job& job, const std::set<int>& skipped) {
    const std::string probe = job.state.TempFolder + kProbeName;
    try {
        PageReaderSettings whole = Reader;
        whole.Parts = PartSize{};
        const Book book = ReadPagesApart(job.state, std::string(kProbeName) + ".html", skipped,
                                         whole, job.stoppedReader)
                              .Written;
        OpenDocument("");
        InsertFile(book.Path);
        ExportWithWordProcessor(probe + ".pdf");
        CloseDocument();
        return true;
    } catch (const AutomationError& error) {
        CloseDocument();
        job.probeTimedOut = error.code() == AutomationError::kTimedOut;
        return !error.serverLost();
    } catch (const std::exception&) {
        CloseDocument();
        return true;
    }
}

// The topics left out, those the office was too slow on named as such.
std::string TvxPellin::LeftOutNoteOf(const Job& job) {
    std::vector<BookTopicProblem> leftOut = job.book.LeftOut;
    std::set<int> stopped;
    for (int topic : job.stoppedOffice) {
        if (job.slowForOffice.count(topic) == 0)
            stopped.insert(topic);
        else
            leftOut.push_back(
                {job.help.Topics[static_cast<std::size_t>(topic)], kTooSlowForOffice});
    }
    return LeftOutNote(leftOut, stopped, job.help.Topics);
}

// The word processor's export, checked; then the written fallbacks. A failed
// job names the first route's error: the fallbacks only help when the export
// call itself failed, not when the office went down or the target folder
// takes no more files.
void TvxPellin::ExportWithFallbacks(Job& job) {
    const std::string& pdf = job.partial->Path();
    std::exception_ptr first;
    try {
        ExportWithWordProcessor(pdf);
        RequireTopicsInPdf(job, pdf);
        return;
    } catch (const AutomationError& error) {
        if (error.serverLost()) throw;
        first = std::current_exception();
    } catch (const std::exception&) {
        first = std::current_exception();
    }
    if (const auto problem = job.partial->WriteProblem()) throw std::runtime_error(*problem);
    // The office suite is handed the CHM file itself, not the document.
    if (ExportPdfViaServiceManager(job.node->FileName, pdf)) {
        try {
            RequireTopicsInPdf(job, pdf);
            return;
        } catch (const std::exception&) {
        }
    }
    try {
        PrintOnPdfPrinter(job.batch, job.partial->Target());
        job.printed = true;
        return;
    } catch (const std::exception&) {
    }
    std::rethrow_exception(first);
}

void TvxPellin::ExportWithWordProcessor(const std::string& target) {
    if (IsWps) {
        Document->call("ExportPdf", {target});
        return;
    }
    const int bookmarks = OutlineChoice() == "none" ? kBookmarksNone : kBookmarksFromHeadings;
    Document->call("ExportAsFixedFormat",
                   {target, kFormatPdf, false, kOptimizeForPrint, kRangeAllDocument, 1, 1,
                    kItemDocumentWithMarkup, false, false, bookmarks, OptionOn("Tagged"), true,
                    OptionOn("PdfA")});
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

// A PDF counts only when it holds pages and the places of the book's topics:
// a file the office made of something else (the raw help file) does not.
void TvxPellin::RequireTopicsInPdf(const Job& job, const std::string& pdf) {
    const platform::PdfFacts facts = PdfSteps().Inspect(pdf);
    const auto& names = facts.NamedDestinations;
    const bool holdsTopics =
        std::any_of(job.book.Included.begin(), job.book.Included.end(), [&](int topic) {
            return std::binary_search(names.begin(), names.end(), TopicAnchor(topic));
        });
    if (facts.Pages <= 0 || !holdsTopics)
        throw std::runtime_error(
            "The PDF written by LibreOffice does not hold the help file's topics");
}

void TvxPellin::FinishPdf(Job& job) {
    platform::PdfFinish finish;
    finish.Title = job.help.Title(job.node->FileName);
    finish.Creator = vxProject->Title + " " + vxProject->Version;
    finish.Language = job.help.Language();
    const std::string outline = OutlineChoice();
    if (outline == "none") {
        finish.Outline = std::vector<platform::PdfOutlineItem>{};
    } else if (outline == "contents") {
        if (!job.outline.empty()) finish.Outline = job.outline;  // else the headings stay
    }
    finish.PlaceAddressPrefix = kPlaceAddress;
    try {
        PdfSteps().Finish(job.partial->Path(), job.partial->FinishedPath(), finish);
    } catch (const platform::FileError& error) {
        // The finished copy has a hidden name; the user knows the target.
        if (error.Error() == 0) throw;
        throw platform::CannotWriteFile(job.partial->Target(), error.Error());
    }
}

platform::PdfFinisher& TvxPellin::PdfSteps() {
    return Finisher != nullptr ? *Finisher : platform::DefaultPdfFinisher();
}

void TvxPellin::AssemblePages(const TvxChmJobState& state) {
    InsertTopicFiles(state);
    // A book that carries all its pictures has them stored by the load.
    const bool allCarried = job_ != nullptr && state.TopicFiles == BookFiles(job_->book) &&
                            job_->book.LinkedPictures == 0;
    if (allCarried) return;
    if (job_ != nullptr) job_->timings.Start("pictures");
    EmbedLinkedPictures();
}

void TvxPellin::InsertTopicFiles(const TvxChmJobState& state) {
    for (const std::string& topic : state.TopicFiles)
        if (FileExists(topic)) InsertFile(topic);
}

// Inserts the file at the open document's selection, as the word processor does.
void TvxPellin::InsertFile(const std::string& path) {
    WordApp->get("Selection")
        .toObject()
        ->call("InsertFile", {path, std::string(), false, false, false});
}

void TvxPellin::EmbedLinkedPictures() { ::EmbedLinkedPictures(Document); }

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
