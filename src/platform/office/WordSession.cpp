#include "platform/office/WordSession.h"

#include <algorithm>
#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/container/XNameAccess.hpp>
#include <com/sun/star/lang/XMultiServiceFactory.hpp>

#include "platform/office/UnoRuntime.h"

namespace platform::office {

WordSession::WordSession(OfficeLaunchSettings settings, OfficeTimeouts timeouts,
                         std::shared_ptr<PrinterList> printers)
    : settings_(std::move(settings)), timeouts_(timeouts), printers_(std::move(printers)) {
    connection_ = std::make_shared<OfficeConnection>(settings_, timeouts_);
}

std::shared_ptr<OfficeConnection> WordSession::connection() {
    if (!connection_ || !connection_->isAlive()) {
        activeDocument_.reset();
        connection_.reset();
        connection_ = std::make_shared<OfficeConnection>(settings_, timeouts_);
    }
    return connection_;
}

void WordSession::quit() {
    activeDocument_.reset();
    connection_.reset();
}

void WordSession::forgetDocument(const std::shared_ptr<WriterDocument>& document) {
    if (activeDocument_ == document) activeDocument_.reset();
}

std::string WordSession::activePrinter() {
    if (activePrinter_.empty() && printers_) {
        const auto installed = printers_->installedPrinters();
        if (!installed.empty()) activePrinter_ = installed.front();
    }
    return activePrinter_;
}

void WordSession::setActivePrinter(const std::string& name) {
    if (name == activePrinter_) return;
    const auto installed = printers_ ? printers_->installedPrinters() : std::vector<std::string>{};
    if (std::find(installed.begin(), installed.end(), name) == installed.end())
        throw AutomationError(kOfficeErrorCode,
                              "There is no printer named \"" + name + "\" installed");
    activePrinter_ = name;
}

std::string WordSession::officeVersion() {
    if (!version_.empty()) return version_;
    const auto office = connection();
    css::uno::Reference<css::lang::XMultiServiceFactory> provider(
        office->createInstance("com.sun.star.configuration.ConfigurationProvider"),
        css::uno::UNO_QUERY);
    if (!provider.is()) return version_;
    version_ = office->call(timeouts_.quick, "reading the version", [&] {
        css::beans::PropertyValue path;
        path.Name = "nodepath";
        path.Value <<= OUString("/org.openoffice.Setup/Product");
        const css::uno::Any argument(path);
        css::uno::Reference<css::container::XNameAccess> product(
            provider->createInstanceWithArguments("com.sun.star.configuration.ConfigurationAccess",
                                                  css::uno::Sequence<css::uno::Any>(&argument, 1)),
            css::uno::UNO_QUERY_THROW);
        OUString version;
        product->getByName("ooSetupVersion") >>= version;
        return fromUno(version);
    });
    return version_;
}

}  // namespace platform::office
