#pragma once
// Runs a piece of work in a forked child process with a time limit, so a
// crash or a hang inside a library that trusts its input (chmlib) ends the
// child only. The parent learns how the child ended.

#include <chrono>
#include <functional>
#include <string>

struct IsolatedOutcome {
    enum class Ending { Exited, Signalled, TimedOut, NotStarted, Unknown };
    Ending How = Ending::NotStarted;
    int ExitCode = 0;  // Exited
    int Signal = 0;    // Signalled
    int Process = 0;   // the child's process id, once started
};

// `work` runs in the child; its return value becomes the child's exit code.
// The child gets no core dump and default crash signals, so a crash always
// shows as a signal.
IsolatedOutcome RunIsolated(const std::function<int()>& work, std::chrono::milliseconds timeLimit);

// "signal 11 (Segmentation fault)"
std::string DescribeSignal(int signal);
