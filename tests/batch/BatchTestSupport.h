#pragma once
// Shared pieces of the batch engine tests: a project and matcher installed
// for one test, a scratch folder tree, and bounded waiting.

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <thread>

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

// A scratch folder removed with everything below it.
class TempTree {
public:
    TempTree() {
        std::random_device seed;
        root_ = std::filesystem::temp_directory_path() / ("pellin-batch-" + std::to_string(seed()));
        std::filesystem::create_directories(root_);
    }
    ~TempTree() {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }
    TempTree(const TempTree&) = delete;
    TempTree& operator=(const TempTree&) = delete;

    // The root with a trailing '/'.
    std::string Dir() const { return root_.string() + "/"; }
    std::string Path(const std::string& relative) const { return Dir() + relative; }
    void File(const std::string& relative) {
        const auto path = root_ / relative;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path) << "x";
    }
    void Folder(const std::string& relative) {
        std::filesystem::create_directories(root_ / relative);
    }

private:
    std::filesystem::path root_;
};

}  // namespace pellintest
