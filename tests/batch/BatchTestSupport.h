#pragma once
// Shared pieces of the batch engine tests: a project and matcher installed
// for one test, a scratch folder tree, and bounded waiting.

#include <chrono>
#include <functional>
#include <string>
#include <thread>

#include "ScratchFolder.h"
#include "batch/TvxMatch.h"
#include "core/TvxProject.h"

namespace pellintest {

// Polls until the condition holds; false when it did not within the timeout.
inline bool WaitUntil(const std::function<bool()>& condition,
                      std::chrono::milliseconds timeout = std::chrono::seconds(10)) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

// Installs a fresh project and the real matcher as the process-wide ones.
class ProjectScope {
public:
    ProjectScope() {
        previousProject_ = vxProject;
        previousMatch_ = vxMatch;
        vxProject = &project_;
        vxMatch = &match_;
    }
    ~ProjectScope() {
        vxProject = previousProject_;
        vxMatch = previousMatch_;
    }
    ProjectScope(const ProjectScope&) = delete;
    ProjectScope& operator=(const ProjectScope&) = delete;

    TvxProject& project() { return project_; }

private:
    TvxProject project_;
    TvxMatch match_;
    TvxProject* previousProject_;
    TvxMatchBase* previousMatch_;
};

// A scratch folder removed with everything below it, its paths as text.
class TempTree : public testsupport::ScratchFolder {
public:
    TempTree() : ScratchFolder("batch") {}

    // The root with a trailing '/'.
    std::string Dir() const { return ScratchFolder::Path().string() + "/"; }
    std::string Path(const std::string& relative) const { return Dir() + relative; }
    void File(const std::string& relative) { Write(relative, "x"); }
};

}  // namespace pellintest
