#include "ManualClock.h"
#include "WaitFor.h"
#include "alerts/UsageNotificationManager.h"
#include "platform/FreedesktopNotificationCenter.h"
#include "platform/SettingsStore.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QTemporaryDir>
#include <QTest>

using namespace quelta;

namespace {

const QString serviceName = QStringLiteral("org.freedesktop.Notifications");
const QString objectPath = QStringLiteral("/org/freedesktop/Notifications");

} // namespace

// Plays the desktop's notification server on the private session bus, on a connection of its own.
class FakeNotificationServer : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    struct Notification {
        QString appName;
        QString summary;
        QString body;
        QStringList actions;
    };

    explicit FakeNotificationServer(QDBusConnection connection)
        : m_connection(std::move(connection))
    {
    }

    bool start()
    {
        return m_connection.registerObject(objectPath, this, QDBusConnection::ExportAllSlots)
            && m_connection.registerService(serviceName);
    }

    void stop()
    {
        m_connection.unregisterService(serviceName);
        m_connection.unregisterObject(objectPath);
    }

    void invoke(uint id, const QString &action)
    {
        QDBusMessage signal = QDBusMessage::createSignal(objectPath, serviceName, QStringLiteral("ActionInvoked"));
        signal << id << action;
        m_connection.send(signal);
    }

    void close(uint id)
    {
        QDBusMessage signal = QDBusMessage::createSignal(objectPath, serviceName, QStringLiteral("NotificationClosed"));
        signal << id << uint(2);
        m_connection.send(signal);
    }

    QList<Notification> received;

public Q_SLOTS:
    uint Notify(const QString &appName, uint, const QString &, const QString &summary, const QString &body,
                const QStringList &actions, const QVariantMap &, int)
    {
        received.append({appName, summary, body, actions});
        return uint(received.size());
    }

    QString GetServerInformation(QString &vendor, QString &version, QString &specVersion)
    {
        vendor = QStringLiteral("test");
        version = QStringLiteral("1");
        specVersion = QStringLiteral("1.2");
        return QStringLiteral("fake");
    }

private:
    QDBusConnection m_connection;
};

class FreedesktopNotificationCenterTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<FakeNotificationServer> m_server;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(QDBusConnection::sessionBus().isConnected(), "run inside dbus-run-session");
        m_server = std::make_unique<FakeNotificationServer>(
            QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("fake-notification-server")));
    }

    void cleanup() { m_server->stop(); }

    void postsAndAnswersEndToEnd()
    {
        QVERIFY(m_server->start());
        SettingsStore store(m_dir.filePath(QStringLiteral("end-to-end")));
        test::ManualClock clock;
        FreedesktopNotificationCenter center;
        UsageNotificationManager manager(store, clock, center);
        int opened = 0;
        manager.configure([&opened] { ++opened; });
        manager.setNotificationsEnabled(true);
        QTRY_COMPARE(manager.authorizationStatus(), UsageNotificationManager::AuthorizationStatus::authorized);
        QTRY_VERIFY(store.boolValue(QLatin1String(UsageNotificationManager::enabledKey)).value_or(false));

        manager.deliver(UsageAlert{QStringLiteral("Claude is running low"), QStringLiteral("Weekly · all models has 20% remaining."),
                                   ProviderID::claudeCode});
        QTRY_COMPARE(m_server->received.size(), 1);
        const FakeNotificationServer::Notification &shown = m_server->received[0];
        QCOMPARE(shown.appName, QStringLiteral("Quelta"));
        QCOMPARE(shown.summary, QStringLiteral("Claude is running low"));
        QCOMPARE(shown.body, QStringLiteral("Weekly · all models has 20% remaining."));
        QCOMPARE(shown.actions, (QStringList{QStringLiteral("QUELTA_OPEN"), QStringLiteral("Open Quelta"),
                                             QStringLiteral("QUELTA_SNOOZE_ONE_HOUR"), QStringLiteral("Snooze 1h"),
                                             QStringLiteral("default"), QStringLiteral("Open Quelta")}));
        QTRY_COMPARE(manager.lastDeliveryError(), std::nullopt);

        m_server->invoke(1, QStringLiteral("QUELTA_SNOOZE_ONE_HOUR"));
        QTRY_COMPARE(manager.snoozedUntil().value(QStringLiteral("claudeCode")), clock.now().addSecs(3600));
        QVERIFY(store.dataValue(QLatin1String(UsageNotificationManager::snoozesKey)));
        QCOMPARE(opened, 0);

        m_server->invoke(1, QStringLiteral("default"));
        QTRY_COMPARE(opened, 1);
        m_server->invoke(1, QStringLiteral("QUELTA_OPEN"));
        QTRY_COMPARE(opened, 2);

        // Answers for unknown or closed notifications do nothing.
        m_server->invoke(99, QStringLiteral("QUELTA_OPEN"));
        m_server->close(1);
        QTest::qWait(100);
        m_server->invoke(1, QStringLiteral("QUELTA_OPEN"));
        QTest::qWait(100);
        QCOMPARE(opened, 2);
    }

    void noServerMeansNotDeterminedAndDeliveryFails()
    {
        SettingsStore store(m_dir.filePath(QStringLiteral("no-server")));
        test::ManualClock clock;
        FreedesktopNotificationCenter center;
        const NotificationCenter::Settings settings = test::waitFor(center.notificationSettings());
        QCOMPARE(settings.authorizationStatus, NotificationCenter::AuthorizationStatus::notDetermined);

        UsageNotificationManager manager(store, clock, center);
        manager.setNotificationsEnabled(true);
        QTRY_VERIFY(!manager.notificationsEnabled());
        // Asked directly, the posting still fails with the delivery error.
        store.setBool(QLatin1String(UsageNotificationManager::enabledKey), true);
        UsageNotificationManager switchedOn(store, clock, center);
        switchedOn.deliver(UsageAlert{QStringLiteral("t"), QStringLiteral("b"), ProviderID::codex});
        QTRY_COMPARE(switchedOn.lastDeliveryError(),
                     QStringLiteral("Quelta couldn’t deliver alerts. Check Notifications in System Settings."));

        // The server starting later is noticed on the bus.
        QVERIFY(m_server->start());
        QTRY_COMPARE(switchedOn.authorizationStatus(), UsageNotificationManager::AuthorizationStatus::authorized);
    }
};

QTEST_GUILESS_MAIN(FreedesktopNotificationCenterTest)
#include "FreedesktopNotificationCenterTest.moc"
