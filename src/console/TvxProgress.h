#pragma once
// The progress of a windowless run as the user reads it on standard error:
// one line per finished job and a summary at the end. Names and messages are
// escaped, so a file name cannot forge a line.
//
//   [3/40] guide.chm -> guide.pdf (4.2 s)
//   [4/40] broken.chm failed: No topic found in the help file (0.3 s)
//   [5/40] old.chm skipped: the PDF exists
//   38 converted, 2 failed, 0 skipped in 2 min 03 s

#include <cstdint>
#include <string>

class TvxBatch;
class TvxNode;

// "0.4 s" and "12.3 s" under a minute, "2 min 03 s", "1 h 02 min 03 s".
std::string DurationText(std::uint32_t milliseconds);

// `finished` jobs of `known` so far (the jobs found at this moment).
std::string ProgressLine(int finished, int known, const TvxNode& node, std::uint32_t milliseconds);

struct TvxRunCounts {
    int Converted = 0;
    int Failed = 0;
    int Skipped = 0;
    int NotRun = 0;  // left waiting by a stop
};

// The jobs of a batch whose workers have all ended. A job whose converter
// raised an error instead of reporting counts as failed.
TvxRunCounts CountJobs(TvxBatch& batch);

// "38 converted, 2 failed, 0 skipped in 2 min 03 s", with ", 5 not run"
// before "in" when a stop left jobs untouched.
std::string SummaryLine(const TvxRunCounts& counts, std::uint32_t milliseconds);
