#pragma once
// Starting an outside program and asking whether it has ended, without a
// shell in between. The conversion code reaches processes only through this
// interface, so tests can put a scripted runner in its place.

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform {

class ProcessRunner {
public:
    using Handle = long;
    static constexpr Handle NoProcess = -1;

    virtual ~ProcessRunner() = default;

    // Starts `program` with `args` (not including the program itself) in
    // `workingDir`, its standard streams on /dev/null; a program name
    // without "/" is looked up on the PATH.
    // Returns NoProcess when the program cannot be started.
    virtual Handle Start(const std::string& program, const std::vector<std::string>& args,
                         const std::string& workingDir) = 0;

    // The exit code once the process has ended (and is reaped), or nothing
    // while it still runs. A process ended by a signal gives 128 + signal.
    virtual std::optional<int> TryExitCode(Handle process) = 0;

    // Ends a process that is still running and reaps it.
    virtual void Kill(Handle process) = 0;

    // Leaves a started process to run on its own: nobody asks for its exit
    // code, yet it is reaped when it ends, so it never lingers as a zombie. A
    // runner that does not override this does nothing.
    virtual void Release(Handle process);

    // Runs `program` (looked up on the PATH when it has no "/") to its end and
    // returns what it wrote on standard output; nothing when it cannot be
    // started, ends with another code than 0, or still runs after `timeout`
    // (it is then killed). Standard input and error are /dev/null. A runner
    // that does not override this answers nothing.
    virtual std::optional<std::string> Output(const std::string& program,
                                              const std::vector<std::string>& args,
                                              std::chrono::milliseconds timeout);

    // The runner used by the program; tests swap it with ScopedProcessRunner.
    static std::shared_ptr<ProcessRunner> Current();
    static std::shared_ptr<ProcessRunner> Replace(std::shared_ptr<ProcessRunner> runner);
};

// The real runner over posix_spawn.
class PosixProcessRunner : public ProcessRunner {
public:
    Handle Start(const std::string& program, const std::vector<std::string>& args,
                 const std::string& workingDir) override;
    std::optional<int> TryExitCode(Handle process) override;
    void Kill(Handle process) override;
    void Release(Handle process) override;
    std::optional<std::string> Output(const std::string& program,
                                      const std::vector<std::string>& args,
                                      std::chrono::milliseconds timeout) override;
};

// Puts a runner in place for the lifetime of the object.
class ScopedProcessRunner {
public:
    explicit ScopedProcessRunner(std::shared_ptr<ProcessRunner> runner)
        : previous_(ProcessRunner::Replace(std::move(runner))) {}
    ~ScopedProcessRunner() { ProcessRunner::Replace(previous_); }
    ScopedProcessRunner(const ScopedProcessRunner&) = delete;
    ScopedProcessRunner& operator=(const ScopedProcessRunner&) = delete;

private:
    std::shared_ptr<ProcessRunner> previous_;
};

}  // namespace platform
