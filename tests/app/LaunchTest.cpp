#include "DesktopTray.h"
#include "ShellServices.h"
#include "TestFixture.h"

#include "app/AppObjects.h"
#include "app/QueltaBusService.h"
#include "app/TrayShell.h"
#include "commands/CommandTarget.h"
#include "core/AllowanceStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include <array>

using namespace quelta;

// Real `quelta` processes on a private bus under Xvfb: which one runs, and what a command that
// defers to the running one says.
class LaunchTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::Fixture> m_fixture;
    test::DesktopTray m_desktop;
    QDBusConnection m_bus = QDBusConnection::sessionBus();

    // For a real `quelta`: the fixture's home and folders, no vendor tools on the path.
    QProcessEnvironment launchEnvironment() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), m_fixture->home());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_fixture->home(QStringLiteral(".config")));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), m_fixture->home(QStringLiteral(".local/share")));
        environment.insert(QStringLiteral("XDG_CACHE_HOME"), m_fixture->home(QStringLiteral(".cache")));
        environment.insert(QStringLiteral("PATH"), QStringLiteral("/usr/bin:/bin"));
        return environment;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(m_bus.isConnected(), "run inside dbus-run-session");
        QVERIFY(m_desktop.start());
    }

    void init() { m_fixture = std::make_unique<test::Fixture>(); }

    // Two launches at the same moment: one runs, the other shows its popover and ends.
    void twoLaunchesAtOnceLeaveOneQuelta()
    {
        SettingsStore launched(m_fixture->home(QStringLiteral(".config/quelta")));
        launched.setBool(QLatin1String(allowanceStore::hasCompletedOnboardingKey), true);
        for (int round = 0; round < 20; ++round) {
            m_desktop.watcher().clear();
            std::array<QProcess, 2> launches;
            for (QProcess &launch : launches) {
                launch.setProcessEnvironment(launchEnvironment());
                launch.start(QStringLiteral(QUELTA_PROGRAM), {});
            }
            const auto ended = [&] {
                return std::find_if(launches.begin(), launches.end(), [](const QProcess &p) { return p.state() == QProcess::NotRunning; });
            };
            QTRY_VERIFY_WITH_TIMEOUT(ended() != launches.end(), 20'000);
            QProcess &loser = *ended();
            QProcess &survivor = &loser == &launches[0] ? launches[1] : launches[0];
            QCOMPARE(loser.exitStatus(), QProcess::NormalExit);
            QCOMPARE(loser.exitCode(), 0);
            QTRY_COMPARE_WITH_TIMEOUT(m_desktop.watcher().items().size(), 1, 20'000);
            QTest::qWait(100);
            QCOMPARE(survivor.state(), QProcess::Running);
            QCOMPARE(m_desktop.watcher().items().size(), 1);
            survivor.terminate();
            QVERIFY(survivor.waitForFinished(10'000));
            QCOMPARE(survivor.exitStatus(), QProcess::NormalExit);
        }
    }

    // `quelta` alone in a folder: nothing to become, and it says what it looked for.
    void aLaunchWithoutTheTrayProgramSaysSo()
    {
        const QString lone = m_fixture->home(QStringLiteral("lone/quelta"));
        QVERIFY(QDir().mkpath(QFileInfo(lone).path()));
        QVERIFY(QFile::copy(QStringLiteral(QUELTA_PROGRAM), lone));
        QProcess launch;
        launch.setProcessEnvironment(launchEnvironment());
        launch.start(lone, {QStringLiteral("--show-popover")});
        QVERIFY(launch.waitForFinished(20'000));
        QCOMPARE(launch.exitStatus(), QProcess::NormalExit);
        QCOMPARE(launch.exitCode(), 1);
        const QByteArray message = launch.readAllStandardError();
        QVERIFY2(message.contains("cannot start the application program " + QFile::encodeName(QFileInfo(lone).path()) + "/quelta-app: No such file"),
                 message.constData());
    }

    void connectDeferredToTheRunningAppAdvisesAsAlone_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("lower case") << QStringLiteral("chatgpt");
        QTest::newRow("as displayed") << QStringLiteral("ChatGPT");
    }

    // Codex is missing: the command says so and how to mend it, whether it ran the sign-in
    // itself or the running app did.
    void connectDeferredToTheRunningAppAdvisesAsAlone()
    {
        QFETCH(QString, name);
        QProcessEnvironment environment = launchEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        const auto connect = [&] {
            QProcess command;
            command.setProcessEnvironment(environment);
            QSignalSpy finished(&command, &QProcess::finished);
            command.start(QStringLiteral(QUELTA_PROGRAM), {QStringLiteral("connect"), name});
            finished.wait(20'000);
            return std::pair(command.exitStatus() == QProcess::NormalExit ? command.exitCode() : -1, command.readAllStandardError());
        };

        const auto alone = connect();
        QCOMPARE(alone.first, 1);
        QVERIFY2(alone.second.contains("ChatGPT couldn’t connect. Install Codex from"), alone.second.constData());

        auto app = test::shellServices(*m_fixture);
        TrayShell shell(*app, {});
        const std::unique_ptr<LocalCommandTarget> target = app->commandTarget();
        QObject host;
        auto *face = new QueltaBusService(&host, *app, shell, *target);
        QVERIFY(face->registerOn(m_bus));
        const auto deferred = connect();
        m_bus.unregisterService(QStringLiteral("app.quelta.Quelta"));
        m_bus.unregisterObject(QStringLiteral("/app/quelta/Quelta"));
        QCOMPARE(deferred, alone);
        QCOMPARE(app->monitor().connectionAttemptState(ProviderID::codex), ProviderConnectionAttemptState::failed);
    }
};

QTEST_MAIN(LaunchTest)
#include "LaunchTest.moc"
