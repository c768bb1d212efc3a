// The tray app left alone, beside a bare Qt tray program, both in an XEmbed tray (trayer) on the
// display this runs on: first with onboarding done and no account, then with one ChatGPT account
// (a stand-in app-server) whose figures go to the history file. After both settled, each idles
// 30 s; counted are its threads' wake-ups (voluntary context switches) and, at the end, its
// resident and proportional memory. Goals: no wake-up at all; at most 1.2 × the bare tray's memory
// without an account, and history adding at most 2 MiB.
// Run as `xvfb-run -a dbus-run-session -- idle_bench`.
#include "analytics/AnalyticsManager.h"
#include "core/AllowanceStore.h"

#include "platform/SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>

namespace {

constexpr int settleSeconds = 10;
constexpr int idleSeconds = 30;

// Voluntary context switches of one thread: each is a sleep that something ended.
qint64 voluntarySwitches(const QString &statusPath)
{
    QFile status(statusPath);
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("voluntary_ctxt_switches:"))
            return line.mid(24).trimmed().toLongLong();
    }
    return -1;
}

// Every thread's wake-ups since the first sample, threads that start or end meanwhile included,
// by name.
class WakeUps
{
public:
    explicit WakeUps(qint64 pid)
        : m_tasks(QStringLiteral("/proc/%1/task").arg(pid))
    {
        sample(true);
    }

    void sample(bool first = false)
    {
        for (const QString &tid : m_tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            const qint64 switches = voluntarySwitches(m_tasks.filePath(tid + QStringLiteral("/status")));
            if (switches < 0)
                continue;
            Thread &thread = m_threads[tid];
            if (thread.name.isEmpty()) {
                QFile comm(m_tasks.filePath(tid + QStringLiteral("/comm")));
                comm.open(QIODevice::ReadOnly);
                thread.name = QString::fromUtf8(comm.readAll().trimmed());
                thread.first = first ? switches : 0;
            }
            thread.last = switches;
        }
    }

    qint64 total() const
    {
        qint64 sum = 0;
        for (const Thread &thread : m_threads)
            sum += thread.last - thread.first;
        return sum;
    }

    QString byThread() const
    {
        QStringList parts;
        for (const Thread &thread : m_threads) {
            if (thread.last > thread.first)
                parts << QStringLiteral("%1 %2").arg(thread.name).arg(thread.last - thread.first);
        }
        return parts.isEmpty() ? QStringLiteral("none") : parts.join(QStringLiteral(", "));
    }

private:
    struct Thread {
        QString name;
        qint64 first = 0;
        qint64 last = 0;
    };
    QDir m_tasks;
    QMap<QString, Thread> m_threads;
};

