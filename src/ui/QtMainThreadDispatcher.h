#pragma once
// Serves the threads' synchronised calls from the Qt event loop: a call made
// on another thread is queued to the user-interface thread and its caller
// waits until it has run. Installed on construction, removed on destruction;
// construct it on the user-interface thread.

#include <QObject>

#include "platform/process/Thread.h"
#include "ui/UiThreadCall.h"

namespace ui {

class QtMainThreadDispatcher : public QObject, public platform::MainThreadDispatcher {
public:
    QtMainThreadDispatcher();
    ~QtMainThreadDispatcher() override;

    void RunAndWait(const std::function<void()>& call) override;

private:
    UiThreadCall calls_;
};

}  // namespace ui
