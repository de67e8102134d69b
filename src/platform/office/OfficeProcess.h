#pragma once
// A private headless office: its own profile folder under the temporary
// folder, its own UNO pipe, its own process group.
//
// The office is not a child of the client. A small guard process sits between
// them: it starts the office in a new process group and waits on a socket
// whose only other end is this object. When the object is destroyed it says
// goodbye there, and the guard gives the office a few seconds to end by
// itself (its client normally asked it to terminate). When the client process
// dies in any way (a crash or SIGKILL included), the socket reaches end of
// file without a goodbye. Either way the guard then sends the office SIGTERM,
// kills its whole group, and removes the profile folder and the office's pipe
// sockets. So no office outlives the client that started it, and none leaves
// files.

#include <sys/types.h>

#include <string>

#include "platform/office/OfficeSettings.h"

namespace platform::office {

class OfficeProcess {
public:
    // Throws std::runtime_error when the program is missing or cannot start.
    explicit OfficeProcess(const OfficeLaunchSettings& settings);
    ~OfficeProcess();
    OfficeProcess(const OfficeProcess&) = delete;
    OfficeProcess& operator=(const OfficeProcess&) = delete;

    // The UNO address to resolve: uno:pipe,name=...;urp;StarOffice.ComponentContext
    const std::string& unoUrl() const { return unoUrl_; }
    const std::string& profileFolder() const { return profileFolder_; }
    pid_t officeProcessGroup() const { return officeGroup_; }
    bool startedFromSeed() const { return startedFromSeed_; }

    bool isRunning();
    // Kills the office's process group at once; the guard then cleans up.
    // Safe to call from any thread, also more than once.
    void kill();

private:
    void start(const OfficeLaunchSettings& settings);
    void stop();

    std::string pipeName_;
    std::string unoUrl_;
    std::string profileFolder_;
    pid_t guard_ = -1;
    pid_t officeGroup_ = -1;
    int lifeline_ = -1;  // the client's end: closing it tells the guard to clean up
    bool guardEnded_ = false;
    bool startedFromSeed_ = false;
};

}  // namespace platform::office
