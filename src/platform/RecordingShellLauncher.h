#pragma once
// A shell launcher for tests: remembers every target instead of opening it.

#include <mutex>
#include <string>
#include <vector>

#include "platform/ShellLauncher.h"

namespace platform {

class RecordingShellLauncher final : public ShellLauncher {
public:
    bool Open(const std::string& target) override {
        std::lock_guard lock(mutex_);
        opened_.push_back(target);
        return succeed_;
    }
    std::vector<std::string> Opened() const {
        std::lock_guard lock(mutex_);
        return opened_;
    }
    void FailFromNowOn() {
        std::lock_guard lock(mutex_);
        succeed_ = false;
    }

private:
    mutable std::mutex mutex_;
    std::vector<std::string> opened_;
    bool succeed_ = true;
};

}  // namespace platform
