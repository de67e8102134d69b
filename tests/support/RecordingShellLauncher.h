#pragma once
// A shell launcher for tests: remembers every target instead of opening it.

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
        return true;
    }
    std::vector<std::string> Opened() const {
        std::lock_guard lock(mutex_);
        return opened_;
    }

private:
    mutable std::mutex mutex_;
    std::vector<std::string> opened_;
};

}  // namespace testsupport