// A field of `/proc/<pid>/smaps_rollup`, in MiB.
double rollupMiB(qint64 pid, const QByteArray &field)
{
    QFile rollup(QStringLiteral("/proc/%1/smaps_rollup").arg(pid));
    if (!rollup.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : rollup.readAll().split('\n')) {
        if (line.startsWith(field + ':'))
            return line.mid(field.size() + 1).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return 0;
}

void start(QProcess &process, const QString &program)
{
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(QProcess::nullDevice());
    process.start(program, {});
    process.waitForStarted();
}

void end(QProcess &process)
{
    process.terminate();
    if (!process.waitForFinished(3000))
        process.kill();
    process.waitForFinished();
}

void prepareHome(const QString &home, bool withAccount)
{
    for (const char *name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"}) {
        const QString path = qstrcmp(name, "HOME") == 0 ? home : home + QLatin1Char('/') + QString::fromLatin1(name).toLower();
        QDir().mkpath(path);
        qputenv(name, path.toLocal8Bit());
    }
    quelta::SettingsStore store(home + QStringLiteral("/xdg_config_home/quelta"));
    store.setBool(QLatin1String(quelta::allowanceStore::hasCompletedOnboardingKey), true);
    // Nothing may leave the machine.
    store.setBool(QLatin1String(quelta::AnalyticsManager::enabledKey), false);
    if (!withAccount)
        return;
    // A signed-in Codex home and a stand-in app-server that reports a figure.
    QDir(home).mkpath(QStringLiteral(".codex"));
    QDir(home).mkpath(QStringLiteral("bin"));
    QFile auth(home + QStringLiteral("/.codex/auth.json"));
    auth.open(QIODevice::WriteOnly);
    auth.write(R"({"auth_mode":"chatgpt","tokens":{"account_id":"bench"}})");
    QFile::link(QStringLiteral(CODEX_STAND_IN), home + QStringLiteral("/bin/codex"));
    QFile scenario(home + QStringLiteral("/codex-scenario.json"));
    scenario.open(QIODevice::WriteOnly);
    scenario.write(R"({"output":"{\"id\":2,\"result\":{\"rateLimits\":{\"primary\":{\"usedPercent\":40,\"windowDurationMins\":300}}}}\n"})");
    store.setStringList(QLatin1String(quelta::allowanceStore::authorizedProvidersKey), {QStringLiteral("codex")});
    qputenv("PATH", (home + QStringLiteral("/bin:") + qEnvironmentVariable("PATH")).toLocal8Bit());
}

struct Measurement {
    qint64 wakeUps = 0;
    QString byThread;
    double rss = 0;
    double pss = 0;
};

struct Round {
    Measurement quelta;
    Measurement bare;
    bool queltaRan = false;
};

Measurement measured(qint64 pid, const WakeUps &wakeUps)
{
    return {wakeUps.total(), wakeUps.byThread(), rollupMiB(pid, "Rss"), rollupMiB(pid, "Pss")};
}

// quelta-app beside the bare tray, in a home of its own.
Round idleRound(bool withAccount)
{
    QTemporaryDir home;
    const QByteArray path = qgetenv("PATH");
    prepareHome(home.path(), withAccount);
    QProcess quelta;
    QProcess bare;
    start(quelta, QStringLiteral(QUELTA_APP_PROGRAM));
    start(bare, QStringLiteral(BARE_TRAY_PROGRAM));
    QThread::sleep(settleSeconds);

    WakeUps queltaWakeUps(quelta.processId());
    WakeUps bareWakeUps(bare.processId());
    // Read often, so that a thread that ends meanwhile is counted nearly to its end.
    for (int tick = 0; tick < idleSeconds * 4; ++tick) {
        QThread::msleep(250);
        queltaWakeUps.sample();
        bareWakeUps.sample();
    }
    Round round{measured(quelta.processId(), queltaWakeUps), measured(bare.processId(), bareWakeUps),
                quelta.state() == QProcess::Running};
    end(quelta);
    end(bare);
    qputenv("PATH", path);
    return round;
}

void print(const char *title, const Round &round)
{
    std::printf("%s; quelta-app %s\n", title, round.queltaRan ? "ran throughout" : "ENDED EARLY");
    std::printf("  wake-ups in %d s idle (goal: 0): quelta-app %lld (%s), bare Qt tray %lld (%s)\n", idleSeconds,
                round.quelta.wakeUps, qPrintable(round.quelta.byThread), round.bare.wakeUps, qPrintable(round.bare.byThread));
    std::printf("  quelta-app:   RSS %.1f MiB, PSS %.1f MiB\n", round.quelta.rss, round.quelta.pss);
    std::printf("  bare Qt tray: RSS %.1f MiB, PSS %.1f MiB\n", round.bare.rss, round.bare.pss);
    std::printf("  ratios: RSS %.2f, PSS %.2f\n", round.quelta.rss / round.bare.rss, round.quelta.pss / round.bare.pss);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::fprintf(stderr, "idle_bench needs an X display: run it under xvfb-run\n");
        return 1;
    }
    qputenv("QT_QPA_PLATFORM", "xcb");

    QProcess tray;
    const bool hasTray = !QStandardPaths::findExecutable(QStringLiteral("trayer")).isEmpty();
    if (hasTray)
        start(tray, QStringLiteral("trayer"));
    QThread::sleep(1);

    const Round empty = idleRound(false);
    const Round withAccount = idleRound(true);
    if (hasTray)
        end(tray);

    std::printf("tray: %s\n", hasTray ? "trayer (XEmbed)" : "none");
    print("no account (goal: RSS ratio at most 1.20)", empty);
    print("one ChatGPT account, its figures kept in the history file", withAccount);
    std::printf("history and the account add %.1f MiB RSS (goal for history: at most 2 MiB)\n", withAccount.quelta.rss - empty.quelta.rss);
    return empty.queltaRan && withAccount.queltaRan ? 0 : 1;
}
