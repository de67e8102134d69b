#pragma once
// Which desktop program opens a kind of file by default. The program asks
// before it opens its help document: a CHM file is worth handing over only
// when some viewer has claimed the type.

#include <chrono>
#include <string>

namespace platform {

class MimeHandlers {
public:
    virtual ~MimeHandlers() = default;
    // The desktop id (such as "xchm.desktop") of the default handler of
    // `mimeType`; empty when there is none or the question cannot be asked.
    virtual std::string DefaultHandler(const std::string& mimeType) const = 0;
};

// Asks `xdg-mime query default <type>` through the current ProcessRunner.
class XdgMimeHandlers final : public MimeHandlers {
public:
    explicit XdgMimeHandlers(std::string program = "xdg-mime",
                             std::chrono::milliseconds timeout = std::chrono::seconds(5));
    std::string DefaultHandler(const std::string& mimeType) const override;

private:
    std::string program_;
    std::chrono::milliseconds timeout_;
};

// The process-wide xdg-mime handlers.
const MimeHandlers& DesktopMimeHandlers();

}  // namespace platform
