#include "ShellServices.h"
#include "TestFixture.h"

#include "app/AppServices.h"
#include "app/QueltaBusService.h"
#include "app/TrayShell.h"
#include "core/AllowanceStore.h"
#include "ui/cli/CommandTarget.h"

#include <QApplication>
#include <QDBusConnection>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include <fcntl.h>
#include <unistd.h>

using namespace quelta;

// `quelta status --watch --format waybar` as a status bar runs it: a real process, its output a
// pipe, the running app on a bus of the test's own.
class StatusBarWatchTest : public QObject
{
    Q_OBJECT

    test::Fixture m_fixture;
    QByteArray m_read;

    // The complete lines read so far from `fd`.
    QStringList linesFrom(int fd)
    {
        char buffer[4096];
        for (ssize_t got; (got = ::read(fd, buffer, sizeof buffer)) > 0;)
            m_read.append(buffer, got);
        QStringList lines = QString::fromUtf8(m_read).split(QLatin1Char('\n'));
        lines.removeLast();
        return lines;
    }

private Q_SLOTS:
    void aBarFollowsTheRunningAppUntilItClosesThePipe()
    {
        QDBusConnection bus = QDBusConnection::sessionBus();
        QVERIFY2(bus.isConnected(), "run inside dbus-run-session");
        allowanceStore::saveEnabledProviders(m_fixture.store, {ProviderID::codex});
        const auto app = test::shellServices(m_fixture);
        TrayShell shell(*app, {});
        const std::unique_ptr<LocalCommandTarget> target = app->commandTarget();
        QObject host;
        auto *face = new QueltaBusService(&host, *app, shell, *target);
        QVERIFY(face->registerOn(bus));

        int pipeEnds[2];
        QCOMPARE(::pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK), 0);
        const int barEnd = pipeEnds[0];
        const int commandEnd = pipeEnds[1];
        QProcess command;
        command.setChildProcessModifier([commandEnd] { ::dup2(commandEnd, STDOUT_FILENO); });
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), m_fixture.home());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_fixture.home(QStringLiteral(".config")));
        command.setProcessEnvironment(environment);
        command.start(QStringLiteral(QUELTA_PROGRAM), {"status", "--watch", "--cached", "--format", "waybar"});
        QVERIFY(command.waitForStarted());
        ::close(commandEnd);

        QTRY_COMPARE_WITH_TIMEOUT(linesFrom(barEnd).size(), 1, 20'000);
        const QJsonObject first = QJsonDocument::fromJson(linesFrom(barEnd).first().toUtf8()).object();
        QCOMPARE(first.value(QStringLiteral("tooltip")).toString().section(QLatin1Char('\n'), 0, 0), QStringLiteral("ChatGPT — · Requires connection"));

        app->monitor().setConnectionAttemptState(ProviderID::codex, ProviderConnectionAttemptState::connecting);
        QTRY_COMPARE(linesFrom(barEnd).size(), 2);
        const QJsonObject second = QJsonDocument::fromJson(linesFrom(barEnd).last().toUtf8()).object();
        QCOMPARE(second.value(QStringLiteral("tooltip")).toString().section(QLatin1Char('\n'), 0, 0),
                 QStringLiteral("ChatGPT — · Complete sign-in in your browser"));

        // The bar goes away.
        QSignalSpy finished(&command, &QProcess::finished);
        ::close(barEnd);
        QVERIFY(finished.wait(10'000));
        QCOMPARE(command.exitStatus(), QProcess::NormalExit);
        QCOMPARE(command.exitCode(), 0);
    }
};

QTEST_MAIN(StatusBarWatchTest)
#include "StatusBarWatchTest.moc"
