#pragma once
// How long each step of one job took, kept in the order the steps ran, and
// written as "decompile=1.20 book=0.31 insert=12.40 ..." (seconds).

#include <chrono>
#include <string>
#include <utility>
#include <vector>

class JobTimings {
public:
    // Starts timing `step`; the step ends when the next one starts or at Text.
    void Start(const std::string& step);
    std::string Text();

private:
    void Stop();

    std::vector<std::pair<std::string, double>> steps_;
    std::string current_;
    std::chrono::steady_clock::time_point started_;
};
