#pragma once
// Runs a test body in a forked child, for what must not touch the test
// program itself: signal dispositions, dropped privileges, private mounts.

#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <functional>
#include <string>

namespace platformtest {

// The child's exit code, 128 + N when a signal N ended it, -1 when no child
// could be made. The body's return value is the exit code; it must not
// return into the test framework.
inline int InChild(const std::function<int()>& body) {
    const pid_t child = ::fork();
    if (child < 0) return -1;
    if (child == 0) ::_exit(body());
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
    }
    if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// In a child only: a mount namespace of its own (a user namespace too when
// not root), so the child may mount a small file system. False when the
// machine does not allow it.
inline bool EnterPrivateMounts() {
    const uid_t uid = ::geteuid();
    const gid_t gid = ::getegid();
    const int flags = uid == 0 ? CLONE_NEWNS : CLONE_NEWUSER | CLONE_NEWNS;
    if (::unshare(flags) != 0) return false;
    if (uid != 0) {
        std::ofstream("/proc/self/setgroups") << "deny";
        std::ofstream("/proc/self/uid_map") << "0 " << uid << " 1";
        std::ofstream("/proc/self/gid_map") << "0 " << gid << " 1";
    }
    return ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
}

// Exit codes of a body that checks for itself.
constexpr int Passed = 0;
constexpr int Failed = 1;
constexpr int Skipped = 77;

}  // namespace platformtest
