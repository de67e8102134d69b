#include "core/TvxApp.h"

#include "platform/TickClock.h"

TvxApp* vxApp = nullptr;

TvxApp::TvxApp(std::string exeName, std::string firstParam)
    : ExeName(std::move(exeName)),
      FirstParam(std::move(firstParam)),
      clock_(&platform::SystemTickClock()) {}

std::uint32_t TvxApp::TickCount() const { return clock_->TickCount(); }

void TvxApp::SetClock(const platform::TickClock* clock) {
    clock_ = clock ? clock : &platform::SystemTickClock();
}
