// Records one made-up day of refreshes into a history file, as a second Quelta would.
#include "history/HistoryStore.h"

#include <QCoreApplication>

using namespace quelta;

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    // Each process refreshes a few seconds apart from the others, as two Quelta processes would.
    if (argc != 3)
        return 2;
    const int offsetSeconds = QString::fromLocal8Bit(argv[2]).toInt();
    HistoryStore store(QString::fromLocal8Bit(argv[1]));
    const QDateTime start(QDate(2026, 11, 2), QTime(0, 0), Qt::UTC);
    for (int minute = 0; minute < 24 * 60; minute += 5) {
        HistorySample sample;
        sample.takenAt = start.addSecs(minute * 60 + offsetSeconds);
        sample.series = {QStringLiteral("claude"), QString(), QStringLiteral("five_hour")};
        sample.limitName = QStringLiteral("5-hour limit");
        sample.usedPercent = minute / 30;
        sample.resetsAt = start.addSecs((minute / 300 + 1) * 300 * 60);
        if (!store.record({sample}))
            return 1;
    }
    return 0;
}
