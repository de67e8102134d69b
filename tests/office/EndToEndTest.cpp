// The program converting help files without a window: fixture and real CHM
// files become PDFs with their topics in order, pictures, an outline and
// links that stay inside the document; no office outlives the run.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <thread>

#include "OfficeTestSupport.h"
#include "SmallDisk.h"

using namespace officetest;
using namespace std::chrono_literals;

namespace {

const fs::path kProgram = PELLIN_BIN_DIR "/pellin";
const fs::path kFixtures = PELLIN_SOURCE_DIR "/tests/fixtures";
const fs::path kRealFiles = PELLIN_SHARED_DIR "/chm/real";

// Office processes whose profile lies in the folder (the offices of a run
// keep their profiles in the run's temporary folder): the start script, the
// launcher that names no "soffice" while it starts the office proper, the
// office, and the removal of its profile.
int officesIn(const fs::path& folder) {
    const std::string profiles = (folder / "pellin-office-").string();
    int count = 0;
    std::error_code ignored;
    for (const auto& entry : fs::directory_iterator("/proc", ignored)) {
        std::string text;
        try {  // the process may end while it is read
            std::ifstream cmdline(entry.path() / "cmdline", std::ios::binary);
            text.assign(std::istreambuf_iterator<char>(cmdline), std::istreambuf_iterator<char>());
        } catch (const std::exception&) {
            continue;
        }
        if (text.find(profiles) != std::string::npos) ++count;
    }
    return count;
}

// An office process of a run, read from its command line.
struct OfficeSeen {
    pid_t group = 0;
    fs::path profile;
    std::string acceptPipe;
};

std::string argumentAfter(const std::string& cmdline, const std::string& start, char end) {
    const auto at = cmdline.find(start);
    if (at == std::string::npos) return "";
    const auto from = at + start.size();
    return cmdline.substr(from, cmdline.find(end, from) - from);
}

// The soffice.bin processes whose profile lies in the folder.
std::vector<OfficeSeen> officeProcessesIn(const fs::path& folder) {
    std::vector<OfficeSeen> seen;
    std::error_code ignored;
    for (const auto& entry : fs::directory_iterator("/proc", ignored)) {
        std::string text;
        try {
            std::ifstream cmdline(entry.path() / "cmdline", std::ios::binary);
            text.assign(std::istreambuf_iterator<char>(cmdline), std::istreambuf_iterator<char>());
        } catch (const std::exception&) {
            continue;
        }
        const std::string profile = argumentAfter(text, "-env:UserInstallation=file://", '\0');
        if (text.find("soffice.bin") == std::string::npos || profile.rfind(folder.string(), 0) != 0)
            continue;
        const pid_t group = ::getpgid(std::atoi(entry.path().filename().c_str()));
        if (group > 0)
            seen.push_back({group, profile, argumentAfter(text, "--accept=pipe,name=", ';')});
    }
    return seen;
}

bool pipeSocketExists(const std::string& name) {
    return fs::exists("/tmp/OSL_PIPE_" + std::to_string(::getuid()) + "_" + name);
}

class EndToEnd : public ::testing::Test {
protected:
    void SetUp() override {
        SKIP_WITHOUT_OFFICE();
        if (!fs::exists(kProgram)) GTEST_SKIP() << "the program is not built: " << kProgram;
        fs::create_directories(source_);
        fs::create_directories(target_);
        fs::create_directories(temp_);
    }
    void TearDown() override {
        if (fs::exists(temp_)) {
            EXPECT_EQ(0, officesIn(temp_)) << "an office outlived the run";
        }
    }

    void addSource(const fs::path& chm) { fs::copy_file(chm, source_ / chm.filename()); }
    std::string options(const std::string& extra = "") const {
        return "Source=" + (source_ / "*.chm").string() + ",Target=" + target_.string() +
               ",PureConsole=1,LogFile=" + (target_ / "run.log").string() + extra;
    }
    // Runs the program with its own temporary folder and returns its log.
    std::string runProgram(const std::string& argument) const {
        run("TMPDIR=" + shellQuoted(temp_) + " " + shellQuoted(kProgram) + " " +
            shellQuoted(argument) + " >/dev/null 2>&1");
        std::ifstream log(target_ / "run.log");
        return std::string((std::istreambuf_iterator<char>(log)), std::istreambuf_iterator<char>());
    }
    fs::path pdf(const std::string& name) const { return target_ / (name + ".pdf"); }

