#pragma once
// A PDF finisher for the converter's tests, fitting the fake office: a "PDF"
// is text starting "%PDF", and the named destinations it holds are the
// anchors named in the text that the fake export copied into it. The output
// is written the way the real finisher writes, failures included.

#include <functional>
#include <regex>
#include <set>
#include <string>

#include "platform/pdf/PdfFinisher.h"

namespace fake {

class FakePdfFinisher : public platform::PdfFinisher {
public:
    void Finish(const std::string& input, const std::string& output,
                const platform::PdfFinish& finish) override;
    // The parts' texts one after another.
    void Join(const std::vector<std::string>& parts, const std::string& output) override;
    platform::PdfFacts Inspect(const std::string& path) override;
    std::vector<std::string> ArchiveProblems(const std::string& path) override;

    // What the last Finish was asked to do.
    platform::PdfFinish last;
    int finished = 0;
    std::size_t joinedParts = 0;  // of the last join
    // Runs before the output is written (a test fills the disk there).
    std::function<void()> beforeWrite;
    std::vector<std::string> archiveProblems;  // what ArchiveProblems finds
    std::vector<std::string> archiveChecked;   // the files it was asked about
};

}  // namespace fake
