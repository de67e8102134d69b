#include "platform/office/UnoRuntime.h"

#include <cppuhelper/bootstrap.hxx>
#include <mutex>
#include <rtl/bootstrap.hxx>
#include <stdexcept>

namespace platform::office {

css::uno::Reference<css::uno::XComponentContext> localContext() {
    static std::mutex mutex;
    static css::uno::Reference<css::uno::XComponentContext> context;
    std::lock_guard lock(mutex);
    if (context.is()) return context;
    // Set through the bootstrap API, not the environment: the office started
    // later would inherit an environment variable and fail to find its own.
    rtl::Bootstrap::set(
        OUString("URE_BOOTSTRAP"),
        OUString("vnd.sun.star.pathname:" PELLIN_OFFICE_PROGRAM_DIR "/fundamentalrc"));
    try {
        context = cppu::defaultBootstrap_InitialComponentContext();
    } catch (const css::uno::Exception& e) {
        throw std::runtime_error("The UNO runtime could not start: " + fromUno(e.Message));
    }
    if (!context.is()) throw std::runtime_error("The UNO runtime could not start");
    return context;
}

OUString toUno(const std::string& text) {
    return OUString(text.data(), static_cast<sal_Int32>(text.size()), RTL_TEXTENCODING_UTF8);
}

std::string fromUno(const OUString& text) {
    const rtl::OString utf8 = OUStringToOString(text, RTL_TEXTENCODING_UTF8);
    return std::string(utf8.getStr(), static_cast<std::size_t>(utf8.getLength()));
}

}  // namespace platform::office
