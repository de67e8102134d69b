#pragma once
// A message on the desktop beside the window, for the end of a run the user
// is not watching. The program's notifier speaks the freedesktop.org
// notification protocol on the session bus; without a bus, or without a
// notification service on it, nothing is shown and nothing is reported.

#include <QDBusConnection>
#include <QString>

namespace ui {

class DesktopNotifier {
public:
    virtual ~DesktopNotifier() = default;
    virtual void Notify(const QString& summary, const QString& body) = 0;
};

class DBusDesktopNotifier final : public DesktopNotifier {
public:
    // The session bus by default; tests hand in a private bus.
    explicit DBusDesktopNotifier(const QDBusConnection& bus = QDBusConnection::sessionBus());

    // Sends org.freedesktop.Notifications.Notify without waiting for the
    // answer, so a slow or missing service never holds up the window.
    void Notify(const QString& summary, const QString& body) override;

    static constexpr const char* Service = "org.freedesktop.Notifications";
    static constexpr const char* Path = "/org/freedesktop/Notifications";

private:
    QDBusConnection bus_;
};

}  // namespace ui
