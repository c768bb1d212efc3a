#include "ShellServices.h"
#include "TestFixture.h"

#include "app/AppObjects.h"
#include "app/QueltaBusService.h"
#include "app/TrayShell.h"
#include "commands/CommandTarget.h"
#include "commands/SingleInstance.h"
#include "core/AllowanceStore.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include <fcntl.h>
#include <unistd.h>

using namespace quelta;

namespace {

const QString requiresConnection = QStringLiteral("ChatGPT — · Requires connection");
const QString signingIn = QStringLiteral("ChatGPT — · Complete sign-in in your browser");

// A Quelta that takes the name and a State call, and answers nothing: it dies with the call open
// once the test lets its connection go.
class SilentQuelta final : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "app.quelta.Quelta")
public:
    int asked = 0;

public Q_SLOTS:
    QString State(const QDBusMessage &message)
    {
        message.setDelayedReply(true);
        ++asked;
        return {};
    }
};

} // namespace

// `quelta status --watch --format waybar` as a status bar runs it, and other commands beside it:
// real processes, the output a pipe, Quelta on a bus of the test's own.
class StatusBarWatchTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::Fixture> m_fixture;
    QByteArray m_read;
    int m_barEnd = -1;

    // The first line of each waybar tooltip read so far from the command's output.
    QStringList tooltips()
    {
        char buffer[4096];
        for (ssize_t got; (got = ::read(m_barEnd, buffer, sizeof buffer)) > 0;)
            m_read.append(buffer, got);
        QStringList lines = QString::fromUtf8(m_read).split(QLatin1Char('\n'));
        lines.removeLast();
        for (QString &line : lines)
            line = QJsonDocument::fromJson(line.toUtf8()).object().value(QStringLiteral("tooltip")).toString().section(QLatin1Char('\n'), 0, 0);
        return lines;
    }

    // Starts `quelta <arguments>` in the fixture's home, writing to a pipe that tooltips() reads.
    void start(QProcess &command, const QStringList &arguments)
    {
        int pipeEnds[2];
        QCOMPARE(::pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK), 0);
        m_barEnd = pipeEnds[0];
        const int commandEnd = pipeEnds[1];
        command.setChildProcessModifier([commandEnd] { ::dup2(commandEnd, STDOUT_FILENO); });
        command.setProcessEnvironment(environment());
        command.start(QStringLiteral(QUELTA_PROGRAM), arguments);
        QVERIFY(command.waitForStarted());
        ::close(commandEnd);
    }

    QProcessEnvironment environment() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), m_fixture->home());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_fixture->home(QStringLiteral(".config")));
        return environment;
    }

    // The bar goes away: the watch ends well.
    void closeBar(QProcess &command)
    {
        QSignalSpy finished(&command, &QProcess::finished);
        ::close(m_barEnd);
        QVERIFY(finished.wait(10'000));
        QCOMPARE(command.exitStatus(), QProcess::NormalExit);
        QCOMPARE(command.exitCode(), 0);
    }

    static QStringList watch() { return {"status", "--watch", "--cached", "--format", "waybar"}; }

private Q_SLOTS:
    void initTestCase() { QVERIFY2(QDBusConnection::sessionBus().isConnected(), "run inside dbus-run-session"); }

    void init()
    {
        m_fixture = std::make_unique<test::Fixture>();
        m_read.clear();
        // The app's store and the commands' own store both show ChatGPT alone.
        allowanceStore::saveEnabledProviders(m_fixture->store, {ProviderID::codex});
        SettingsStore commandStore(m_fixture->home(QStringLiteral(".config/quelta")));
        allowanceStore::saveEnabledProviders(commandStore, {ProviderID::codex});
    }

    void aBarFollowsTheRunningAppUntilItClosesThePipe()
    {
        const auto app = test::shellServices(*m_fixture);
        TrayShell shell(*app, {});
        const std::unique_ptr<LocalCommandTarget> target = app->commandTarget();
        QObject host;
        auto *face = new QueltaBusService(&host, *app, shell, *target);
        QVERIFY(face->registerOn(QDBusConnection::sessionBus()));
        QProcess bar;
        start(bar, watch());
        QTRY_COMPARE_WITH_TIMEOUT(tooltips(), QStringList{requiresConnection}, 20'000);
        app->monitor().beginConnecting(ProviderID::codex);
        QTRY_COMPARE(tooltips(), (QStringList{requiresConnection, signingIn}));
        closeBar(bar);
        QDBusConnection::sessionBus().unregisterService(QStringLiteral("app.quelta.Quelta"));
        QDBusConnection::sessionBus().unregisterObject(QStringLiteral("/app/quelta/Quelta"));
    }

    // A bar started before the app answers from its own monitor and holds no name, so others
    // are answered too; it follows the app while it runs and goes back when it dies.
    void aBarStartedFirstFollowsTheAppWhileItRuns()
    {
        QProcess bar;
        start(bar, watch());
        QTRY_COMPARE_WITH_TIMEOUT(tooltips(), QStringList{requiresConnection}, 20'000);
        QProcess beside;
        beside.setProcessEnvironment(environment());
        beside.start(QStringLiteral(QUELTA_PROGRAM), {"status", "--cached", "--format", "waybar"});
        QVERIFY(beside.waitForFinished(20'000));
        QCOMPARE(beside.exitCode(), 0);
        QVERIFY2(beside.readAllStandardOutput().contains(requiresConnection.toUtf8()), "answered from the stored figures");

        {
            QDBusConnection appBus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("app"));
            const auto app = test::shellServices(*m_fixture);
            TrayShell shell(*app, {});
            const std::unique_ptr<LocalCommandTarget> target = app->commandTarget();
            QObject host;
            auto *face = new QueltaBusService(&host, *app, shell, *target);
            // As the tray does, the name first and the object once it is built: the bar asks meanwhile.
            QVERIFY(singleInstance::claim(appBus));
            QTest::qWait(200);
            QVERIFY(face->registerOn(appBus));
            app->monitor().beginConnecting(ProviderID::codex);
            QTRY_COMPARE_WITH_TIMEOUT(tooltips(), (QStringList{requiresConnection, signingIn}), 20'000);
        }
        // The app quits: its connection closes once nothing of it holds it.
        QDBusConnection::disconnectFromBus(QStringLiteral("app"));
        QTRY_COMPARE_WITH_TIMEOUT(tooltips(), (QStringList{requiresConnection, signingIn, requiresConnection}), 20'000);
        closeBar(bar);
    }

    void aQueltaDyingUnderACommandLeavesItToItsOwnMonitor_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("status") << QStringList{"status", "--cached", "--format", "waybar"};
        QTest::newRow("watch") << watch();
    }

    void aQueltaDyingUnderACommandLeavesItToItsOwnMonitor()
    {
        QFETCH(QStringList, arguments);
        SilentQuelta silent;
        QProcess command;
        {
            QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("silent"));
            QVERIFY(bus.registerObject(QStringLiteral("/app/quelta/Quelta"), &silent, QDBusConnection::ExportAllSlots));
            QVERIFY(bus.registerService(QStringLiteral("app.quelta.Quelta")));
            start(command, arguments);
            QTRY_COMPARE_WITH_TIMEOUT(silent.asked, 1, 20'000);
        }
        QDBusConnection::disconnectFromBus(QStringLiteral("silent"));

        QTRY_COMPARE_WITH_TIMEOUT(tooltips(), QStringList{requiresConnection}, 20'000);
        if (arguments.contains(QStringLiteral("--watch")))
            return closeBar(command);
        QTRY_COMPARE_WITH_TIMEOUT(command.state(), QProcess::NotRunning, 10'000);
        QCOMPARE(command.exitCode(), 0);
    }

    void anOutputThatCannotBeWrittenEndsTheCommand_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("output");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("message");
        const QStringList status{"status", "--cached", "--format", "waybar"};
        const QByteArray full = "quelta: cannot write the output: No space left on device\n";
        QTest::newRow("status to a full disk") << status << QByteArray("/dev/full") << 1 << full;
        QTest::newRow("watch to a full disk") << watch() << QByteArray("/dev/full") << 1 << full;
        // What the command writes must not land in a descriptor Qt opened in its place.
        QTest::newRow("status with its output closed") << status << QByteArray() << 0 << QByteArray();
    }

    void anOutputThatCannotBeWrittenEndsTheCommand()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, output);
        QFETCH(int, status);
        QFETCH(QByteArray, message);
        QProcess command;
        command.setProcessEnvironment(environment());
        command.setChildProcessModifier([output] {
            ::close(STDOUT_FILENO);
            if (!output.isEmpty())
                ::open(output.constData(), O_WRONLY);
        });
        command.start(QStringLiteral(QUELTA_PROGRAM), arguments);
        QVERIFY(command.waitForFinished(20'000));
        QCOMPARE(command.exitStatus(), QProcess::NormalExit);
        QCOMPARE(command.readAllStandardError(), message);
        QCOMPARE(command.exitCode(), status);
    }
};

QTEST_MAIN(StatusBarWatchTest)
#include "StatusBarWatchTest.moc"
