#include "ToolTestSupport.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <stdexcept>

namespace tooltest {

ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                         const fs::path& workingFolder) {
    ScratchFolder capture("tools");
    const std::string errorsFile = (capture.Path() / "stderr").string();
    const pid_t child = ::fork();
    if (child < 0) throw std::runtime_error("fork failed");
    if (child == 0) {
        const int errors = ::open(errorsFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const int nothing = ::open("/dev/null", O_WRONLY);
        if (errors < 0 || nothing < 0 || ::dup2(errors, 2) < 0 || ::dup2(nothing, 1) < 0)
            ::_exit(126);
        if (!workingFolder.empty() && ::chdir(workingFolder.c_str()) != 0) ::_exit(126);
        std::vector<char*> argv{const_cast<char*>(program.c_str())};
        for (const auto& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        ::execv(program.c_str(), argv.data());
        ::_exit(127);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    ProgramResult result;
    result.Exited = WIFEXITED(status);
    result.ExitCode = result.Exited ? WEXITSTATUS(status) : -1;
    result.Errors = ReadBytes(errorsFile);
    return result;
}

ProgramResult RunHh(const std::vector<std::string>& args, const fs::path& workingFolder) {
    return RunProgram(PELLIN_HH_PROGRAM, args, workingFolder);
}

std::set<std::string> TreeBelow(const fs::path& root) {
    std::set<std::string> tree;
    for (auto it = fs::recursive_directory_iterator(root); it != fs::recursive_directory_iterator();
         ++it) {
        std::string relative = it->path().lexically_relative(root).generic_string();
        if (it->is_directory() && !it->is_symlink()) relative += '/';
        tree.insert(relative);
    }
    return tree;
}

fs::path FixtureFile(const std::string& name) {
    return fs::path(PELLIN_SOURCE_DIR) / "tests" / "fixtures" / name;
}

fs::path SharedChmFolder() { return fs::path(PELLIN_SHARED_DIR) / "chm"; }

}  // namespace tooltest
