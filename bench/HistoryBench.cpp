// The history record's costs against its budgets, in one run: a refresh's write (median), a
// 90-day CSV export of a year at a five-minute refresh (3 providers, 2 limits each, every figure
// a change: the record's worst case), and the file's size after 90 days of that.
#include "commands/HistoryCommand.h"
#include "history/HistoryExport.h"
#include "history/HistoryStore.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

using namespace quelta;

namespace {

using SteadyClock = std::chrono::steady_clock;

const QDateTime start(QDate(2025, 11, 20), QTime(0, 0), Qt::UTC);
constexpr int refreshMinutes = 5;
constexpr int refreshesPerDay = 24 * 60 / refreshMinutes;

double millisecondsSince(SteadyClock::time_point from)
{
    return std::chrono::duration<double, std::milli>(SteadyClock::now() - from).count();
}

// The six figures of one refresh, each moved since the last.
QList<HistorySample> refreshAt(int index)
{
    QList<HistorySample> samples;
    const QDateTime now = start.addSecs(qint64(index) * refreshMinutes * 60);
    for (const char *provider : {"claudeCode", "codex", "framer"}) {
        for (const char *limit : {"five_hour", "weekly"}) {
            HistorySample sample;
            sample.takenAt = now;
            sample.series = {QLatin1String(provider), QString(), QLatin1String(limit)};
            sample.limitName = QStringLiteral("Limit");
            sample.usedPercent = index % 100;
            sample.resetsAt = start.addSecs(qint64(index / 60 + 1) * 5 * 3600);
            sample.windowSeconds = 5 * 3600;
            samples << sample;
        }
    }
    return samples;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir directory;
    const QString yearFile = directory.filePath(QStringLiteral("year.sqlite"));
    const int days = 365;
    {
        // A year at once through import, then the last refreshes one by one as the monitor writes them.
        HistoryStore store(yearFile);
        QList<HistorySample> year;
        for (int index = 0; index < days * refreshesPerDay - 200; ++index)
            year += refreshAt(index);
        store.import(year);
        std::vector<double> writes;
        for (int index = days * refreshesPerDay - 200; index < days * refreshesPerDay; ++index) {
            const auto from = SteadyClock::now();
            store.record(refreshAt(index));
            writes.push_back(millisecondsSince(from));
        }
        std::sort(writes.begin(), writes.end());
        const double median = writes[writes.size() / 2];
        std::printf("refresh write, median of %zu: %.3f ms (budget 2 ms: %.2fx)\n", writes.size(), median, median / 2.0);
    }

    const QDateTime now = start.addDays(days);
    {
        HistoryStore store(yearFile);
        const auto readStart = SteadyClock::now();
        const QList<HistorySample> read = store.samples({.since = now.addDays(-90)});
        const double readMs = millisecondsSince(readStart);
        const auto formatStart = SteadyClock::now();
        const QByteArray csv = historyCsv(read);
        std::printf("  of which reading %.0f ms, CSV %.0f ms\n", readMs, millisecondsSince(formatStart));
    }
    // Written to a device, as the command writes to its standard output; counted as it goes.
    QBuffer csv;
    csv.open(QIODevice::WriteOnly);
    QString errors;
    QTextStream out(&csv);
    QTextStream err(&errors);
    const auto exportStart = SteadyClock::now();
    runHistoryCommand({QStringLiteral("--since"), QStringLiteral("90d"), QStringLiteral("--format"), QStringLiteral("csv")}, yearFile, now,
                      out, err);
    out.flush();
    const double exportMs = millisecondsSince(exportStart);
    std::printf("history --since 90d --format csv over a year: %.0f ms for %lld lines (budget 300 ms: %.2fx)\n", exportMs,
                qlonglong(csv.data().count('\n')), exportMs / 300.0);

    const QString quarterFile = directory.filePath(QStringLiteral("quarter.sqlite"));
    {
        HistoryStore store(quarterFile);
        QList<HistorySample> quarter;
        for (int index = 0; index < 90 * refreshesPerDay; ++index)
            quarter += refreshAt(index);
        store.import(quarter);
    }
    const double megabytes = double(QFileInfo(quarterFile).size() + QFileInfo(quarterFile + QLatin1String("-wal")).size()) / 1e6;
    std::printf("90 days on disk: %.1f MB (budget 15 MB: %.2fx)\n", megabytes, megabytes / 15.0);
    return 0;
}
