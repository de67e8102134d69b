// The program converting help files without a window: fixture and real CHM
// files become PDFs with their topics in order, pictures, an outline and
// links that stay inside the document; no office outlives the run.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <thread>

#include "OfficeTestSupport.h"

using namespace officetest;
using namespace std::chrono_literals;

namespace {

const fs::path kProgram = PELLIN_BIN_DIR "/pellin";
const fs::path kFixtures = PELLIN_SOURCE_DIR "/tests/fixtures";
const fs::path kRealFiles = PELLIN_SHARED_DIR "/chm/real";

// Offices whose profile lies in the folder (the offices of a run keep their
// profiles in the run's temporary folder).
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
        if (text.find(profiles) != std::string::npos && text.find("soffice") != std::string::npos)
            ++count;
    }
    return count;
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

TEST_F(EndToEnd, KillingTheProgramMidRunLeavesNoOfficeBehind) {
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
    while ((seen = officesIn(temp_)) == 0 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(10ms);
    ::kill(program, SIGKILL);
    ::waitpid(program, nullptr, 0);
    ASSERT_GT(seen, 0) << "no office was started";
    const auto gone = std::chrono::steady_clock::now() + 10s;
    while (officesIn(temp_) > 0 && std::chrono::steady_clock::now() < gone)
        std::this_thread::sleep_for(50ms);
}

}  // namespace
