#pragma once
// The CHM-to-PDF converter: each job decompiles one CHM file into a private
// temporary folder, inserts its topic pages in table-of-contents order into
// one new word-processor document and exports that as PDF. When the export
// fails it falls back to the office suite's service manager (given the CHM
// file itself) and then to printing on a PDF printer.

#include <cstdint>
#include <string>

#include "convert/ChmDecompilation.h"
#include "convert/PdfPrinterOutput.h"
#include "convert/TvxWordOle.h"

class TvxPellin : public TvxWordOle {
public:
    TvxPellin(TvxBatch* batch, std::int32_t count, const TvxNodeEvent& onJobDone);

    // The factory the project keeps as its converter class.
    static TvxConvertor* Make(TvxBatch* batch, std::int32_t count, const TvxNodeEvent& onJobDone);

    // Converts the job's file and reports only through the job and the batch.
    void ConvertFile(TvxBatch* batch, TvxNode* node) override;
    // Inserts the existing topic files one after another into the open
    // document, then embeds its linked pictures (before the pages go away).
    void AssemblePages(const TvxChmJobState& state);

    // Programs and waits of a job; tests shorten them.
    TvxDecompileSettings DecompileSettings;
    TvxPrinterOutputWait PrinterWait;

private:
    void BuildAndExport(TvxBatch* batch, TvxNode* node, const std::string& target,
                        TvxChmJobState& state, bool& pagesRead);
    void ExportWithFallbacks(TvxBatch* batch, const std::string& source, const std::string& target);
    void ExportWithWordProcessor(const std::string& target);
    void PrintOnPdfPrinter(TvxBatch* batch, const std::string& target);
    void EmbedLinkedPictures();
    void ReportSuccess(TvxBatch* batch, TvxNode* node, const std::string& target);
    void ReportFailure(TvxBatch* batch, TvxNode* node, const std::string& message);
};
