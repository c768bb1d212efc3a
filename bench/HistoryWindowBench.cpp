// What the history window costs the tray, side by side in one run over 90 days of a five-minute
// refresh (3 providers, 2 limits each, every figure a change): the time to open it at 7 and at
// 90 days, the memory it holds while open, and what stays behind after it has been opened and
// closed ten times, against the memory of the idle process before the first opening.
#include "ResidentMemory.h"

#include "core/AllowanceMonitor.h"
#include "history/HistoryRecorder.h"
#include "platform/Clock.h"
#include "platform/FreedMemory.h"
#include "platform/SettingsStore.h"
#include "ui/history/HistoryWindow.h"

#include <QApplication>
#include <QComboBox>
#include <QPointer>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>

using namespace quelta;

namespace {

using SteadyClock = std::chrono::steady_clock;

double millisecondsSince(SteadyClock::time_point from)
{
    return std::chrono::duration<double, std::milli>(SteadyClock::now() - from).count();
}

QList<HistorySample> quarter(const QDateTime &now)
{
    QList<HistorySample> samples;
    const QDateTime start = now.addDays(-90);
    for (int index = 0; index < 90 * 24 * 12; ++index) {
        const QDateTime at = start.addSecs(qint64(index) * 300);
        for (const char *provider : {"claudeCode", "codex", "framer"}) {
            for (const char *limit : {"five_hour", "weekly"}) {
                samples.append({at, {QLatin1String(provider), QString(), QLatin1String(limit)}, QStringLiteral("Limit"), index % 101,
                                start.addSecs(qint64(index / 60 + 1) * 5 * 3600), 5 * 3600});
            }
        }
    }
    return samples;
}

void settle()
{
    for (int round = 0; round < 3; ++round) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
    releaseFreedMemory();
}

// Opens the window on Claude for `days` and answers how long until it was painted.
double open(QPointer<HistoryWindow> &window, AllowanceMonitor &monitor, HistoryRecorder &history, int days)
{
    const auto from = SteadyClock::now();
    window = new HistoryWindow(monitor, history);
    window->showAccount(ProviderID::claudeCode);
    window->periodPicker()->setCurrentIndex(window->periodPicker()->findData(days));
    window->show();
    window->grab();
    return millisecondsSince(from);
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir directory;
    SettingsStore settings(directory.filePath(QStringLiteral("config")));
    Clock &clock = Clock::system();
    AllowanceMonitor monitor(settings, clock, MonitorDependencies{});
    HistoryRecorder history(monitor, settings, directory.filePath(QStringLiteral("history.sqlite")));
    history.store().import(quarter(clock.now()));
    settle();

    QPointer<HistoryWindow> window;
    const double week = open(window, monitor, history, 7);
    window->close();
    settle();
    const double idle = bench::residentMiB();
    const double ninety = open(window, monitor, history, 90);
    settle();
    const double opened = bench::residentMiB();
    window->close();
    settle();
    for (int round = 0; round < 9; ++round) {
        open(window, monitor, history, 90);
        window->close();
        settle();
    }
    const double after = bench::residentMiB();
    std::printf("opening at 90 days: %.0f ms, at 7 days: %.0f ms (%.1fx)\n", ninety, week, ninety / week);
    std::printf("resident: idle %.1f MiB, window open %.1f MiB (+%.1f), after ten openings closed %.1f MiB (+%.1f: %.2fx of the open window's)\n",
                idle, opened, opened - idle, after, after - idle, (after - idle) / std::max(0.1, opened - idle));
    return 0;
}
