// The private office's life: started per object, ended with its whole process
// group when the object goes, also when the client dies or a call hangs.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/util/XCloseable.hpp>
#include <thread>

#include "OfficeTestSupport.h"
#include "platform/automation/AutomationCreation.h"
#include "platform/automation/AutomationRegistry.h"
#include "platform/office/OfficeConnection.h"
#include "platform/office/OfficePipes.h"
#include "platform/office/OfficeServers.h"
#include "platform/office/WordApplication.h"

using namespace officetest;
using namespace std::chrono_literals;
using platform::AutomationError;
using platform::office::OfficeConnection;
using platform::office::OfficeLaunchSettings;
using platform::office::OfficeProcess;
using platform::office::OfficeTimeouts;

namespace {

bool groupEndsWithin(pid_t group, std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (processGroupExists(group)) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(50ms);
    }
    return true;
}

bool appearsWithin(const fs::path& file, std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (!fs::exists(file)) {
        if (std::chrono::steady_clock::now() > deadline) return false;
        std::this_thread::sleep_for(50ms);
    }
    return true;
}

// Loads an empty text document and closes it: the office makes its
// temporary files for that.
void openAndCloseADocument(OfficeConnection& connection) {
    css::uno::Sequence<css::beans::PropertyValue> hidden(1);
    hidden[0].Name = "Hidden";
    hidden[0].Value <<= true;
    const auto loader = connection.desktop();
    connection.call(30s, "a test document", [&] {
        css::uno::Reference<css::util::XCloseable> document(
            loader->loadComponentFromURL("private:factory/swriter", "_blank", 0, hidden),
            css::uno::UNO_QUERY_THROW);
        document->close(true);
        return 0;
    });
}

// The office's single-instance socket under the name it gets from the URL of
// the profile, with the office's hex spelling (no leading zeros).
TEST(OfficePipes, NameTheSocketsAsTheOfficeDoes) {
    using platform::office::OfficePipeSocket;
    using platform::office::SingleInstancePipeName;
    EXPECT_EQ("SingleOfficeIPC_559880559179e3caf37f1d47dc7ad94e",
              SingleInstancePipeName("file:///tmp/p9exp/prof"));
    EXPECT_EQ("SingleOfficeIPC_8f1fd2a845acb0aa2b413abbb9546e9",
              SingleInstancePipeName("file:///tmp/p9exp/prof/"));
    EXPECT_EQ("/tmp/OSL_PIPE_" + std::to_string(::getuid()) + "_name", OfficePipeSocket("name"));
}

TEST(OfficeLifetime, AMissingOfficeFailsTheCreationWithAMessageThatSaysSo) {
    platform::ScopedRegistration word("Word.Application", "", [] {
        return platform::office::WordApplication::create(
            OfficeLaunchSettings{"/nonexistent/soffice"}, {}, nullptr);
    });
    try {
        platform::CreateAutomationObject("Word.Application");
        FAIL() << "creation must fail";
    } catch (const AutomationError& e) {
        const std::string message = e.what();
        EXPECT_NE(std::string::npos, message.find("LibreOffice is not installed")) << message;
        EXPECT_NE(std::string::npos, message.find(", ProgID: \"Word.Application\"")) << message;
    }
}

TEST(OfficeLifetime, AnOfficeThatWillNotStartFailsTheCreation) {
    ScratchFolder folder("nostart");
    const auto fake = folder.Write("soffice", "#!/bin/sh\nexit 3\n");
    std::filesystem::permissions(fake, std::filesystem::perms::owner_all);
    try {
        OfficeConnection connection(OfficeLaunchSettings{fake.string()});
        FAIL() << "connection must fail";
    } catch (const AutomationError& e) {
        EXPECT_NE(std::string::npos,
                  std::string(e.what()).find("LibreOffice ended during start-up"))
            << e.what();
    }
}

// The start is charged in the office's processor time: one that spins is
// stopped at the limit, one that waits without working at four times it.
TEST(OfficeLifetime, AnOfficeThatDoesNotAnswerFailsTheStartSayingWhatRanOut) {
    ScratchFolder folder("slowstart");
    OfficeTimeouts timeouts;
    timeouts.startup = 300ms;
    const struct {
        const char* script;
        const char* message;
    } offices[] = {
        // Eight spinning children, so a loaded machine still gives them the
        // processor time before the wall ceiling.
        {"#!/bin/sh\nfor i in 1 2 3 4 5 6 7 8; do (while :; do :; done) & done\nwait\n",
         "did not start within 0.3 s of processor time"},
        {"#!/bin/sh\nexec sleep 60\n",
         "did not start within 1.2 s while using less than 0.3 s of processor time"},
    };
    for (const auto& office : offices) {
        const auto fake = folder.Write("soffice", office.script);
        std::filesystem::permissions(fake, std::filesystem::perms::owner_all);
        try {
            OfficeConnection connection(OfficeLaunchSettings{fake.string()}, timeouts);
            FAIL() << "connection must fail";
        } catch (const AutomationError& e) {
            EXPECT_NE(std::string::npos, std::string(e.what()).find(office.message)) << e.what();
        }
    }
}

TEST(OfficeLifetime, ReleasingTheConnectionEndsTheOfficeGroupAndRemovesItsProfile) {
    SKIP_WITHOUT_OFFICE();
    pid_t group = 0;
    std::string profile;
    {
        OfficeConnection connection;
        group = connection.processGroup();
        profile = connection.profileFolder();
        EXPECT_TRUE(processGroupExists(group));
        EXPECT_TRUE(std::filesystem::exists(profile));
    }
    EXPECT_FALSE(processGroupExists(group));
    EXPECT_FALSE(std::filesystem::exists(profile));
}

