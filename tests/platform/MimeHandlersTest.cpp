// The default handler of a file type, asked of xdg-mime through the process
// runner.

#include <gtest/gtest.h>

#include <filesystem>

#include "ScratchFolder.h"
#include "platform/process/MimeHandlers.h"
#include "platform/process/ProcessRunner.h"

namespace fs = std::filesystem;

namespace {

// Answers Output with a scripted text and records what it was asked.
class AnsweringRunner : public platform::ProcessRunner {
public:
    std::optional<std::string> answer;
    std::string program;
    std::vector<std::string> args;

    Handle Start(const std::string&, const std::vector<std::string>&, const std::string&) override {
        return NoProcess;
    }
    std::optional<int> TryExitCode(Handle) override { return 1; }
    void Kill(Handle) override {}
    std::optional<std::string> Output(const std::string& p, const std::vector<std::string>& a,
                                      std::chrono::milliseconds) override {
        program = p;
        args = a;
        return answer;
    }
};

std::string AskWith(std::optional<std::string> answer) {
    auto runner = std::make_shared<AnsweringRunner>();
    runner->answer = std::move(answer);
    platform::ScopedProcessRunner scoped(runner);
    return platform::XdgMimeHandlers().DefaultHandler("application/vnd.ms-htmlhelp");
}

}  // namespace

TEST(MimeHandlers, AsksXdgMimeForTheTypesDefault) {
    auto runner = std::make_shared<AnsweringRunner>();
    runner->answer = "xchm.desktop\n";
    platform::ScopedProcessRunner scoped(runner);
    EXPECT_EQ(platform::XdgMimeHandlers().DefaultHandler("application/vnd.ms-htmlhelp"),
              "xchm.desktop");
    EXPECT_EQ(runner->program, "xdg-mime");
    EXPECT_EQ(runner->args,
              (std::vector<std::string>{"query", "default", "application/vnd.ms-htmlhelp"}));
}

TEST(MimeHandlers, NoAnswerBlankAnswerOrFailureMeansNoHandler) {
    EXPECT_EQ(AskWith(std::nullopt), "");  // not started, failed or timed out
    EXPECT_EQ(AskWith(""), "");
    EXPECT_EQ(AskWith(" \r\n"), "");
    EXPECT_EQ(AskWith("  kchmviewer.desktop \r\nsecond line\n"), "kchmviewer.desktop");
}

TEST(ProcessRunnerOutput, PassesArgumentsUnchangedAndKeepsOnlyStandardOutput) {
    const testsupport::ScratchFolder scratch("output");
    const fs::path script =
        scratch.Write("script", "#!/bin/sh\nprintf '%s|' \"$@\"\necho noise >&2\n");
    fs::permissions(script, fs::perms::owner_all);
    platform::PosixProcessRunner runner;
    EXPECT_EQ(runner.Output(script.string(), {"a b", "$HOME", ""}, std::chrono::seconds(10)),
              std::optional<std::string>("a b|$HOME||"));
}
