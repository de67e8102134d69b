// Help files are untrusted: converting one reaches nothing outside the job
// (no network, no file of the machine), and a damaged one either fails with
// a message or becomes a PDF of its own text, never a crash.

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <fstream>
#include <thread>

#include "OfficeTestSupport.h"
#include "PdfBuilder.h"

using namespace officetest;

namespace {

const fs::path kProgram = PELLIN_BIN_DIR "/pellin";
const fs::path kRealFiles = PELLIN_SHARED_DIR "/chm/real";

// A TCP listener on 127.0.0.1 that counts the connections made to it.
class LoopbackListener {
public:
    LoopbackListener() {
        socket_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = sizeof address;
        if (socket_ < 0 || ::bind(socket_, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
            ::listen(socket_, 16) != 0 ||
            ::getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &length) != 0)
            return;
        port_ = ntohs(address.sin_port);
        thread_ = std::thread([this] { acceptUntilStopped(); });
    }
    ~LoopbackListener() {
        stop_ = true;
        if (thread_.joinable()) thread_.join();
        if (socket_ >= 0) ::close(socket_);
    }
    int port() const { return port_; }
    int connections() const { return connections_; }

private:
    void acceptUntilStopped() {
        while (!stop_) {
            pollfd waiting{socket_, POLLIN, 0};
            if (::poll(&waiting, 1, 50) <= 0) continue;
            const int client = ::accept(socket_, nullptr, nullptr);
            if (client < 0) continue;
            ++connections_;
            ::close(client);
        }
    }

