#pragma once
// A shell launcher for tests: remembers every target instead of opening it;
// with `refuse` set, it answers as a desktop without a handler would.

#include <atomic>
#include <mutex>
#include <string>
#include <vector>

#include "platform/process/ShellLauncher.h"

namespace testsupport {

class RecordingShellLauncher final : public platform::ShellLauncher {
public:
    bool Open(const std::string& target) override {
        std::lock_guard lock(mutex_);
        opened_.push_back(target);
        return !refuse;
    }
    std::vector<std::string> Opened() const {
        std::lock_guard lock(mutex_);
        return opened_;
    }

    std::atomic<bool> refuse{false};

private:
    mutable std::mutex mutex_;
    std::vector<std::string> opened_;
};

}  // namespace testsupport
