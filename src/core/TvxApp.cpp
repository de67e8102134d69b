#include "core/TvxApp.h"

#include "platform/process/TickClock.h"

TvxApp* vxApp = nullptr;

TvxApp::TvxApp(std::string exeName, std::string firstParam)
    : ExeName(std::move(exeName)), FirstParam(std::move(firstParam)) {}

std::uint32_t TvxApp::TickCount() const { return platform::SystemTickClock().TickCount(); }
