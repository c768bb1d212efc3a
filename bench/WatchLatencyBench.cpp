// How soon a status bar hears of a change: the running app (its monitor, its face on a session bus
// of its own) and a real `quelta status --watch --format waybar` whose output is a pipe. Each of
// 20 rounds changes the app's state and times from the monitor's change signal to the new line
// readable in the pipe. Goal: a median under 50 ms. Run inside dbus-run-session.
#include "app/AppObjects.h"
#include "app/QueltaBusService.h"
#include "app/TrayShell.h"
#include "commands/CommandTarget.h"
#include "core/AllowanceStore.h"

#include <QApplication>
#include <QDBusConnection>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QSocketNotifier>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int rounds = 20;

// Reads the bar's end of the pipe and notes when each complete line arrived.
class BarEnd final : public QObject
{
public:
    explicit BarEnd(int fd, const QElapsedTimer &clock)
        : m_fd(fd)
        , m_clock(clock)
        , m_notifier(fd, QSocketNotifier::Read)
    {
        connect(&m_notifier, &QSocketNotifier::activated, this, [this] { read(); });
    }

    int lines() const { return int(m_arrivals.size()); }
    qint64 lastArrival() const { return m_arrivals.back(); }

    // Runs the event loop until `count` lines have arrived or `timeoutMs` passed.
    bool waitForLines(int count, int timeoutMs)
    {
        QEventLoop loop;
        QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
        QMetaObject::Connection done = connect(&m_notifier, &QSocketNotifier::activated, &loop, [&] {
            if (lines() >= count)
                loop.quit();
        });
        if (lines() < count)
            loop.exec();
        disconnect(done);
        return lines() >= count;
    }

private:
    void read()
    {
        char buffer[4096];
        for (ssize_t got; (got = ::read(m_fd, buffer, sizeof buffer)) > 0;) {
            for (ssize_t i = 0; i < got; ++i) {
                if (buffer[i] == '\n')
                    m_arrivals.push_back(m_clock.nsecsElapsed());
            }
        }
    }

    int m_fd;
    const QElapsedTimer &m_clock;
    QSocketNotifier m_notifier;
    std::vector<qint64> m_arrivals;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        std::fprintf(stderr, "no session bus: run inside dbus-run-session\n");
        return 1;
    }
    QTemporaryDir home;
    quelta::AppObjects::Configuration configuration = quelta::AppObjects::Configuration::standard();
    configuration.settingsDirectory = home.filePath(QStringLiteral("config"));
    configuration.executableSearch = quelta::ExecutableSearch{home.path(), {}};
    configuration.framerHelper = home.filePath(QStringLiteral("no-helper"));
    configuration.framerProfileLock = home.filePath(QStringLiteral("framer.lock"));
    {
        quelta::SettingsStore store(configuration.settingsDirectory);
        quelta::allowanceStore::saveEnabledProviders(store, {quelta::ProviderID::codex, quelta::ProviderID::claudeCode});
    }
    quelta::AppObjects app(configuration);

    QElapsedTimer clock;
    clock.start();
    qint64 changedAt = 0;
    // Connected before the app's own observers, so the time is taken as the signal starts.
    QObject::connect(&app.monitor(), &quelta::AllowanceMonitor::changed, [&] { changedAt = clock.nsecsElapsed(); });
    quelta::TrayShell shell(app, {});
    quelta::LocalCommandTarget target(app.monitor(), app.connection(), {});
    QObject host;
    auto *face = new quelta::QueltaBusService(&host, app, shell, target);
    if (!face->registerOn(bus)) {
        std::fprintf(stderr, "could not claim the Quelta name on the session bus\n");
        return 1;
    }

    int pipeEnds[2];
    if (::pipe2(pipeEnds, O_CLOEXEC | O_NONBLOCK) != 0)
        return 1;
    QProcess command;
    const int commandEnd = pipeEnds[1];
    command.setChildProcessModifier([commandEnd] { ::dup2(commandEnd, STDOUT_FILENO); });
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home.path());
    command.setProcessEnvironment(environment);
    command.start(QStringLiteral(QUELTA_PROGRAM), {"status", "--watch", "--cached", "--format", "waybar"});
    command.waitForStarted();
    ::close(commandEnd);
    BarEnd bar(pipeEnds[0], clock);
    if (!bar.waitForLines(1, 20'000)) {
        std::fprintf(stderr, "the watch wrote no first line\n");
        return 1;
    }

    std::vector<double> latencies;
    for (int round = 0; round < rounds; ++round) {
        if (round % 2 == 0)
            app.monitor().beginConnecting(quelta::ProviderID::codex);
        else
            app.monitor().finishConnecting(quelta::ProviderID::codex, true);
        if (!bar.waitForLines(round + 2, 5'000)) {
            std::fprintf(stderr, "round %d: no line within 5 s\n", round + 1);
            return 1;
        }
        latencies.push_back(double(bar.lastArrival() - changedAt) / 1e6);
    }
    // One line per change, none left over: each arrival above answered its own change.
    bar.waitForLines(rounds + 2, 500);
    if (bar.lines() != rounds + 1) {
        std::fprintf(stderr, "%d lines for %d changes\n", bar.lines() - 1, rounds);
        return 1;
    }
    ::close(pipeEnds[0]);
    command.waitForFinished(10'000);

    std::sort(latencies.begin(), latencies.end());
    std::printf("change signal to the new line in the pipe, %d rounds: median %.2f ms, fastest %.2f ms, slowest %.2f ms (goal: median under 50 ms)\n",
                rounds, latencies[latencies.size() / 2], latencies.front(), latencies.back());
    std::printf("the watch ended with status %d after its pipe closed\n", command.exitCode());
    return 0;
}
