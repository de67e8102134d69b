#pragma once
// One private office and the UNO connection to it. Every call into the office
// goes through `call`, which bounds its time: an office that overruns is
// killed, and the call fails with a message that says so instead of hanging
// the caller's thread. A call into an office that has ended fails at once.
// When the process is asked to stop, the office is killed so a call in
// flight returns, and no new office is started. Releasing the connection asks
// the office to terminate, so it ends cleanly before its guard steps in.

#include <chrono>
#include <com/sun/star/frame/XComponentLoader.hpp>
#include <com/sun/star/lang/DisposedException.hpp>
#include <com/sun/star/lang/XMultiComponentFactory.hpp>
#include <com/sun/star/uno/Exception.hpp>
#include <com/sun/star/uno/XComponentContext.hpp>
#include <memory>
#include <string>

#include "platform/automation/AutomationError.h"
#include "platform/office/CallWatchdog.h"
#include "platform/office/OfficeProcess.h"
#include "platform/office/OfficeSettings.h"
#include "platform/process/StopRequest.h"

namespace platform::office {

class OfficeConnection {
public:
    // Starts the office and connects; throws AutomationError with a message
    // saying LibreOffice is missing or would not start.
    explicit OfficeConnection(const OfficeLaunchSettings& settings = {},
                              const OfficeTimeouts& timeouts = {});
    ~OfficeConnection();
    OfficeConnection(const OfficeConnection&) = delete;
    OfficeConnection& operator=(const OfficeConnection&) = delete;

    const OfficeTimeouts& timeouts() const { return timeouts_; }
    bool isAlive();
    pid_t processGroup() const { return process_->officeProcessGroup(); }
    const std::string& profileFolder() const { return process_->profileFolder(); }

    css::uno::Reference<css::uno::XComponentContext> remoteContext() const { return context_; }
    css::uno::Reference<css::lang::XMultiComponentFactory> serviceManager() const {
        return factory_;
    }
    css::uno::Reference<css::uno::XInterface> createInstance(const std::string& service);
    css::uno::Reference<css::frame::XComponentLoader> desktop();

    // Runs work() within the limit. UNO exceptions become AutomationError
    // naming `what`; an overrun kills the office.
    template <class Work>
    auto call(std::chrono::milliseconds limit, const std::string& what, Work&& work) {
        ensureAlive(what);
        try {
            ArmedCall armed(watchdog_, limit);
            return work();
        } catch (const css::lang::DisposedException&) {
            // The connection is gone: the office went down, though its guard
            // may not have noticed yet.
            throw translateLost(what);
        } catch (const css::uno::Exception& e) {
            throw translate(what, e);
        }
    }

    AutomationError translate(const std::string& what, const css::uno::Exception& e);
    AutomationError translateLost(const std::string& what);

private:
    void connect();
    void terminateOffice();
    void ensureAlive(const std::string& what);

    OfficeTimeouts timeouts_;
    std::unique_ptr<OfficeProcess> process_;
    CallWatchdog watchdog_;
    css::uno::Reference<css::uno::XComponentContext> context_;
    css::uno::Reference<css::lang::XMultiComponentFactory> factory_;
    css::uno::Reference<css::frame::XComponentLoader> desktop_;
    platform::StopSubscription onStop_;
};

// The failure code of an office error in the automation layer.
constexpr std::int32_t kOfficeErrorCode = static_cast<std::int32_t>(0x80020009);

}  // namespace platform::office
