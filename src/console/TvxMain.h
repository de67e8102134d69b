#pragma once
// The windowless runner: one batch without any window. It starts the search
// and the chain of converters, polls until every converter has ended, then
// sends the error report when jobs failed and writes the run log.

#include <chrono>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

class TvxBatch;
class TvxConvertor;
class TvxNode;

class TvxMain {
public:
    TvxMain();
    ~TvxMain();
    TvxMain(const TvxMain&) = delete;
    TvxMain& operator=(const TvxMain&) = delete;

    // Runs the project's batch once and reports it. A run log that cannot be
    // written escapes as an exception (the program then ends with code 1).
    void Run();
    // The job-done notification of every converter, on the converter's thread.
    void ReportJob(TvxBatch* sender, TvxNode* node);
    void Finish();

    // Fields, in record order. The converters free themselves when they end.
    std::unique_ptr<TvxBatch> Batch;
    TvxConvertor* Workers = nullptr;
    std::vector<std::string> LogLines;

    // How often the end of the converters is looked for.
    std::chrono::milliseconds PollInterval{100};

private:
    std::mutex logLinesLock_;
};

// "Success => <file> => <result>", with "Failure" or "Running" as the status says.
std::string RunLogLine(const TvxNode& node);

extern TvxMain* vxMain;
