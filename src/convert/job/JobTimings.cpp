#include "convert/job/JobTimings.h"

#include <cstdio>

void JobTimings::Start(const std::string& step) {
    Stop();
    current_ = step;
    started_ = std::chrono::steady_clock::now();
}

void JobTimings::Stop() {
    if (current_.empty()) return;
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - started_;
    for (auto& [name, seconds] : steps_) {
        if (name == current_) {
            seconds += took.count();
            current_.clear();
            return;
        }
    }
    steps_.emplace_back(current_, took.count());
    current_.clear();
}

std::string JobTimings::Text() {
    Stop();
    std::string text;
    for (const auto& [name, seconds] : steps_) {
        char value[32];
        std::snprintf(value, sizeof value, "%.2f", seconds);
        text += (text.empty() ? "" : " ") + name + "=" + value;
    }
    return text;
}
