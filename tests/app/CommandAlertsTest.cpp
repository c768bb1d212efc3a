#include "NotificationServerStandIn.h"
#include "TestFixture.h"
#include "TinyFilesystem.h"

#include "alerts/UsageNotificationManager.h"
#include "core/AllowanceStore.h"

#include <QDBusConnection>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

using namespace quelta;
using Server = test::NotificationServerStandIn;

// `quelta status` run as a process of its own, with no Quelta running: ChatGPT at 18 % left, alerts
// switched on, and a notification server on the test's bus.
class CommandAlertsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::Fixture> m_fixture;
    std::unique_ptr<Server> m_server;

    QString configHome() const { return m_fixture->directory.filePath(QStringLiteral("config-home")); }

    // The store the command uses, opened afresh to see what it wrote.
    MetricStates storedStates() const
    {
        SettingsStore store(configHome() + QLatin1String("/quelta"));
        const std::optional<QByteArray> data = store.dataValue(QLatin1String(UsageNotificationManager::metricStatesKey));
        return data ? decodeMetricStates(*data).value_or(MetricStates{}) : MetricStates{};
    }

    void startStatus(QProcess &command) const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), m_fixture->home());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome());
        environment.insert(QStringLiteral("XDG_DATA_HOME"), m_fixture->directory.filePath(QStringLiteral("data-home")));
        environment.insert(QStringLiteral("XDG_CACHE_HOME"), m_fixture->directory.filePath(QStringLiteral("cache-home")));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        command.setProcessEnvironment(environment);
        command.start(QStringLiteral(QUELTA_PROGRAM), {QStringLiteral("status")});
        QVERIFY(command.waitForStarted());
    }

    void runStatus() const
    {
        QProcess command;
        startStatus(command);
        QSignalSpy finished(&command, &QProcess::finished);
        QVERIFY(finished.wait(30'000));
        QCOMPARE(command.exitCode(), 0);
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(QDBusConnection::sessionBus().isConnected(), "run inside dbus-run-session");
        m_server = std::make_unique<Server>(QStringLiteral("notification-server"));
        QVERIFY(m_server->start());
    }

    void init()
    {
        m_fixture = std::make_unique<test::Fixture>();
        m_server->received.clear();
        QVERIFY(m_fixture->installStandIn(QStringLiteral("codex"), QStringLiteral(CODEX_STAND_IN)));
        const QByteArray reply = R"({"id":2,"result":{"rateLimits":{"primary":{"usedPercent":82,"windowDurationMins":300}}}})";
        m_fixture->writeHomeFile(QStringLiteral("codex-scenario.json"),
                                 QJsonDocument(QJsonObject{{QStringLiteral("output"), QString::fromUtf8(reply + '\n')}}).toJson());
        SettingsStore store(configHome() + QLatin1String("/quelta"));
        allowanceStore::saveAuthorizedProviders(store, {ProviderID::codex});
        store.setBool(QLatin1String(UsageNotificationManager::enabledKey), true);
    }

    void postsWithoutActionsAndWaitsForTheAnswer()
    {
        m_server->answer = Server::Answer::held;
        QProcess command;
        startStatus(command);
        QSignalSpy finished(&command, &QProcess::finished);
        QTRY_COMPARE_WITH_TIMEOUT(m_server->heldCount(), 1, 30'000);
        const Server::Notification &shown = m_server->received.constFirst();
        QCOMPARE(shown.summary, QStringLiteral("ChatGPT is running low"));
        QCOMPARE(shown.actions, QStringList{});
        QCOMPARE(shown.hints.value(QStringLiteral("desktop-entry")).toString(), QStringLiteral("app.quelta.Quelta"));

        // Still waiting for the server.
        QVERIFY(!finished.wait(500));
        m_server->answerHeld();
        QVERIFY(finished.wait(30'000));
        QCOMPARE(command.exitCode(), 0);
        const MetricStates states = storedStates();
        QCOMPARE(states.size(), 1);
        QCOMPARE(states.cbegin()->deliveredLowThresholds, QSet<int>{25});
    }

    void anAlertNotPostedStaysDue()
    {
        m_server->answer = Server::Answer::error;
        runStatus();
        QVERIFY(m_server->received.isEmpty());
        QVERIFY(storedStates().isEmpty());

        m_server->answer = Server::Answer::immediately;
        runStatus();
        QCOMPARE(m_server->received.size(), 1);
        QCOMPARE(m_server->received.constFirst().summary, QStringLiteral("ChatGPT is running low"));
        QCOMPARE(storedStates().cbegin()->deliveredLowThresholds, QSet<int>{25});
    }

    void aResultThatCannotBeStoredFailsTheCommand()
    {
        const QString folder = configHome() + QLatin1String("/quelta");
        const QString settings = SettingsStore(folder).filePath();
        QFile stored(settings);
        QVERIFY(stored.open(QIODevice::ReadOnly));
        const QByteArray before = stored.readAll();
        stored.close();
        const test::TinyFilesystem tiny(folder);
        if (!tiny.isMounted())
            QSKIP("mounting a tmpfs is not permitted here");
        QVERIFY(stored.open(QIODevice::WriteOnly) && stored.write(before) == before.size());
        stored.close();
        // The lock file takes the last page.
        QVERIFY(tiny.fill(1));

        m_server->answer = Server::Answer::immediately;
        QProcess command;
        startStatus(command);
        // The notification server answers from this process's event loop.
        QSignalSpy finished(&command, &QProcess::finished);
        QVERIFY(finished.wait(30'000));
        QCOMPARE(command.exitCode(), 1);
        QVERIFY(command.readAllStandardError().contains("couldn’t save settings to " + QFile::encodeName(settings)));
        QVERIFY(stored.open(QIODevice::ReadOnly));
        QCOMPARE(stored.readAll(), before);
    }
};

QTEST_GUILESS_MAIN(CommandAlertsTest)
#include "CommandAlertsTest.moc"
