// The end-of-run notification over D-Bus: the call reaches a notification
// service on a private bus with the protocol's arguments, and without a bus
// nothing happens.

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "UiTestSupport.h"
#include "ui/DesktopNotifier.h"

namespace uitest {
namespace {

// Stands in for the desktop's notification service.
class NotificationService : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    QStringList received;

public slots:
    uint Notify(const QString& appName, uint replacesId, const QString& appIcon,
                const QString& summary, const QString& body, const QStringList& actions,
                const QVariantMap& hints, int expireTimeout) {
        Q_UNUSED(appIcon);
        Q_UNUSED(actions);
        Q_UNUSED(hints);
        received << appName << QString::number(replacesId) << summary << body
                 << QString::number(expireTimeout);
        return 1;
    }
};

// A bus of its own, so the test neither needs nor disturbs a desktop.
class PrivateBus {
public:
    PrivateBus() {
        const QString daemon = QStandardPaths::findExecutable("dbus-daemon");
        if (daemon.isEmpty() || !folder_.isValid()) return;
        const QString config = folder_.filePath("bus.conf");
        QFile file(config);
        if (!file.open(QIODevice::WriteOnly)) return;
        file.write(
            "<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
            " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
            "<busconfig><type>session</type><listen>unix:dir=" +
            folder_.path().toUtf8() +
            "</listen><auth>EXTERNAL</auth>"
            "<policy context=\"default\"><allow send_destination=\"*\" eavesdrop=\"true\"/>"
            "<allow eavesdrop=\"true\"/><allow own=\"*\"/></policy></busconfig>\n");
        file.close();
        daemon_.start(daemon, {"--nofork", "--print-address", "--config-file=" + config});
        if (daemon_.waitForReadyRead(10000)) address_ = daemon_.readLine().trimmed();
    }
    ~PrivateBus() {
        daemon_.kill();
        daemon_.waitForFinished(5000);
    }
    QString Address() const { return address_; }

private:
    QTemporaryDir folder_;
    QProcess daemon_;
    QString address_;
};

TEST(DesktopNotifier, WithoutABusNothingHappensWithOneTheCallHasTheProtocolsArguments) {
    App();
    QDBusConnection nowhere = QDBusConnection::connectToBus("unix:path=/nonexistent/bus", "gone");
    ASSERT_FALSE(nowhere.isConnected());
    ui::DBusDesktopNotifier(nowhere).Notify("Pellin Convertor", "nobody hears this");
    QDBusConnection::disconnectFromBus("gone");  // neither threw nor waited

    PrivateBus bus;
    if (bus.Address().isEmpty()) GTEST_SKIP() << "no dbus-daemon to run a private bus";
    QDBusConnection serviceSide = QDBusConnection::connectToBus(bus.Address(), "service");
    ASSERT_TRUE(serviceSide.isConnected());
    NotificationService service;
    ASSERT_TRUE(serviceSide.registerObject(ui::DBusDesktopNotifier::Path, &service,
                                           QDBusConnection::ExportAllSlots));
    ASSERT_TRUE(serviceSide.registerService(ui::DBusDesktopNotifier::Service));

    QDBusConnection clientSide = QDBusConnection::connectToBus(bus.Address(), "client");
    ui::DBusDesktopNotifier notifier(clientSide);
    notifier.Notify("Pellin Convertor", "3 converted, 0 failed, 0 skipped in 5 s");
    QTRY_COMPARE_WITH_TIMEOUT(service.received.size(), 5, 10000);
    EXPECT_EQ(service.received[1], "0");
    EXPECT_EQ(service.received[2], "Pellin Convertor");
    EXPECT_EQ(service.received[3], "3 converted, 0 failed, 0 skipped in 5 s");
    EXPECT_EQ(service.received[4], "-1");

    QDBusConnection::disconnectFromBus("client");
    QDBusConnection::disconnectFromBus("service");
}

}  // namespace
}  // namespace uitest

#include "DesktopNotifierTest.moc"
