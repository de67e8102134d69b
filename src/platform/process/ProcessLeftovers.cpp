#include "platform/process/ProcessLeftovers.h"

#include <dirent.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <filesystem>
#include <optional>

#include "platform/process/ProcStat.h"

namespace platform {

namespace {

// The start time: field 22 of the process's stat line.
std::optional<std::string> StartTimeOf(pid_t pid) {
    const auto fields = ProcStatFields(pid, 22);
    if (!fields) return std::nullopt;
    return fields->back();
}

const std::string& HostName() {
    static const std::string host = [] {
        char name[256] = {};
        if (::gethostname(name, sizeof name - 1) != 0 || name[0] == '\0')
            return std::string("localhost");
        std::string text(name);
        for (char& c : text)
            if (!std::isalnum(static_cast<unsigned char>(c)) && c != '.' && c != '-') c = '_';
        return text;
    }();
    return host;
}

bool AllDigits(const std::string& text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

// The tag at the start of `rest` ("<pid>-<start>-<host>-..."), when its host
// is this machine.
std::optional<std::string> OwnMachineTag(const std::string& rest) {
    const auto pidEnd = rest.find('-');
    const auto startEnd = pidEnd == std::string::npos ? pidEnd : rest.find('-', pidEnd + 1);
    if (startEnd == std::string::npos) return std::nullopt;
    const std::string& host = HostName();
    if (rest.compare(startEnd + 1, host.size() + 1, host + "-") != 0) return std::nullopt;
    return rest.substr(0, startEnd + 1 + host.size());
}

}  // namespace

const std::string& ProcessTag() {
    static const std::string tag = [] {
        const pid_t self = ::getpid();
        return std::to_string(self) + "-" + StartTimeOf(self).value_or("0") + "-" + HostName();
    }();
    return tag;
}

bool TaggedProcessEnded(const std::string& tag) {
    const auto pidEnd = tag.find('-');
    const auto startEnd = pidEnd == std::string::npos ? pidEnd : tag.find('-', pidEnd + 1);
    if (startEnd == std::string::npos || tag.substr(startEnd + 1) != HostName()) return false;
    const std::string pidText = tag.substr(0, pidEnd);
    const std::string start = tag.substr(pidEnd + 1, startEnd - pidEnd - 1);
    if (!AllDigits(pidText) || !AllDigits(start) || pidText.size() > 9) return false;
    const pid_t pid = static_cast<pid_t>(std::stol(pidText));
    if (pid <= 0) return false;
    if (::kill(pid, 0) != 0 && errno == ESRCH) return true;
    const auto now = StartTimeOf(pid);
    return now && *now != start;
}

void RemoveLeftoversOfEndedProcesses(const std::string& folder, const std::string& prefix) {
    DIR* listing = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!listing) return;
    std::string base = folder;
    if (!base.empty() && base.back() != '/') base += '/';
    while (const dirent* entry = ::readdir(listing)) {
        const std::string name = entry->d_name;
        if (name.rfind(prefix, 0) != 0) continue;
        const auto tag = OwnMachineTag(name.substr(prefix.size()));
        if (!tag || !TaggedProcessEnded(*tag)) continue;
        const std::string path = base + name;
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || info.st_uid != ::geteuid()) continue;
        std::error_code ignored;
        if (S_ISDIR(info.st_mode))
            std::filesystem::remove_all(path, ignored);
        else if (S_ISREG(info.st_mode))
            ::unlink(path.c_str());
    }
    ::closedir(listing);
}

}  // namespace platform
