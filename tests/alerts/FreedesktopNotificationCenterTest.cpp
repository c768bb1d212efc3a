#include "HostileTexts.h"
#include "ManualClock.h"
#include "MonitorTestSupport.h"
#include "NotificationServerStandIn.h"
#include "WaitFor.h"
#include "alerts/AlertRules.h"
#include "alerts/UsageNotificationManager.h"
#include "platform/FreedesktopNotificationCenter.h"
#include "platform/SettingsStore.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace quelta;

using Server = test::NotificationServerStandIn;

class FreedesktopNotificationCenterTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<Server> m_server;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(QDBusConnection::sessionBus().isConnected(), "run inside dbus-run-session");
        m_server = std::make_unique<Server>(QStringLiteral("notification-server"));
    }

    void cleanup()
    {
        m_server->stop();
        m_server->received.clear();
        m_server->answer = Server::Answer::immediately;
        m_server->capabilities = {QStringLiteral("actions"), QStringLiteral("body")};
    }

    // A limit's name reaches the server as text: escaped for one that reads markup, as it is
    // for one that does not, and never substituted into.
    void outsideTextIsNeverMarkup_data() { test::addHostileTextRows(); }

    void outsideTextIsNeverMarkup()
    {
        QFETCH(QString, hostile);
        QVERIFY(m_server->start());
        const AlertMetric metric{QStringLiteral("claudeCode:weekly"), ProviderID::claudeCode, hostile, hostile, 20, std::nullopt, std::nullopt, std::nullopt};
        const UsageAlert alert = lowAllowanceAlert(metric, 25);
        QCOMPARE(alert.body, hostile + QStringLiteral(" has 20% remaining."));
        for (const bool markup : {false, true}) {
            m_server->capabilities = markup ? QStringList{QStringLiteral("body"), QStringLiteral("body-markup")} : QStringList{};
            FreedesktopNotificationCenter center;
            test::waitFor(center.add({QStringLiteral("hostile"), alert.title, alert.body, {}, {}}));
            const Server::Notification shown = m_server->received.takeLast();
            const auto read = [markup](const QString &text) { return markup ? test::markupReading(text) : std::optional(text); };
            QCOMPARE(read(shown.body), std::optional(alert.body));
            QCOMPARE(read(shown.summary), std::optional(alert.title));
        }
    }

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
        const Server::Notification &shown = m_server->received[0];
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

    // Servers group by the desktop entry, show the app icon, and may keep critical ones on screen.
    void hintsNameTheAppAndTheUrgency_data()
    {
        QTest::addColumn<int>("threshold");
        QTest::addColumn<uchar>("urgency");
        QTest::newRow("running low") << 25 << uchar(1);
        QTest::newRow("almost out") << 10 << uchar(2);
    }

    void hintsNameTheAppAndTheUrgency()
    {
        QFETCH(int, threshold);
        QFETCH(uchar, urgency);
        QVERIFY(m_server->start());
        SettingsStore store(m_dir.filePath(QStringLiteral("hints")));
        store.setBool(QLatin1String(UsageNotificationManager::enabledKey), true);
        test::ManualClock clock;
        FreedesktopNotificationCenter center;
        UsageNotificationManager manager(store, clock, center);
        const AlertMetric metric{QStringLiteral("codex:codex-primary"), ProviderID::codex, QStringLiteral("ChatGPT"), QStringLiteral("5-hour"), threshold - 2,
                                 std::nullopt, std::nullopt, std::nullopt};
        manager.deliver(lowAllowanceAlert(metric, threshold));
        QTRY_COMPARE(m_server->received.size(), 1);
        const Server::Notification &shown = m_server->received[0];
        QCOMPARE(shown.appIcon, QStringLiteral("app.quelta.Quelta"));
        QCOMPARE(shown.hints.value(QStringLiteral("desktop-entry")), QVariant(QStringLiteral("app.quelta.Quelta")));
        QCOMPARE(shown.hints.value(QStringLiteral("urgency")).typeId(), QMetaType::UChar);
        QCOMPARE(shown.hints.value(QStringLiteral("urgency")).value<uchar>(), urgency);
    }

    // The icon goes by name where the system's hicolor theme holds it, else also as its file,
    // which servers such as dunst would not find from a build tree or a home installation.
    void iconFileWhereTheThemeLacksIt_data()
    {
        QTest::addColumn<QString>("themeIcon");
        QTest::addColumn<bool>("fileExists");
        QTest::addColumn<bool>("sendsFile");
        QTest::newRow("scalable in the theme") << QStringLiteral("scalable/apps/app.quelta.Quelta.svg") << true << false;
        QTest::newRow("a PNG in the theme") << QStringLiteral("48x48/apps/app.quelta.Quelta.png") << true << false;
        QTest::newRow("another app's icon") << QStringLiteral("scalable/apps/app.other.Other.svg") << true << true;
        QTest::newRow("no theme") << QString() << true << true;
        QTest::newRow("no theme, no file") << QString() << false << false;
    }

    void iconFileWhereTheThemeLacksIt()
    {
        QFETCH(QString, themeIcon);
        QFETCH(bool, fileExists);
        QFETCH(bool, sendsFile);
        QVERIFY(m_server->start());
        QTemporaryDir data;
        const QString icon = data.filePath(QStringLiteral("theme/icons/hicolor/") + themeIcon);
        const QString file = data.filePath(QStringLiteral("beside/app.quelta.Quelta.svg"));
        for (const auto &[path, wanted] : {std::pair{icon, !themeIcon.isNull()}, {file, fileExists}}) {
            if (wanted)
                QVERIFY(QDir().mkpath(QFileInfo(path).path()) && QFile(path).open(QIODevice::WriteOnly));
        }
        FreedesktopNotificationCenter center(QDBusConnection::sessionBus(), {{data.filePath(QStringLiteral("empty")), data.filePath(QStringLiteral("theme"))}, file});
        test::waitFor(center.add({QStringLiteral("icon"), QStringLiteral("Title"), QStringLiteral("Body"), {}, {}}));
        const Server::Notification shown = m_server->received.takeLast();
        QCOMPARE(shown.appIcon, QStringLiteral("app.quelta.Quelta"));
        QCOMPARE(shown.hints.value(QStringLiteral("image-path")), sendsFile ? QVariant(file) : QVariant());
    }

    // A command run without the app: no actions, and the run lasts until the server has answered.
    void unattendedPostsWithoutActionsAndAwaitsTheAnswer()
    {
        QVERIFY(m_server->start());
        m_server->answer = Server::Answer::held;
        SettingsStore store(m_dir.filePath(QStringLiteral("unattended")));
        store.setBool(QLatin1String(UsageNotificationManager::enabledKey), true);
        test::ManualClock clock;
        FreedesktopNotificationCenter center;
        UsageNotificationManager manager(store, clock, center);
        manager.configureUnattended();
        manager.recordUsage(test::connectedAllowance(ProviderID::codex, 18));
        bool finished = false;
        const auto waitForDeliveries = [&]() -> QCoro::Task<void> {
            co_await manager.finishDeliveries();
            finished = true;
        };
        QCoro::Task<void> waiting = waitForDeliveries();
        QTRY_COMPARE(m_server->heldCount(), 1);
        QCOMPARE(m_server->received[0].actions, QStringList{});
        QTest::qWait(100);
        QVERIFY(!finished);
        m_server->answerHeld();
        QTRY_VERIFY(finished);
        QCOMPARE(manager.metricStates().value(QStringLiteral("codex:main")).deliveredLowThresholds, QSet<int>{25});
    }

    void anUnpostedAlertStaysDue()
    {
        QVERIFY(m_server->start());
        m_server->answer = Server::Answer::error;
        const QString folder = m_dir.filePath(QStringLiteral("stays-due"));
        test::ManualClock clock;
        FreedesktopNotificationCenter center;
        {
            SettingsStore store(folder);
            store.setBool(QLatin1String(UsageNotificationManager::enabledKey), true);
            UsageNotificationManager manager(store, clock, center);
            manager.configureUnattended();
            manager.recordUsage(test::connectedAllowance(ProviderID::codex, 18));
            test::waitFor(manager.finishDeliveries());
            QVERIFY(manager.lastDeliveryError());
            QVERIFY(!manager.metricStates().contains(QStringLiteral("codex:main")));
        }
        m_server->answer = Server::Answer::immediately;
        SettingsStore store(folder);
        UsageNotificationManager manager(store, clock, center);
        manager.configureUnattended();
        manager.recordUsage(test::connectedAllowance(ProviderID::codex, 17));
        test::waitFor(manager.finishDeliveries());
        QCOMPARE(m_server->received.size(), 1);
        QCOMPARE(m_server->received[0].summary, QStringLiteral("ChatGPT is running low"));
    }
};

QTEST_GUILESS_MAIN(FreedesktopNotificationCenterTest)
#include "FreedesktopNotificationCenterTest.moc"
