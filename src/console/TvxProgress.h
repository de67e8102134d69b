#pragma once
// The progress of a windowless run as the user reads it on standard error:
// one line per finished job and a summary at the end. Names and messages are
// escaped, so a file name cannot forge a line.
//
//   [3/40] guide.chm -> guide.pdf (4.2 s)
//   [4/40] broken.chm failed: No topic found in the help file (0.3 s)
//   [5/40] old.chm skipped: the PDF exists
//   [6/40] big.chm -> big.pdf (2 min 10 s); 1 of 900 topics left out: a.htm (...)
//   38 converted, 2 failed, 0 skipped in 2 min 03 s

#include <cstdint>
#include <string>

class TvxBatch;
class TvxNode;

// `finished` jobs of `known` so far (the jobs found at this moment).
std::string ProgressLine(int finished, int known, const TvxNode& node, std::uint32_t milliseconds);

// "timing: guide.chm: decompile=0.21 book=0.05 ..." for the Timings option:
// how long each step of the job took, in seconds.
std::string TimingLine(const TvxNode& node);

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
