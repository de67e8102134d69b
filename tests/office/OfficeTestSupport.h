#pragma once
// Shared helpers of the office tests: whether LibreOffice is here, scratch
// folders, small HTML topics, and reading PDFs with poppler-utils and qpdf.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "ScratchFolder.h"

namespace officetest {

namespace fs = std::filesystem;

inline bool officeInstalled() {
    return fs::exists(PELLIN_OFFICE_PROGRAM_DIR "/soffice") &&
           fs::exists(PELLIN_OFFICE_PROGRAM_DIR "/soffice.bin");
}

#define SKIP_WITHOUT_OFFICE()                                                          \
    do {                                                                               \
        if (!officetest::officeInstalled())                                            \
            GTEST_SKIP() << "LibreOffice is not installed (" PELLIN_OFFICE_PROGRAM_DIR \
                            "/soffice)";                                               \
    } while (0)

using testsupport::ScratchFolder;

// Runs a shell command line and returns its standard output.
inline std::string run(const std::string& command) {
    std::string output;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return output;
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, n);
    ::pclose(pipe);
    return output;
}

inline std::string shellQuoted(const fs::path& path) {
    std::string q = "'";
    for (char c : path.string()) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

inline std::string pdfText(const fs::path& pdf) {
    return run("pdftotext -enc UTF-8 " + shellQuoted(pdf) + " - 2>/dev/null");
}
inline std::string pdfUrls(const fs::path& pdf) {
    return run("pdfinfo -url " + shellQuoted(pdf) + " 2>/dev/null");
}
inline std::string pdfFonts(const fs::path& pdf) {
    return run("pdffonts " + shellQuoted(pdf) + " 2>/dev/null");
}
inline std::string pdfJson(const fs::path& pdf) {
    return run("qpdf --json " + shellQuoted(pdf) + " 2>/dev/null");
}

inline int pdfImageCount(const fs::path& pdf) {
    const std::string list = run("pdfimages -list " + shellQuoted(pdf) + " 2>/dev/null");
    int lines = 0;
    for (char c : list) lines += c == '\n';
    return lines > 2 ? lines - 2 : 0;  // two header lines
}

inline int pdfPageCount(const fs::path& pdf) {
    const std::string info = run("pdfinfo " + shellQuoted(pdf) + " 2>/dev/null");
    const auto at = info.find("Pages:");
    return at == std::string::npos ? 0 : std::stoi(info.substr(at + 6));
}

// Outline entries: the "/Title" keys under the outline in qpdf's JSON.
inline int pdfOutlineCount(const fs::path& pdf) {
    const std::string json = pdfJson(pdf);
    const auto outlines = json.rfind("\"outlines\"");  // the document-wide list, after the pages
    if (outlines == std::string::npos) return 0;
    int count = 0;
    for (auto at = json.find("\"title\"", outlines); at != std::string::npos;
         at = json.find("\"title\"", at + 1))
        ++count;
    return count;
}

// Positions of the texts in the PDF's text, npos for a missing one.
inline bool appearInOrder(const std::string& text, const std::vector<std::string>& parts) {
    std::size_t from = 0;
    for (const auto& part : parts) {
        const auto at = text.find(part, from);
        if (at == std::string::npos) return false;
        from = at + part.size();
    }
    return true;
}

// Link annotations and outline entries that jump inside the document.
inline int pdfInternalJumps(const fs::path& pdf) {
    const std::string json = pdfJson(pdf);
    int count = 0;
    for (const char* key : {"\"/Dest\"", "\"/GoTo\""})
        for (auto at = json.find(key); at != std::string::npos; at = json.find(key, at + 1))
            ++count;
    return count;
}

// True while any process of the group exists.
bool processGroupExists(pid_t group);

// The names of the entries in the folder, less the profile seed that offices
// keep in the temporary folder on purpose (pellin-office-seed-<uid>).
std::vector<std::string> leftoversIn(const fs::path& folder);

// Points TMPDIR at a private, empty folder for its lifetime, so whatever this
// process and the offices it starts leave there can be checked exactly.
class PrivateTmpdir {
public:
    PrivateTmpdir();
    ~PrivateTmpdir();
    PrivateTmpdir(const PrivateTmpdir&) = delete;
    PrivateTmpdir& operator=(const PrivateTmpdir&) = delete;
    const fs::path& path() const { return folder_.Path(); }
    std::vector<std::string> leftovers() const { return leftoversIn(path()); }

private:
    ScratchFolder folder_{"tmpdir"};
    std::string previous_;
    bool hadPrevious_ = false;
};

// The pipe sockets in /tmp whose names begin with OSL_PIPE_<uid>_<prefix>.
std::vector<std::string> pipeSockets(const std::string& prefix);
// The socket of the single-instance pipe of the office with that profile.
fs::path instanceSocketOf(const fs::path& profileFolder);
// The prefix of the UNO pipe names of the offices this process starts.
std::string ownAcceptPipePrefix();

// Compiles the help file <folder>/<name>.chm with chmcmd (fp-utils) from the
// files given (name, bytes); its contents list the .htm files in that order.
// Returns an empty path when chmcmd is missing or does not make the file.
fs::path compileHelpFile(const fs::path& folder, const std::string& name,
                         const std::vector<std::pair<std::string, std::string>>& files);

// A 2x2 PNG picture.
std::string tinyPng();

}  // namespace officetest