    int socket_ = -1;
    int port_ = 0;
    std::atomic<bool> stop_{false};
    std::atomic<int> connections_{0};
    std::thread thread_;
};

class UntrustedHelpFile : public ::testing::Test {
protected:
    void SetUp() override {
        SKIP_WITHOUT_OFFICE();
        if (!fs::exists(kProgram)) GTEST_SKIP() << "the program is not built: " << kProgram;
        for (const fs::path& folder : {source_, target_, temp_}) fs::create_directories(folder);
    }
    // Runs the program windowless on the source folder; returns its exit
    // code, or -1 when it did not end normally.
    int runProgram(const std::string& extra = "") {
        const std::string argument = "-P:Source=" + (source_ / "*.chm").string() +
                                     ",Target=" + target_.string() +
                                     ",PureConsole=1,LogFile=" + log().string() + extra;
        const std::string command = "TMPDIR=" + shellQuoted(temp_) + " " + shellQuoted(kProgram) +
                                    " " + shellQuoted(argument) + " >/dev/null 2>&1";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    fs::path log() const { return target_ / "run.log"; }
    std::string logText() const {
        std::ifstream in(log(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    ScratchFolder scratch_{"untrusted"};
    fs::path source_ = scratch_.Path() / "source";
    fs::path target_ = scratch_.Path() / "target";
    fs::path temp_ = scratch_.Path() / "tmp";
};

std::string remoteReferences(const std::string& remote) {
    return "<html><head><title>Remote references</title>\n"
           "<link rel=stylesheet href=\"" +
           remote +
           "style.css\">\n"
           "<script src=\"" +
           remote +
           "script.js\"></script>\n"
           "<style>@import url(\"" +
           remote +
           "import.css\");\n"
           "@import '" +
           remote +
           "import2.css';\n"
           "body { background-image: url(" +
           remote +
           "background.png) }</style>\n"
           "</head><body background=\"" +
           remote +
           "body.png\">\n"
           "<h1>Loopback guarded page</h1>\n"
           "<p>Nothing of this page comes from the network.</p>\n"
           "<img src=\"" +
           remote +
           "picture.png\" alt=\"remote\">\n"
           "<iframe src=\"" +
           remote +
           "frame.htm\"></iframe>\n"
           "<object data=\"" +
           remote +
           "object.svg\" type=\"image/svg+xml\"></object>\n"
           "<table background=\"" +
           remote +
           "table.png\"><tr>"
           "<td style=\"background: url('" +
           remote +
           "cell.png')\">Cell of the table</td>"
           "</tr></table>\n</body></html>\n";
}

TEST_F(UntrustedHelpFile, NothingIsFetchedFromTheNetworkAndNoOutsidePictureIsEmbedded) {
    LoopbackListener listener;
    ASSERT_GT(listener.port(), 0);
    const std::string remote = "http://127.0.0.1:" + std::to_string(listener.port()) + "/";
    // A picture outside the job, reached by climbing out of it and by address.
    const fs::path outside = scratch_.Write("outside/outside.png", tinyPng());
    std::string climb;
    for (int i = 0; i < 24; ++i) climb += "../";
    const std::string pictures =
        "<html><body><h1>Pictures page</h1>\n"
        "<img src=\"" +
        climb + outside.relative_path().string() +
        "\">\n"
        "<img src=\"file://" +
        outside.string() +
        "\">\n"
        "<img src=\"../../../../usr/share/pixmaps/debian-logo.png\">\n"
        "<img src=\"file:///usr/share/pixmaps/debian-logo.png\">\n"
        "<img src=\"inside.png\" alt=\"inside\">\n<p>Only the inside picture shows.</p>"
        "</body></html>\n";
    const fs::path chm = compileHelpFile(
        source_, "guarded",
        {{"remote.htm", remoteReferences(remote)},
         {"pictures.htm", pictures},
         {"style.css",
          "@import url(" + remote + "nested.css);\nh1 { background: url(" + remote + "h1.png) }\n"},
         {"inside.png", tinyPng()}});
    if (chm.empty()) GTEST_SKIP() << "chmcmd (fp-utils) is missing or failed";

    EXPECT_EQ(0, runProgram()) << logText();
    EXPECT_NE(std::string::npos, logText().find("Success => " + chm.string())) << logText();
    EXPECT_EQ(0, listener.connections()) << "the office reached out to " << remote;
    const fs::path pdf = target_ / "guarded.pdf";
    const std::string text = pdfText(pdf);
    EXPECT_TRUE(appearInOrder(text, {"Loopback guarded page", "Cell of the table", "Pictures page",
                                     "Only the inside picture shows"}))
        << text;
    EXPECT_EQ(1, pdfImageCount(pdf)) << "only the picture inside the help file";
}

std::string readAll(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The help file's SVG pictures each name one file of the machine, by a file
// URL in two spellings, by an absolute path and by climbing out of the job.
// Whatever lies there, a picture or a PDF (whose first page the office would
// draw), none of it reaches the PDF; the pictures' own drawing does.
TEST_F(UntrustedHelpFile, AnSvgPictureShowsNothingOfTheFileItNames) {
    const fs::path helpFile = PELLIN_SHARED_DIR "/chm/hostile/svg-outside-picture.chm";
    if (!fs::exists(helpFile)) GTEST_SKIP() << "no sample " << helpFile;
    fs::copy_file(helpFile, source_ / helpFile.filename());
    const fs::path secret = "/var/tmp/pellin-outside/secret.png";
    fs::create_directories(secret.parent_path());
    const std::string outsidePdf = (scratch_.Path() / "outside.pdf").string();
    pdftest::PdfBuilder(1).AddPicture(0, {100, 400, 400, 700}).Write(outsidePdf);
    for (const std::string& outside : {tinyPng(), readAll(outsidePdf)}) {
        std::ofstream(secret, std::ios::binary | std::ios::trunc) << outside;
        fs::remove_all(target_);
        fs::create_directories(target_);
        EXPECT_EQ(0, runProgram()) << logText();
        const fs::path pdf = target_ / "svg-outside-picture.pdf";
        EXPECT_TRUE(appearInOrder(pdfText(pdf), {"VAR-fileurl", "VAR-abs", "VAR-climb"}))
            << pdfText(pdf);
        EXPECT_EQ(0, pdfImageCount(pdf)) << run("pdfimages -list " + shellQuoted(pdf));
    }
    fs::remove(secret);
    fs::remove(secret.parent_path());  // only when nothing else is in it
}

// A copy cut at the given size, or empty when the file is not longer.
std::string cutAt(const std::string& bytes, std::size_t size) {
    return size < bytes.size() ? bytes.substr(0, size) : std::string();
}

// Each damaged copy fails with a message, or converts to pages of the help
// file's own text; the program never crashes on one.
TEST_F(UntrustedHelpFile, TruncatedAndZeroedCopiesFailClearlyOrKeepRealText) {
    int copies = 0;
    for (const char* name :
         {"archmage-example.chm", "wkhtmltox-au3-help.chm", "dreamvb-mybasic-help.chm"}) {
        if (!fs::exists(kRealFiles / name)) continue;
        const std::string bytes = readAll(kRealFiles / name);
        const std::string stem = fs::path(name).stem().string();
        std::vector<std::pair<std::string, std::string>> variants{
            {"cut4096", cutAt(bytes, 4096)},
            {"cut6827", cutAt(bytes, 6827)},
            {"cut10790", cutAt(bytes, 10790)},
            {"half", bytes.substr(0, bytes.size() / 2)},
            {"zeroed",
             std::string(4096, '\0') + bytes.substr(std::min<std::size_t>(4096, bytes.size()))}};
        for (const auto& [how, copy] : variants) {
            if (copy.empty()) continue;
            std::ofstream(source_ / (stem + "-" + how + ".chm"), std::ios::binary) << copy;
            ++copies;
        }
    }
    if (copies == 0) GTEST_SKIP() << "no sample in " << kRealFiles;

    const int code = runProgram(",ThreadsCount=2");
    EXPECT_TRUE(code == 0 || code == 2) << "exit code " << code << "\n" << logText();
    const std::string log = logText();
    for (const auto& entry : fs::directory_iterator(source_)) {
        const std::string file = entry.path().string();
        const bool failed = log.find("Failure => " + file + " => ") != std::string::npos;
        const bool converted = log.find("Success => " + file + " => ") != std::string::npos;
        EXPECT_TRUE(failed != converted) << file << "\n" << log;
        if (failed) {
            const auto at = log.find("Failure => " + file + " => ") + file.size() + 15;
            EXPECT_GT(log.find("\r\n", at) - at, 10u) << "a message that says why: " << file;
        }
        if (!converted) continue;
        const fs::path pdf = target_ / (entry.path().stem().string() + ".pdf");
        EXPECT_GE(pdfPageCount(pdf), 1) << pdf;
        std::string text = pdfText(pdf);
        std::erase_if(text, [](unsigned char c) { return std::isspace(c) != 0; });
        EXPECT_GT(text.size(), 20u) << "an empty PDF for " << file;
    }
    EXPECT_EQ(std::vector<std::string>{}, leftoversIn(temp_));
}

}  // namespace
