#include "platform/office/OfficeConnection.h"

#include <com/sun/star/bridge/XUnoUrlResolver.hpp>
#include <com/sun/star/connection/NoConnectException.hpp>
#include <com/sun/star/frame/XDesktop.hpp>
#include <thread>

#include "platform/office/ProfileSeed.h"
#include "platform/office/UnoRuntime.h"
#include "platform/process/ProcessCpuTime.h"

namespace platform::office {

OfficeConnection::OfficeConnection(const OfficeLaunchSettings& settings,
                                   const OfficeTimeouts& timeouts)
    : timeouts_(timeouts), watchdog_([this] {
          if (process_) process_->kill();
      }) {
    try {
        if (platform::StopRequested()) throw std::runtime_error("The run was stopped");
        process_ = std::make_unique<OfficeProcess>(settings);
        watchdog_.chargeProcessorTime(
            std::make_shared<platform::ProcessTreeCpuMeter>(process_->officeProcessGroup()));
        onStop_ = platform::StopSubscription([process = process_.get()] { process->kill(); });
        connect();
        if (!process_->startedFromSeed()) ProfileSeed().offer(process_->profileFolder());
    } catch (const std::exception& e) {
        onStop_.Reset();
        context_.clear();
        factory_.clear();
        process_.reset();
        throw AutomationError(kOfficeErrorCode, e.what());
    }
}

OfficeConnection::~OfficeConnection() {
    onStop_.Reset();
    terminateOffice();
    // Release the remote references while the bridge still stands (if it
    // does), then let the guard see the office out.
    try {
        desktop_.clear();
        factory_.clear();
        context_.clear();
    } catch (...) {
    }
    process_.reset();
}

// An office that terminates removes its pipes and temporary files itself; one
// that does not within the limit is killed by the watchdog.
void OfficeConnection::terminateOffice() {
    if (!isAlive() || !factory_.is() || platform::StopRequested()) return;
    try {
        ArmedCall armed(watchdog_, timeouts_.ending);
        css::uno::Reference<css::frame::XDesktop> desktop(
            factory_->createInstanceWithContext(OUString("com.sun.star.frame.Desktop"), context_),
            css::uno::UNO_QUERY);
        if (desktop.is()) desktop->terminate();
    } catch (...) {
        // The bridge goes down with the office: that is the expected end.
    }
}

void OfficeConnection::connect() {
    const auto local = localContext();
    css::uno::Reference<css::bridge::XUnoUrlResolver> resolver(
        local->getServiceManager()->createInstanceWithContext(
            OUString("com.sun.star.bridge.UnoUrlResolver"), local),
        css::uno::UNO_QUERY_THROW);
    const OUString url = toUno(process_->unoUrl());
    // One limit for the whole start: the office's processor time, so a
    // loaded machine that starts it slowly is waited for.
    ArmedCall armed(watchdog_, timeouts_.startup);
    for (;;) {
        if (watchdog_.expired())
            throw std::runtime_error("LibreOffice did not start " + watchdog_.expiryText());
        if (!process_->isRunning())
            throw std::runtime_error("LibreOffice ended during start-up and could not be reached");
        try {
            context_.set(resolver->resolve(url), css::uno::UNO_QUERY_THROW);
            factory_ = context_->getServiceManager();
            if (!factory_.is()) throw std::runtime_error("LibreOffice has no service manager");
            return;
        } catch (const css::connection::NoConnectException&) {
        } catch (const css::uno::Exception& e) {
            if (watchdog_.expired()) continue;
            throw std::runtime_error("LibreOffice could not be reached: " + fromUno(e.Message));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
}

bool OfficeConnection::isAlive() {
    return process_ && process_->isRunning() && !watchdog_.expired();
}

void OfficeConnection::ensureAlive(const std::string& what) {
    if (!isAlive())
        throw AutomationError(AutomationError::kDisconnected,
                              "LibreOffice is no longer running (" + what + ")");
}

css::uno::Reference<css::uno::XInterface> OfficeConnection::createInstance(
    const std::string& service) {
    return call(timeouts_.quick, "creating " + service,
                [&] { return factory_->createInstanceWithContext(toUno(service), context_); });
}

css::uno::Reference<css::frame::XComponentLoader> OfficeConnection::desktop() {
    if (!desktop_.is())
        desktop_.set(createInstance("com.sun.star.frame.Desktop"), css::uno::UNO_QUERY);
    if (!desktop_.is()) throw AutomationError(kOfficeErrorCode, "LibreOffice has no desktop");
    return desktop_;
}

AutomationError OfficeConnection::translateLost(const std::string& what) {
    if (watchdog_.expired())
        return AutomationError(AutomationError::kTimedOut, "LibreOffice did not finish " + what +
                                                               " " + watchdog_.expiryText() +
                                                               " and was stopped");
    return AutomationError(AutomationError::kDisconnected, "LibreOffice stopped while " + what);
}

AutomationError OfficeConnection::translate(const std::string& what, const css::uno::Exception& e) {
    if (watchdog_.expired() || !process_->isRunning()) return translateLost(what);
    std::string message = fromUno(e.Message);
    if (message.empty()) message = "no reason given";
    return AutomationError(kOfficeErrorCode, "LibreOffice failed " + what + ": " + message);
}

}  // namespace platform::office
