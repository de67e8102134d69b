#include "platform/office/OfficeProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <random>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "platform/office/OfficePipes.h"
#include "platform/office/OfficeVersion.h"
#include "platform/office/ProfileSeed.h"
#include "platform/office/ProfileSettings.h"

namespace platform::office {

namespace {

std::atomic<unsigned> instanceCounter{0};

std::string uniqueSuffix() {
    std::random_device random;
    return std::to_string(::getpid()) + "_" + std::to_string(++instanceCounter) + "_" +
           std::to_string(random() % 1000000);
}

std::string makeProfileFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "pellin-office-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("Cannot create the office profile folder in " +
                                 std::filesystem::temp_directory_path().string());
    return pattern;
}

// The office's temporary files go into its own profile folder, which goes
// with it, instead of the shared temporary folder.
std::vector<std::string> officeEnvironment(const std::string& profileFolder) {
    std::vector<std::string> words;
    for (char** entry = environ; *entry != nullptr; ++entry)
        if (std::string_view(*entry).rfind("TMPDIR=", 0) != 0) words.emplace_back(*entry);
    words.push_back("TMPDIR=" + profileFolder + "/tmp");
    return words;
}

std::vector<char*> argvOf(std::vector<std::string>& words) {
    std::vector<char*> argv;
    for (std::string& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);
    return argv;
}

void closeQuietly(int& fd) {
    if (fd >= 0) ::close(fd);
    fd = -1;
}

// Everything below runs in the forked guard, a copy of a possibly
// multi-threaded client: only async-signal-safe calls are allowed there.

void waitChild(pid_t pid) {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
}

void runDetached(char* const* argv, int devNull) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(devNull, 0);
        ::dup2(devNull, 1);
        ::dup2(devNull, 2);
        ::execv(argv[0], argv);
        ::_exit(127);
    }
    if (pid > 0) waitChild(pid);
}

bool endsWithin(pid_t office, int milliseconds) {
    for (int waited = 0; waited < milliseconds; waited += 50) {
        int status = 0;
        if (::waitpid(office, &status, WNOHANG) == office) return true;
        ::poll(nullptr, 0, 50);
    }
    return false;
}

// An office its client let go of was normally asked to terminate and is
// ending by itself: it gets time for that, then a SIGTERM, and only then is
// its group killed. The office of a client that died asked nothing of it and
// gets its SIGTERM at once. An office that ends normally removes its own
// pipes and temporary files.
void endOffice(pid_t office, bool ended, bool letGo) {
    if (!ended && !(letGo && endsWithin(office, 2000))) {
        ::kill(-office, SIGTERM);
        endsWithin(office, 1000);
    }
    ::kill(-office, SIGKILL);  // the whole group: oosplash, soffice.bin, stragglers
}

struct GuardFiles {
    char* const* removeProfileArgv;
    const char* acceptSocket;
    const char* instanceSocket;
};

[[noreturn]] void runGuard(int lifeline, int report, int devNull, char* const* officeArgv,
                           char* const* officeEnvp, const GuardFiles& files) {
    ::setpgid(0, 0);  // out of the client's group: a Ctrl-C there must not stop the cleanup
    // The office's own children (soffice.bin under oosplash) come to the
    // guard when their parent dies, so they are reaped here, not left as
    // zombies of whatever process adopts orphans.
    ::prctl(PR_SET_CHILD_SUBREAPER, 1);
    ::signal(SIGINT, SIG_IGN);
    ::signal(SIGHUP, SIG_IGN);
    ::signal(SIGPIPE, SIG_IGN);
    const pid_t office = ::fork();
    if (office == 0) {
        ::setpgid(0, 0);
        ::signal(SIGINT, SIG_DFL);
        ::signal(SIGHUP, SIG_DFL);
        ::signal(SIGPIPE, SIG_DFL);
        ::dup2(devNull, 0);
        ::dup2(devNull, 1);
        ::dup2(devNull, 2);
        ::close_range(3, ~0U, 0);
        ::execve(officeArgv[0], officeArgv, officeEnvp);
        ::_exit(127);
    }
    if (office > 0) ::setpgid(office, office);
    const pid_t reported = office;
    (void)!::write(report, &reported, sizeof reported);
    ::close(report);

    bool officeEnded = office <= 0;
    bool letGo = false;
    while (!officeEnded && !letGo) {
        pollfd pfd{lifeline, POLLIN, 0};
        if (::poll(&pfd, 1, 200) > 0) {
            char byte;
            const ssize_t got = ::read(lifeline, &byte, 1);
            if (got == 0 || (got < 0 && errno != EINTR)) break;  // the client died
            letGo = got == 1;
        }
        int status = 0;
        if (::waitpid(office, &status, WNOHANG) == office) officeEnded = true;
    }
    if (office > 0) endOffice(office, officeEnded, letGo);
    int status = 0;
    while (::waitpid(-1, &status, 0) > 0 || errno == EINTR) {
    }
    runDetached(files.removeProfileArgv, devNull);
    // A killed office leaves its pipes' socket files behind.
    ::unlink(files.acceptSocket);
    ::unlink(files.instanceSocket);
    ::_exit(0);
}

}  // namespace

