#include "ui/QtMainThreadDispatcher.h"

namespace ui {

QtMainThreadDispatcher::QtMainThreadDispatcher() : calls_(this) {
    platform::SetMainThreadDispatcher(this);
}

QtMainThreadDispatcher::~QtMainThreadDispatcher() {
    if (platform::GetMainThreadDispatcher() == this) platform::SetMainThreadDispatcher(nullptr);
}

void QtMainThreadDispatcher::RunAndWait(const std::function<void()>& call) { calls_.Run(call); }

}  // namespace ui