// The office is asked to terminate and ends by itself; whatever it leaves,
// its guard removes: no temporary folder (lu*.tmp), no profile, no socket.
TEST(OfficeLifetime, AnEndedSessionLeavesNoTemporaryFilesAndNoPipeSockets) {
    SKIP_WITHOUT_OFFICE();
    PrivateTmpdir tmpdir;
    fs::path instanceSocket;
    pid_t group = 0;
    {
        OfficeConnection connection;
        group = connection.processGroup();
        instanceSocket = instanceSocketOf(connection.profileFolder());
        openAndCloseADocument(connection);
        EXPECT_TRUE(fs::exists(instanceSocket)) << "the office names its socket " << instanceSocket;
        EXPECT_EQ(1u, pipeSockets(ownAcceptPipePrefix()).size());
    }
    EXPECT_FALSE(processGroupExists(group));
    EXPECT_FALSE(fs::exists(instanceSocket));
    EXPECT_EQ(std::vector<std::string>{}, pipeSockets(ownAcceptPipePrefix()));
    EXPECT_EQ(std::vector<std::string>{}, tmpdir.leftovers());
}

TEST(OfficeLifetime, AKilledOfficeLeavesNoPipeSockets) {
    SKIP_WITHOUT_OFFICE();
    PrivateTmpdir tmpdir;
    fs::path instanceSocket;
    {
        OfficeProcess office{OfficeLaunchSettings{}};
        instanceSocket = instanceSocketOf(office.profileFolder());
        ASSERT_TRUE(appearsWithin(instanceSocket, 60s));
        ASSERT_TRUE(appearsWithin(platform::office::OfficePipeSocket(
                                      office.unoUrl().substr(14, office.unoUrl().find(';') - 14)),
                                  30s));
        office.kill();
    }
    EXPECT_FALSE(fs::exists(instanceSocket));
    EXPECT_EQ(std::vector<std::string>{}, pipeSockets(ownAcceptPipePrefix()));
    EXPECT_EQ(std::vector<std::string>{}, tmpdir.leftovers());
}

// The client is a forked copy of this test that is killed outright: the
// office must still go away.
TEST(OfficeLifetime, AKilledClientLeavesNoOfficeBehind) {
    SKIP_WITHOUT_OFFICE();
    int report[2];
    ASSERT_EQ(0, ::pipe(report));
    const pid_t client = ::fork();
    if (client == 0) {
        ::close(report[0]);
        OfficeProcess office{OfficeLaunchSettings{}};
        const pid_t group = office.officeProcessGroup();
        (void)!::write(report[1], &group, sizeof group);
        ::pause();
        ::_exit(0);
    }
    ::close(report[1]);
    pid_t group = 0;
    ASSERT_EQ(static_cast<ssize_t>(sizeof group), ::read(report[0], &group, sizeof group));
    ::close(report[0]);
    std::this_thread::sleep_for(500ms);  // let the office get going
    ASSERT_TRUE(processGroupExists(group));
    ::kill(client, SIGKILL);
    ::waitpid(client, nullptr, 0);
    EXPECT_TRUE(groupEndsWithin(group, 5000ms));
}

TEST(OfficeLifetime, AnOverrunningCallStopsTheOfficeAndLaterCallsFailAtOnce) {
    SKIP_WITHOUT_OFFICE();
    OfficeTimeouts timeouts;
    timeouts.quick = 300ms;
    OfficeConnection connection({}, timeouts);
    const pid_t group = connection.processGroup();
    try {
        // An office that hangs looks like a call that never returns: the
        // bridge call below stands in for it once the office is stopped, at
        // four times the limit since the idle office uses no processor time.
        connection.call(timeouts.quick, "a test call", [&] {
            std::this_thread::sleep_for(2000ms);
            connection.remoteContext()->getServiceManager();
            return 0;
        });
        FAIL() << "the overrun must fail the call";
    } catch (const AutomationError& e) {
        EXPECT_NE(std::string::npos, std::string(e.what()).find("did not finish a test call"))
            << e.what();
    }
    EXPECT_TRUE(groupEndsWithin(group, 5000ms));
    const auto started = std::chrono::steady_clock::now();
    EXPECT_THROW(connection.createInstance("com.sun.star.frame.Desktop"), AutomationError);
    EXPECT_LT(std::chrono::steady_clock::now() - started, 1000ms);
}

TEST(OfficeLifetime, TwoThreadsDriveTwoOfficesAtOnce) {
    SKIP_WITHOUT_OFFICE();
    platform::office::RegisterOfficeServers();
    ScratchFolder folder("threads");
    const auto page = folder.Write("t.htm", "<html><body><h1>Thread page</h1></body></html>");
    std::vector<pid_t> groups(2);
    std::vector<std::string> errors(2);
    auto work = [&](int n) {
        try {
            const auto app = platform::CreateAutomationObject("Word.Application");
            const auto document = app->get("Documents").toObject()->call("Add").toObject();
            app->get("Selection")
                .toObject()
                ->call("InsertFile", {page.string(), "", false, false, false});
            const auto pdf = folder.Path() / ("t" + std::to_string(n) + ".pdf");
            document->call("ExportAsFixedFormat", {pdf.string(), 17});
            document->call("Close", {false});
            app->call("Quit", {false});
        } catch (const std::exception& e) {
            errors[static_cast<std::size_t>(n)] = e.what();
        }
    };
    std::thread first(work, 0);
    std::thread second(work, 1);
    first.join();
    second.join();
    EXPECT_EQ("", errors[0]);
    EXPECT_EQ("", errors[1]);
    EXPECT_NE(std::string::npos, pdfText(folder.Path() / "t0.pdf").find("Thread page"));
    EXPECT_NE(std::string::npos, pdfText(folder.Path() / "t1.pdf").find("Thread page"));
}

}  // namespace