OfficeProcess::OfficeProcess(const OfficeLaunchSettings& settings) {
    if (::access(settings.program.c_str(), X_OK) != 0)
        throw std::runtime_error("LibreOffice is not installed: " + settings.program +
                                 " was not found");
    profileFolder_ = makeProfileFolder();
    startedFromSeed_ = ProfileSeed().copyTo(profileFolder_);
    try {
        WriteProfileSettings(
            profileFolder_,
            ConverterProfileSettings(OfficeProductVersion(settings.program).value_or("")));
        std::filesystem::create_directories(std::filesystem::path(profileFolder_) / "tmp");
    } catch (const std::exception&) {
        std::error_code ignored;
        std::filesystem::remove_all(profileFolder_, ignored);
        throw;
    }
    pipeName_ = "pellin_office_" + uniqueSuffix();
    unoUrl_ = "uno:pipe,name=" + pipeName_ + ";urp;StarOffice.ComponentContext";
    try {
        start(settings);
    } catch (...) {
        std::error_code ignored;
        std::filesystem::remove_all(profileFolder_, ignored);
        throw;
    }
}

OfficeProcess::~OfficeProcess() { stop(); }

void OfficeProcess::start(const OfficeLaunchSettings& settings) {
    const std::string profileUrl = "file://" + profileFolder_;
    std::vector<std::string> officeWords{
        settings.program,
        "--headless",
        "--invisible",
        "--nologo",
        "--norestore",
        "--nodefault",
        "--nolockcheck",
        "--nofirststartwizard",
        "-env:UserInstallation=" + profileUrl,
        "--accept=pipe,name=" + pipeName_ + ";urp;StarOffice.ComponentContext"};
    std::vector<std::string> removeWords{"/bin/rm", "-rf", "--", profileFolder_};
    std::vector<char*> officeArgv = argvOf(officeWords);
    std::vector<std::string> environmentWords = officeEnvironment(profileFolder_);
    std::vector<char*> officeEnvp = argvOf(environmentWords);
    std::vector<char*> removeArgv = argvOf(removeWords);
    const std::string acceptSocket = OfficePipeSocket(pipeName_);
    const std::string instanceSocket = OfficePipeSocket(SingleInstancePipeName(profileUrl));
    const GuardFiles files{removeArgv.data(), acceptSocket.c_str(), instanceSocket.c_str()};

    int lifeline[2];
    int report[2];
    // A socket, not a pipe: the client's goodbye to a guard that has ended
    // must not raise SIGPIPE.
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, lifeline) != 0)
        throw std::runtime_error("Cannot create a pipe for the office");
    if (::pipe2(report, O_CLOEXEC) != 0) {
        ::close(lifeline[0]);
        ::close(lifeline[1]);
        throw std::runtime_error("Cannot create a pipe for the office");
    }
    int devNull = ::open("/dev/null", O_RDWR | O_CLOEXEC);

    guard_ = ::fork();
    if (guard_ == 0) {
        // Keep only what the guard needs: pipes held open by the guard would
        // keep other offices' lifelines alive.
        const int keptLifeline = ::fcntl(lifeline[0], F_DUPFD, 64);
        const int keptReport = ::fcntl(report[1], F_DUPFD, 64);
        const int keptDevNull = ::fcntl(devNull, F_DUPFD, 64);
        ::dup2(keptLifeline, 3);
        ::dup2(keptReport, 4);
        ::dup2(keptDevNull, 5);
        ::close_range(6, ~0U, 0);
        runGuard(3, 4, 5, officeArgv.data(), officeEnvp.data(), files);
    }
    ::close(lifeline[0]);
    ::close(report[1]);
    closeQuietly(devNull);
    lifeline_ = lifeline[1];
    if (guard_ < 0) {
        closeQuietly(lifeline_);
        ::close(report[0]);
        throw std::runtime_error("Cannot start LibreOffice: fork failed");
    }
    pid_t office = -1;
    ssize_t got = -1;
    do {
        got = ::read(report[0], &office, sizeof office);
    } while (got < 0 && errno == EINTR);
    ::close(report[0]);
    if (got != static_cast<ssize_t>(sizeof office) || office <= 0) {
        stop();
        throw std::runtime_error("Cannot start LibreOffice: " + settings.program);
    }
    officeGroup_ = office;
}

bool OfficeProcess::isRunning() {
    if (guardEnded_ || guard_ <= 0) return false;
    int status = 0;
    if (::waitpid(guard_, &status, WNOHANG) == guard_) guardEnded_ = true;
    return !guardEnded_;
}

void OfficeProcess::kill() {
    if (officeGroup_ > 0) ::kill(-officeGroup_, SIGKILL);
}

void OfficeProcess::stop() {
    if (lifeline_ >= 0) {
        const char letGo = 'q';
        (void)!::send(lifeline_, &letGo, 1, MSG_NOSIGNAL);
    }
    closeQuietly(lifeline_);
    if (guard_ > 0 && !guardEnded_) {
        int status = 0;
        while (::waitpid(guard_, &status, 0) < 0 && errno == EINTR) {
        }
        guardEnded_ = true;
    }
}

}  // namespace platform::office
