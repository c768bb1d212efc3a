#include "history/RecentPace.h"

#include <QTest>

using namespace quelta;

namespace {

const QDateTime now(QDate(2026, 11, 2), QTime(12, 0), Qt::UTC);
const HistorySeries fiveHour{QStringLiteral("claudeCode"), QString(), QStringLiteral("five_hour")};

// A sample `minutesAgo` before now; its window resets `resetHours` from now.
HistorySample sample(int minutesAgo, int used, int resetHours = 2)
{
    HistorySample sample;
    sample.takenAt = now.addSecs(-minutesAgo * 60);
    sample.series = fiveHour;
    sample.usedPercent = used;
    sample.resetsAt = now.addSecs(resetHours * 3600);
    sample.windowSeconds = 5 * 3600;
    return sample;
}

} // namespace

class RecentPaceTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsTheRecentPace_data()
    {
        QTest::addColumn<QList<HistorySample>>("stored");
        QTest::addColumn<HistorySample>("current");
        QTest::addColumn<double>("percentPerHour"); // negative: no recent pace

        // A 5-hour window looks back 75 minutes: the figure then was the one stored before it.
        QTest::newRow("steady use") << QList<HistorySample>{sample(90, 20), sample(60, 25), sample(30, 30)} << sample(0, 35) << 12.0;
        QTest::newRow("a figure that held") << QList<HistorySample>{sample(120, 50), sample(60, 50)} << sample(0, 50) << 0.0;
        QTest::newRow("another series is not this one")
            << QList<HistorySample>{[] { HistorySample s = sample(90, 0); s.series.account = QStringLiteral("work"); return s; }()}
            << sample(0, 35) << -1.0;
        QTest::newRow("record begins inside the lookback") << QList<HistorySample>{sample(60, 20), sample(30, 25)} << sample(0, 35) << -1.0;
        QTest::newRow("machine slept") << QList<HistorySample>{sample(150, 20), sample(10, 25)} << sample(0, 35) << -1.0;
        QTest::newRow("silent since the last sample") << QList<HistorySample>{sample(90, 20)} << sample(0, 35) << -1.0;
        QTest::newRow("window began inside the lookback") << QList<HistorySample>{sample(90, 80, -1), sample(40, 5)} << sample(0, 10) << -1.0;
        QTest::newRow("no window length") << QList<HistorySample>{sample(90, 20)} << [] {
            HistorySample s = sample(0, 35);
            s.windowSeconds.reset();
            return s;
        }() << -1.0;
    }
    void readsTheRecentPace()
    {
        QFETCH(QList<HistorySample>, stored);
        QFETCH(HistorySample, current);
        QFETCH(double, percentPerHour);
        const std::optional<double> rate = recentPace::usageRate(stored, current);
        if (percentPerHour < 0) {
            QCOMPARE(rate, std::nullopt);
            return;
        }
        QVERIFY(rate);
        QCOMPARE(qRound(*rate * 3600 * 1000), qRound(percentPerHour * 1000));
    }
};

QTEST_GUILESS_MAIN(RecentPaceTest)
#include "RecentPaceTest.moc"
