// The tray app left alone: quelta-app with onboarding done and no accounts, in a temporary home,
// beside a bare Qt tray program, both in an XEmbed tray (trayer) on the display this runs on.
// After both settled, each idles 30 s; counted are its threads' wake-ups (voluntary context
// switches) and, at the end, its resident and proportional memory. Goals: no wake-up at all, and
// at most 1.2 × the bare tray's memory. Run as `xvfb-run -a dbus-run-session -- idle_bench`.
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

void prepareHome(const QString &home)
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
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        std::fprintf(stderr, "idle_bench needs an X display: run it under xvfb-run\n");
        return 1;
    }
    QTemporaryDir home;
    prepareHome(home.path());
    qputenv("QT_QPA_PLATFORM", "xcb");

    QProcess tray;
    const bool hasTray = !QStandardPaths::findExecutable(QStringLiteral("trayer")).isEmpty();
    if (hasTray)
        start(tray, QStringLiteral("trayer"));
    QThread::sleep(1);

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
    const double queltaRss = rollupMiB(quelta.processId(), "Rss"), queltaPss = rollupMiB(quelta.processId(), "Pss");
    const double bareRss = rollupMiB(bare.processId(), "Rss"), barePss = rollupMiB(bare.processId(), "Pss");
    const bool queltaRan = quelta.state() == QProcess::Running;
    end(quelta);
    end(bare);
    if (hasTray)
        end(tray);

    std::printf("tray: %s; quelta-app %s\n", hasTray ? "trayer (XEmbed)" : "none", queltaRan ? "ran throughout" : "ENDED EARLY");
    std::printf("wake-ups in %d s idle (goal: 0):\n", idleSeconds);
    std::printf("  quelta-app   %lld (%s)\n", queltaWakeUps.total(), qPrintable(queltaWakeUps.byThread()));
    std::printf("  bare Qt tray %lld (%s)\n", bareWakeUps.total(), qPrintable(bareWakeUps.byThread()));
    std::printf("quelta-app:   RSS %.1f MiB, PSS %.1f MiB\n", queltaRss, queltaPss);
    std::printf("bare Qt tray: RSS %.1f MiB, PSS %.1f MiB\n", bareRss, barePss);
    std::printf("ratios: RSS %.2f, PSS %.2f (goal: at most 1.20)\n", queltaRss / bareRss, queltaPss / barePss);
    return queltaRan ? 0 : 1;
}
