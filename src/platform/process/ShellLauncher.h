#pragma once
// Hands a file, folder, web address or mail address to the desktop's default
// handler without waiting for it. Failures are not reported beyond the result:
// opening a link is always a best-effort step.

#include <string>

namespace platform {

class ShellLauncher {
public:
    virtual ~ShellLauncher() = default;
    // True when the handler was started.
    virtual bool Open(const std::string& target) = 0;
};

// Starts `xdg-open <target>` through the process runner (no shell, so the
// target is never interpreted; its standard streams on /dev/null) and leaves
// it to be reaped in the background.
class XdgOpenLauncher final : public ShellLauncher {
public:
    explicit XdgOpenLauncher(std::string program = "xdg-open");
    bool Open(const std::string& target) override;

private:
    std::string program_;
};

}  // namespace platform
