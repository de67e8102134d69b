#pragma once
// What the rows of a batch tell about its jobs, and the texts the status bar
// makes of it: the clock of a run and the summary at its end.

#include <QString>
#include <cstdint>

namespace ui {

struct RowTally {
    int known = 0;         // rows, one per job found so far
    int converted = 0;     // a PDF was written
    int skipped = 0;       // done without writing: the PDF existed and was kept
    int failed = 0;        // ended with an error
    int notConverted = 0;  // the run ended without taking the job

    int Finished() const { return converted + skipped + failed; }
};

// "7 s", "2 min 03 s", "1 h 02 min 03 s"; fractions of a second are dropped.
QString DurationText(std::int64_t milliseconds);
// The running clock: "0:07", "2:03", "1:02:03".
QString ClockText(std::int64_t milliseconds);
// "38 converted, 2 failed, 0 skipped in 2 min 03 s"; jobs left out by Stop
// are named before the time when there are any.
QString RunSummaryText(const RowTally& tally, std::int64_t milliseconds);

}  // namespace ui
