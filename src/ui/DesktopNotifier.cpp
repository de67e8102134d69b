#include "ui/DesktopNotifier.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QStringList>
#include <QVariantMap>

namespace ui {

DBusDesktopNotifier::DBusDesktopNotifier(const QDBusConnection& bus) : bus_(bus) {}

void DBusDesktopNotifier::Notify(const QString& summary, const QString& body) {
    if (!bus_.isConnected()) return;
    QDBusMessage call = QDBusMessage::createMethodCall(Service, Path, Service, "Notify");
    const QString application = QCoreApplication::applicationName();
    // app_name, replaces_id, app_icon, summary, body, actions, hints,
    // expire_timeout (-1: the server's default).
    call << application << 0u << QString("application-pdf") << summary << body << QStringList()
         << QVariantMap() << -1;
    bus_.send(call);
}

}  // namespace ui
