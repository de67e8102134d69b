#pragma once
// One job: a source file and what became of it. Created only by the batch
// (TvxBatch::AddNode), owned by its job list, freed with the batch.
// Status, ResultText and Elapsed are written by the one worker that took the
// job, on its thread, without the batch lock.

#include <cstdint>
#include <string>

class TvxNode {
public:
    // Status codes; the window shows each with its own picture (ImageOfStatus
    // in src/ui/TvxFrmMainRows.cpp).
    static constexpr std::int32_t Waiting = 0;  // waiting or being processed
    static constexpr std::int32_t Done = 1;     // converted, or skipped as existing
    static constexpr std::int32_t Failed = 2;

    TvxNode(std::string fileName, std::int32_t index)
        : Index(index), FileName(std::move(fileName)) {}

    std::int32_t Status = Waiting;
    std::int32_t Index;
    std::string FileName;
    std::string ResultText;    // target path on success, error message on failure
    std::int32_t Elapsed = 0;  // milliseconds spent on the job
    // What a user should know about a job that succeeded all the same (topics
    // left out of a damaged help file), empty otherwise.
    std::string Note;
    // How long each step of the job took ("decompile=1.20 book=0.31 ..."),
    // in seconds; empty for a job that was not converted.
    std::string Timings;
    // The worker's tick when it took the job, so a job-done notification,
    // which comes before Elapsed is written, can tell the time so far.
    std::uint32_t StartTick = 0;
    // Removed from the run before a worker took it; read and written under
    // the batch lock.
    bool Withdrawn = false;
};
