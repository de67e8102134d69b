#pragma once
// The CHM-to-PDF converter: each job decompiles one CHM file into a private
// temporary folder, joins its topic pages in table-of-contents order into one
// safe document (the book), has the word processor load it and export it as
// PDF, then gives the PDF the help file's outline and title and moves it over
// the target. When the export fails it falls back to the office suite's
// service manager and then to printing on a PDF printer.

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <set>
#include <string>

#include "convert/chm/ChmDecompilation.h"
#include "convert/job/PageReader.h"
#include "convert/job/TvxWordOle.h"
#include "convert/output/PdfPrinterOutput.h"

namespace platform {
class PdfFinisher;
}

class TvxPellin : public TvxWordOle {
public:
    TvxPellin(TvxBatch* batch, std::int32_t count, const TvxNodeEvent& onJobDone);
    ~TvxPellin() override;

    // The factory the project keeps as its converter class.
    static TvxConvertor* Make(TvxBatch* batch, std::int32_t count, const TvxNodeEvent& onJobDone);

    // Converts the job's file and reports only through the job and the batch.
    void ConvertFile(TvxBatch* batch, TvxNode* node) override;
    // Inserts the existing topic files one after another into the open
    // document, then embeds its linked pictures (before the pages go away).
    void AssemblePages(const TvxChmJobState& state);

    // Programs and waits of a job; tests shorten them.
    TvxDecompileSettings DecompileSettings;
    PageReaderSettings Reader;
    // After the office ran out of time on the whole document, the search for
    // the topics it is slow on gets as long as that first try took, at least
    // a minute, so a document that is merely large is not loaded dozens of
    // times; a test sets the search's time itself.
    std::optional<std::chrono::milliseconds> SlowSearchTime;
    TvxPrinterOutputWait PrinterWait;
    // A book with many pictures is exported in parts of this size (see
    // BookParts): 500 pictures each, and at least 60,000 characters of text,
    // about 75 pages of an API reference, so that the pages the parts add
    // stay under 1.5%.
    PartSize Parts{500, 60'000};
    // The step after the export; nullptr uses the program's own.
    platform::PdfFinisher* Finisher = nullptr;

private:
    struct Job;

    void Convert(Job& job, const std::string& target);
    void PrepareBook(Job& job);
    void AssembleAndExport(Job& job);
    void BuildAndExportDocument(Job& job);
    static bool PartsCanBeJoined(const Job& job);
    void ExportInParts(Job& job);
    void LeaveOutTopicsThatStopTheOffice(Job& job, bool timedOut,
                                         std::chrono::steady_clock::duration firstTry);
    bool DocumentCanBeMade(Job& job, const std::set<int>& skipped);
    void ExportWithFallbacks(Job& job);
    void ExportWithWordProcessor(const std::string& target);
    void PrintOnPdfPrinter(TvxBatch* batch, const std::string& target);
    void RequireTopicsInPdf(const Job& job, const std::string& pdf);
    void FinishPdf(Job& job);
    void InsertTopicFiles(const TvxChmJobState& state);
    void InsertFile(const std::string& path);
    void EmbedLinkedPictures();
    static std::string LeftOutNoteOf(const Job& job);
    void ReportSuccess(TvxBatch* batch, TvxNode* node, const std::string& target);
    void ReportFailure(TvxBatch* batch, TvxNode* node, const std::string& message);
    platform::PdfFinisher& PdfSteps();

    Job* job_ = nullptr;  // the job in hand, for the steps that time themselves
};