    ScratchFolder scratch_{"e2e"};
    fs::path source_ = scratch_.Path() / "source";
    fs::path target_ = scratch_.Path() / "target";
    fs::path temp_ = scratch_.Path() / "tmp";
};

TEST_F(EndToEnd, FixturesBecomePdfsWithTopicsInOrderPicturesOutlineAndInternalLinks) {
    addSource(kFixtures / "toc-basic.chm");
    addSource(kFixtures / "cyrillic.chm");
    const std::string log = runProgram("-P:" + options());
    EXPECT_NE(std::string::npos, log.find("Success => " + (source_ / "toc-basic.chm").string()))
        << log;
    EXPECT_NE(std::string::npos, log.find("Success => " + (source_ / "cyrillic.chm").string()))
        << log;

    const auto basic = pdf("toc-basic");
    EXPECT_TRUE(appearInOrder(pdfText(basic), {"Start", "Introduction", "Second page",
                                               "Second section", "My Page", "holds an ampersand"}))
        << pdfText(basic);
    EXPECT_EQ(1, pdfImageCount(basic)) << "the picture of a.htm";
    EXPECT_GE(pdfOutlineCount(basic), 5);
    const std::string urls = pdfUrls(basic);
    EXPECT_EQ(std::string::npos, urls.find("file:")) << urls;
    EXPECT_EQ(std::string::npos, urls.find(temp_.string())) << urls;
    // Three links between topics and the outline entries jump inside the PDF.
    EXPECT_GE(pdfInternalJumps(basic), pdfOutlineCount(basic) + 3);

    const std::string cyrillic = pdfText(pdf("cyrillic"));
    EXPECT_NE(std::string::npos, cyrillic.find("Введение")) << cyrillic;
    EXPECT_NE(std::string::npos, cyrillic.find("французских булок")) << cyrillic;
}

TEST_F(EndToEnd, RealHelpFilesConvertOnTwoThreadsThroughAProjectFile) {
    for (const char* name :
         {"aoe-minder-help.chm", "faxir-courseproject-help.chm", "wkhtmltox-au3-help.chm"}) {
        if (!fs::exists(kRealFiles / name))
            GTEST_SKIP() << "sample " << (kRealFiles / name) << " is missing";
        addSource(kRealFiles / name);
    }
    const fs::path project = scratch_.Path() / "real.batch-pellin";
    std::ofstream(project) << "Source=" << (source_ / "*.chm").string()
                           << "\r\nTarget=" << target_.string()
                           << "\r\nPureConsole=1\r\nThreadsCount=2\r\nLogFile="
                           << (target_ / "run.log").string() << "\r\n";
    const std::string log = runProgram(project.string());
    EXPECT_EQ(3u, static_cast<std::size_t>(std::count(log.begin(), log.end(), '\n'))) << log;
    EXPECT_EQ(std::string::npos, log.find("Failure")) << log;

    const auto minder = pdf("aoe-minder-help");
    EXPECT_EQ(32, pdfImageCount(minder));
    EXPECT_GE(pdfOutlineCount(minder), 15) << "every topic can be found from the outline";
    const std::string russian = pdfText(pdf("faxir-courseproject-help"));
    EXPECT_NE(std::string::npos, russian.find("Авторизация")) << russian;
    EXPECT_GE(pdfOutlineCount(pdf("wkhtmltox-au3-help")), 11);
    for (const auto& entry : fs::directory_iterator(target_)) {
        if (entry.path().extension() != ".pdf") continue;
        EXPECT_EQ(std::string::npos, pdfUrls(entry.path()).find("file:")) << entry.path();
    }
}

// A target folder on a full disk: the job fails saying so, the run ends with
// the code of failed jobs, and the user's old PDF stays as it was.
TEST_F(EndToEnd, AFullTargetDiskFailsTheJobAndKeepsTheOldPdf) {
    testsupport::SmallDisk disk(target_.string(), 2 * 1024 * 1024);
    if (!disk.Mounted()) GTEST_SKIP() << "a small disk needs root";
    addSource(kFixtures / "toc-basic.chm");
    const std::string old = "%PDF-1.4 the user's old copy\n" + std::string(1800 * 1024, 'x');
    std::ofstream(pdf("toc-basic"), std::ios::binary) << old;
    disk.Fill("filler", 16 * 1024);
    const fs::path errors = scratch_.Path() / "errors.txt";
    const std::string argument = "-P:Source=" + (source_ / "*.chm").string() +
                                 ",Target=" + target_.string() +
                                 ",PureConsole=1,LogFile=" + (scratch_.Path() / "run.log").string();
    const int status =
        std::system(("TMPDIR=" + shellQuoted(temp_) + " " + shellQuoted(kProgram) + " " +
                     shellQuoted(argument) + " >/dev/null 2>" + shellQuoted(errors))
                        .c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(2, WEXITSTATUS(status));
    const std::string said = scratch_.Read("errors.txt");
    EXPECT_NE(std::string::npos, said.find("Cannot write toc-basic.pdf in " + target_.string() +
                                           ": No space left on device"))
        << said;
    std::ifstream kept(pdf("toc-basic"), std::ios::binary);
    EXPECT_TRUE(std::string(std::istreambuf_iterator<char>(kept), {}) == old);
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(target_))
        left.push_back(entry.path().filename().string());
    std::sort(left.begin(), left.end());
    EXPECT_EQ((std::vector<std::string>{"filler", "toc-basic.pdf"}), left);
}

// The program in a folder of its own, whose page reader crashes on one help
// file before reading anything and is the built reader on any other: that
// job fails, the other converts, and the run says so with its exit code.
TEST_F(EndToEnd, AReaderCrashCostsOneJobAndTheRunGoesOn) {
    const fs::path bin = scratch_.Path() / "bin";
    fs::create_directories(bin);
    for (const char* name : {"pellin", "pellin-hh"})
        fs::copy_file(fs::path(PELLIN_BIN_DIR) / name, bin / name);
    const fs::path crashing = kFixtures / "cyrillic.chm";
    std::ofstream(bin / "pellin-reader")
        << "#!/bin/sh\ncmp -s \"$1/1.chm\" " << shellQuoted(crashing) << " && kill -SEGV $$\nexec "
        << shellQuoted(fs::path(PELLIN_BIN_DIR) / "pellin-reader") << " \"$@\"\n";
    fs::permissions(bin / "pellin-reader", fs::perms::owner_all);
    addSource(kFixtures / "toc-basic.chm");
    addSource(crashing);

    const std::string code =
        run("TMPDIR=" + shellQuoted(temp_) + " " + shellQuoted(bin / "pellin") + " " +
            shellQuoted("-P:" + options()) + " >/dev/null 2>&1; echo $?");
    std::ifstream file(target_ / "run.log");
    const std::string log((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    EXPECT_EQ("2\n", code) << log;
    EXPECT_NE(std::string::npos, log.find("Success => " + (source_ / "toc-basic.chm").string()))
        << log;
    EXPECT_NE(std::string::npos,
              log.find("Failure => " + (source_ / "cyrillic.chm").string() +
                       " => The help file could not be read: the page reader stopped on the "
                       "table of contents (signal 11)"))
        << log;
    EXPECT_TRUE(fs::exists(pdf("toc-basic")));
    EXPECT_FALSE(fs::exists(pdf("cyrillic")));
}

TEST_F(EndToEnd, KillingTheProgramMidRunLeavesNoOfficeAndTheNextRunCleansUp) {
    // Enough work that the run is still going when its office is seen.
    for (const char* name : {"toc-basic.chm", "toc-subfolder.chm", "cyrillic.chm", "no-toc.chm"})
        addSource(kFixtures / name);
    if (fs::exists(kRealFiles / "dreamvb-mybasic-help.chm"))
        addSource(kRealFiles / "dreamvb-mybasic-help.chm");
    const pid_t program = ::fork();
    if (program == 0) {
        ::setenv("TMPDIR", temp_.c_str(), 1);
        const std::string argument = "-P:" + options();
        ::execl(kProgram.c_str(), kProgram.c_str(), argument.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    const auto deadline = std::chrono::steady_clock::now() + 60s;
    int seen = 0;
    const auto jobFolderMade = [this] {
        const auto names = leftoversIn(temp_);
        return std::any_of(names.begin(), names.end(),
                           [](const std::string& name) { return name.starts_with("pellin-job-"); });
    };
    while (((seen = officesIn(temp_)) == 0 || !jobFolderMade()) &&
           std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(10ms);
    ::kill(program, SIGKILL);
    ::waitpid(program, nullptr, 0);
    ASSERT_GT(seen, 0) << "no office was started";
    // An office's guard ends it and then removes its profile; an office still
    // between fork and exec shows no profile in its command line, so the
    // profile folder is what tells that the guard is done.
    const auto officeLeft = [this] {
        const auto names = leftoversIn(temp_);
        return officesIn(temp_) > 0 ||
               std::any_of(names.begin(), names.end(), [](const std::string& name) {
                   return name.starts_with("pellin-office-");
               });
    };
    const auto gone = std::chrono::steady_clock::now() + 15s;
    while (officeLeft() && std::chrono::steady_clock::now() < gone)
        std::this_thread::sleep_for(50ms);
    ASSERT_FALSE(officeLeft()) << "the killed run's office was not cleaned up";

    // The next run removes what the killed one left: its job folder in the
    // temporary folder and its hidden PDF in the making beside the targets.
    const auto hiddenInTarget = [this] {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(target_))
            if (entry.path().filename().string().rfind(".pellin-", 0) == 0)
                names.push_back(entry.path().filename().string());
        return names;
    };
    ASSERT_FALSE(leftoversIn(temp_).empty());
    ASSERT_FALSE(hiddenInTarget().empty());
    runProgram("-P:Source=" + (source_ / "toc-basic.chm").string() + ",Target=" + target_.string() +
               ",PureConsole=1");
    EXPECT_TRUE(fs::exists(pdf("toc-basic")));
    EXPECT_EQ(std::vector<std::string>{}, leftoversIn(temp_));
    EXPECT_EQ(std::vector<std::string>{}, hiddenInTarget());
}

}  // namespace

namespace {

// SIGTERM while offices convert: the program ends as a shell reports a
// signal, writes its run log, and leaves no office, no job folder, no office
// profile or temporary folder and no office socket.
TEST_F(EndToEnd, TermMidRunEndsWithTheSignalsCodeAndLeavesNothingBehind) {
    for (const char* name : {"toc-basic.chm", "cyrillic.chm", "toc-subfolder.chm"})
        addSource(kFixtures / name);
    for (const char* name : {"dreamvb-mybasic-help.chm", "wkhtmltox-au3-help.chm"})
        if (fs::exists(kRealFiles / name)) addSource(kRealFiles / name);
    const pid_t program = ::fork();
    if (program == 0) {
        ::setenv("TMPDIR", temp_.c_str(), 1);
        const std::string argument = "-P:" + options(",ThreadsCount=2");
        ::execl(kProgram.c_str(), kProgram.c_str(), argument.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    // Both offices up and at work on a job.
    std::vector<OfficeSeen> offices;
    const auto deadline = std::chrono::steady_clock::now() + 90s;
    while ((offices = officeProcessesIn(temp_)).size() < 2 &&
           std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(20ms);
    std::this_thread::sleep_for(1500ms);
    ::kill(program, SIGTERM);
    int status = 0;
    ASSERT_EQ(program, ::waitpid(program, &status, 0));
    ASSERT_FALSE(offices.empty()) << "no office was started";
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(128 + SIGTERM, WEXITSTATUS(status));
    std::ifstream logFile(target_ / "run.log");
    const std::string log((std::istreambuf_iterator<char>(logFile)),
                          std::istreambuf_iterator<char>());
    EXPECT_NE(std::string::npos, log.find("=> The run was stopped\r\n")) << log;

    EXPECT_EQ(std::vector<std::string>{}, leftoversIn(temp_)) << "job folders, profiles, lu*.tmp";
    for (const OfficeSeen& office : offices) {
        EXPECT_FALSE(processGroupExists(office.group)) << office.profile;
        EXPECT_FALSE(pipeSocketExists(office.acceptPipe)) << office.acceptPipe;
        EXPECT_FALSE(fs::exists(instanceSocketOf(office.profile))) << office.profile;
    }
}

}  // namespace

namespace {

int openFilesOf(pid_t process) {
    int count = 0;
    std::error_code ignored;
    for (fs::directory_iterator it("/proc/" + std::to_string(process) + "/fd", ignored), end;
         it != end; it.increment(ignored))
        ++count;
    return count;
}

// What a daemon's process holds between two rounds.
struct RoundSample {
    int openFiles = 0;
    std::size_t tempEntries = 0;
    std::size_t acceptSockets = 0;
};

// The window road repeating a real conversion: between rounds the program
// holds no more files, temporary folders or office sockets than after the
// first round, and after SIGTERM nothing of any round is left.
TEST_F(EndToEnd, ADaemonWithTheRealOfficeStaysFlatOverItsRounds) {
    addSource(kFixtures / "toc-basic.chm");
    const fs::path log = target_ / "run.log";
    const pid_t program = ::fork();
    if (program == 0) {
        ::setenv("TMPDIR", temp_.c_str(), 1);
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        const fs::path runtime = scratch_.Path() / "runtime";  // else Qt makes one in TMPDIR
        fs::create_directories(runtime);
        fs::permissions(runtime, fs::perms::owner_all);
        ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
        const std::string argument = "-P:Source=" + (source_ / "*.chm").string() +
                                     ",Target=" + target_.string() +
                                     ",Daemon=300,LogFile=" + log.string();
        ::execl(kProgram.c_str(), kProgram.c_str(), argument.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    const std::string ownPipes = "pellin_office_" + std::to_string(program) + "_";
    std::vector<RoundSample> rounds;
    std::vector<OfficeSeen> offices;
    fs::file_time_type written{};
    const auto deadline = std::chrono::steady_clock::now() + 120s;
    while (rounds.size() < 4 && std::chrono::steady_clock::now() < deadline) {
        for (const OfficeSeen& office : officeProcessesIn(temp_))
            if (std::none_of(offices.begin(), offices.end(),
                             [&](const OfficeSeen& o) { return o.profile == office.profile; }))
                offices.push_back(office);
        std::error_code missing;
        const auto time = fs::last_write_time(log, missing);
        if (!missing && time != written) {
            written = time;
            std::this_thread::sleep_for(100ms);  // the round's end, before the next one
            rounds.push_back(
                {openFilesOf(program), leftoversIn(temp_).size(), pipeSockets(ownPipes).size()});
        }
        std::this_thread::sleep_for(20ms);
    }
    ::kill(program, SIGTERM);
    int status = 0;
    ASSERT_EQ(program, ::waitpid(program, &status, 0));
    ASSERT_EQ(4u, rounds.size()) << "rounds seen in time";
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 128 + SIGTERM) << status;
    EXPECT_FALSE(offices.empty());
    for (std::size_t round = 2; round < rounds.size(); ++round) {
        EXPECT_LE(rounds[round].openFiles, rounds[1].openFiles) << "round " << round;
        EXPECT_LE(rounds[round].tempEntries, rounds[1].tempEntries) << "round " << round;
        EXPECT_LE(rounds[round].acceptSockets, rounds[1].acceptSockets) << "round " << round;
    }
    EXPECT_EQ(std::vector<std::string>{}, leftoversIn(temp_));
    EXPECT_EQ(std::vector<std::string>{}, pipeSockets(ownPipes));
    for (const OfficeSeen& office : offices) {
        EXPECT_FALSE(processGroupExists(office.group)) << office.profile;
        EXPECT_FALSE(fs::exists(instanceSocketOf(office.profile))) << office.profile;
    }
}

}  // namespace
