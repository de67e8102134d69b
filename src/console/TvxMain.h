#pragma once
// The windowless runner: one batch without any window. It checks the options,
// the Source and the Target before anything starts, starts the search and the
// chain of converters, prints a progress line per finished job, polls until
// every converter has ended, then writes the run log and prints a summary;
// it opens nothing (no error report: nobody is there to agree to it). A stop of the process
// (SIGTERM, SIGINT: platform::RequestStop) ends the run as the window's Stop does.

#include <chrono>
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

class TvxBatch;
class TvxConvertor;
class TvxNode;
struct TvxRunCounts;

// The exit status of a windowless run (a stop by signal N ends with 128 + N,
// which the program entry adds).
enum TvxExitCode : int {
    ExitSuccess = 0,
    ExitLogNotWritten = 1,  // the run log could not be written
    ExitJobsFailed = 2,     // one or more jobs failed
    ExitNotStarted = 3,     // no Source found, an unusable Target, invalid options
};

class TvxMain {
public:
    TvxMain();
    ~TvxMain();
    TvxMain(const TvxMain&) = delete;
    TvxMain& operator=(const TvxMain&) = delete;

    // Runs the project's batch once and reports it; returns the exit code.
    // A run log that cannot be written after a run escapes as an exception
    // (the program then ends with ExitLogNotWritten).
    int Run();
    // The job-done notification of every converter, on the converter's thread.
    void ReportJob(TvxBatch* sender, TvxNode* node);
    void Finish();

    // Fields, in record order. The converters free themselves when they end.
    std::unique_ptr<TvxBatch> Batch;
    TvxConvertor* Workers = nullptr;
    std::vector<std::string> LogLines;

    // How often the end of the converters is looked for.
    std::chrono::milliseconds PollInterval{100};
    // How long the start of the converters may wait for the search, so a run
    // of fewer files than ThreadsCount starts no idle converters.
    std::chrono::milliseconds SearchHeadStart{200};
    // Where progress lines, warnings and errors go; standard error unless a
    // test puts a stream of its own.
    std::ostream* Messages;

private:
    bool CheckBeforeStart();
    std::int32_t ConverterCount();
    void RunConverters(const std::string& target);
    void WriteRunLog();
    int Conclude(const TvxRunCounts& counts);
    void Say(const std::string& line);

    std::mutex logLinesLock_;
    std::mutex messagesLock_;
    bool quiet_ = false;
    bool timings_ = false;
    int finished_ = 0;  // jobs reported so far; under logLinesLock_
    std::chrono::steady_clock::time_point started_;
};

// "Success => <file> => <result>", with "Failure" or "Running" as the status
// says; file and result escaped (platform::EscapeControls).
std::string RunLogLine(const TvxNode& node);

extern TvxMain* vxMain;
