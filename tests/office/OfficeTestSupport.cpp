#include "OfficeTestSupport.h"

#include <signal.h>
#include <stdlib.h>
#include <unistd.h>

#include <cerrno>

#include "platform/office/OfficePipes.h"

namespace officetest {

bool processGroupExists(pid_t group) { return ::kill(-group, 0) == 0 || errno == EPERM; }

PrivateTmpdir::PrivateTmpdir() {
    if (const char* previous = std::getenv("TMPDIR")) {
        previous_ = previous;
        hadPrevious_ = true;
    }
    ::setenv("TMPDIR", folder_.Path().c_str(), 1);
}

PrivateTmpdir::~PrivateTmpdir() {
    if (hadPrevious_)
        ::setenv("TMPDIR", previous_.c_str(), 1);
    else
        ::unsetenv("TMPDIR");
}

std::vector<std::string> leftoversIn(const fs::path& folder) {
    std::vector<std::string> names;
    std::error_code ignored;
    for (fs::directory_iterator it(folder, ignored), end; it != end; it.increment(ignored)) {
        const std::string name = it->path().filename().string();
        if (name.rfind("pellin-office-seed-", 0) != 0) names.push_back(name);
    }
    return names;
}

std::vector<std::string> pipeSockets(const std::string& prefix) {
    const std::string start = "OSL_PIPE_" + std::to_string(::getuid()) + "_" + prefix;
    std::vector<std::string> names;
    std::error_code ignored;
    for (const auto& entry : fs::directory_iterator("/tmp", ignored)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind(start, 0) == 0) names.push_back(name);
    }
    return names;
}

fs::path instanceSocketOf(const fs::path& profileFolder) {
    using namespace platform::office;
    return OfficePipeSocket(SingleInstancePipeName("file://" + profileFolder.string()));
}

std::string ownAcceptPipePrefix() { return "pellin_office_" + std::to_string(::getpid()) + "_"; }

fs::path compileHelpFile(const fs::path& folder, const std::string& name,
                         const std::vector<std::pair<std::string, std::string>>& files) {
    if (!fs::exists("/usr/bin/chmcmd")) return {};
    const fs::path project = folder / (name + "-project");
    std::string list;
    std::string toc = "<HTML><BODY><UL>\n";
    std::string firstTopic;
    for (const auto& [file, bytes] : files) {
        fs::create_directories((project / file).parent_path());
        std::ofstream(project / file, std::ios::binary) << bytes;
        list += file + "\n";
        if (fs::path(file).extension() != ".htm") continue;
        if (firstTopic.empty()) firstTopic = file;
        toc += "<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"" + file +
               "\"><param name=\"Local\" value=\"" + file + "\"></OBJECT>\n";
    }
    std::ofstream(project / "toc.hhc", std::ios::binary) << toc << "</UL></BODY></HTML>\n";
    std::ofstream(project / (name + ".hhp"), std::ios::binary)
        << "[OPTIONS]\nCompiled file=" << name
        << ".chm\nContents file=toc.hhc\nDefault topic=" << firstTopic << "\nTitle=" << name
        << "\nFull-text search=No\nBinary TOC=No\nBinary Index=No\n\n[FILES]\n"
        << list;
    run("cd " + shellQuoted(project) + " && chmcmd --no-html-scan " + shellQuoted(name + ".hhp") +
        " >/dev/null 2>&1");
    const fs::path built = folder / (name + ".chm");
    std::error_code ignored;
    fs::rename(project / (name + ".chm"), built, ignored);
    fs::remove_all(project, ignored);
    return fs::exists(built) ? built : fs::path();
}

std::string tinyPng() {
    static const unsigned char bytes[] = {
        0x89, 0x50, 0x4e, 0x47, 0x0d, 0x0a, 0x1a, 0x0a, 0x00, 0x00, 0x00, 0x0d, 0x49, 0x48, 0x44,
        0x52, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x02, 0x08, 0x02, 0x00, 0x00, 0x00, 0xfd,
        0xd4, 0x9a, 0x73, 0x00, 0x00, 0x00, 0x10, 0x49, 0x44, 0x41, 0x54, 0x78, 0x9c, 0x63, 0xf8,
        0xcf, 0xc0, 0x00, 0x44, 0x0c, 0x10, 0x0a, 0x00, 0x1f, 0xee, 0x03, 0xfd, 0x8b, 0x5f, 0x14,
        0xd4, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4e, 0x44, 0xae, 0x42, 0x60, 0x82};
    return std::string(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

}  // namespace officetest
