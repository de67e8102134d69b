#include "convert/chm/TvxFileUtils.h"

#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <thread>

#include "platform/files/FileSystem.h"
#include "platform/process/ExecutablePath.h"
#include "platform/process/InstallLayout.h"
#include "platform/process/ProcessRunner.h"
#include "platform/process/StopRequest.h"
#include "platform/text/AsciiText.h"

namespace {

std::string ResolveProgram(const std::string& program) {
    if (platform::EqualsNoCase(program, TvxFileUtils::HelpProgramName))
        return TvxFileUtils::HelpProgramPath();
    return program;
}

std::string OpenErrorText(const std::string& path, int error) {
    return "Cannot open file \"" + path + "\". " + std::strerror(error);
}

struct FileCloser {
    int fd;
    ~FileCloser() { ::close(fd); }
};

std::string DefaultWorkingFolder(const std::string& program) {
    const auto slash = program.rfind('/');
    return slash == std::string::npos ? std::string() : program.substr(0, slash + 1);
}

}  // namespace

std::vector<std::string> TvxFileUtils::SplitParameters(const std::string& parameters) {
    std::vector<std::string> result;
    std::string current;
    bool inQuotes = false;
    bool haveToken = false;
    for (size_t i = 0; i < parameters.size(); ++i) {
        const char c = parameters[i];
        if (c == '\\' && i + 1 < parameters.size() && parameters[i + 1] == '"') {
            current += '"';  // an escaped quote is part of the text
            haveToken = true;
            ++i;
        } else if (c == '"') {
            inQuotes = !inQuotes;
            haveToken = true;
        } else if ((c == ' ' || c == '\t') && !inQuotes) {
            if (haveToken) result.push_back(current);
            current.clear();
            haveToken = false;
        } else {
            current += c;
            haveToken = true;
        }
    }
    if (haveToken) result.push_back(current);
    return result;
}

std::string TvxFileUtils::HelpProgramPath() {
    const std::string self = platform::ExecutablePath(nullptr);
    if (self.empty()) return HelpProgramFile;
    return platform::FindHelperProgram(self, HelpProgramFile, platform::LocalFiles());
}

int TvxFileUtils::RunAndWait(const std::string& program, const std::string& parameters,
                             const std::string& workingFolder, int /*showCmd*/, int pollIntervalMs,
                             std::chrono::milliseconds timeout) {
    const std::string file = ResolveProgram(program);
    const std::string folder = workingFolder.empty() ? DefaultWorkingFolder(file) : workingFolder;
    const auto runner = platform::ProcessRunner::Current();
    const auto process = runner->Start(file, SplitParameters(parameters), folder);
    if (process == platform::ProcessRunner::NoProcess) return 1;

    const auto started = std::chrono::steady_clock::now();
    const auto interval = std::chrono::milliseconds(pollIntervalMs > 0 ? pollIntervalMs : 1);
    for (;;) {
        if (const auto code = runner->TryExitCode(process)) return *code;
        // A stop of the whole process ends the wait like the time limit.
        if (platform::StopRequested() ||
            (timeout > NoTimeout && std::chrono::steady_clock::now() - started >= timeout)) {
            runner->Kill(process);
            return 1;
        }
        std::this_thread::sleep_for(interval);
    }
}

std::string TvxFileUtils::ReadFileText(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) throw EFOpenError(OpenErrorText(path, errno));
    FileCloser closer{fd};
    struct stat info {};
    if (::fstat(fd, &info) != 0) throw EFOpenError(OpenErrorText(path, errno));
    if (S_ISDIR(info.st_mode)) throw EFOpenError(OpenErrorText(path, EISDIR));

    std::string text;
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got == 0) break;
        if (got < 0) {
            if (errno == EINTR) continue;
            throw EFOpenError(OpenErrorText(path, errno));
        }
        text.append(buffer, static_cast<size_t>(got));
    }
    return text;
}
