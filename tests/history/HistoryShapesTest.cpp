#include "history/DailyPeaks.h"
#include "history/RanOutWindows.h"
#include "history/UsageChartLine.h"
#include "history/UsageSparkline.h"

#include <QTest>
#include <QTranslator>

#include <algorithm>

using namespace quelta;

using Lines = QList<QList<QPointF>>;
using Samples = QList<HistorySample>;

namespace {

const QDateTime now(QDate(2026, 11, 12), QTime(12, 0), Qt::UTC);
const HistorySeries weekly{QStringLiteral("claudeCode"), QString(), QStringLiteral("seven_day")};
constexpr qint64 hour = 3600;
constexpr qint64 day = 24 * hour;

HistorySample sample(qint64 secondsFromNow, int used, std::optional<qint64> resetFromNow = 4 * day, qint64 window = 7 * day)
{
    HistorySample sample;
    sample.takenAt = now.addSecs(secondsFromNow);
    sample.series = weekly;
    sample.limitName = QStringLiteral("Weekly limit");
    sample.usedPercent = used;
    if (resetFromNow)
        sample.resetsAt = now.addSecs(*resetFromNow);
    sample.windowSeconds = window;
    return sample;
}

HistorySample ofLimit(HistorySample sample, const QString &limitID)
{
    sample.series.limitID = limitID;
    return sample;
}

} // namespace

class HistoryShapesTest : public QObject
{
    Q_OBJECT

    // English's plural forms, as the program speaks it.
    QTranslator m_english;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_english.load(QStringLiteral(":/i18n/quelta_en.qm")));
        QVERIFY(QCoreApplication::installTranslator(&m_english));
    }

    void drawsSteppedLines_data()
    {
        QTest::addColumn<Samples>("samples");
        QTest::addColumn<qint64>("until"); // seconds from now; the span is now … now + 10 h
        QTest::addColumn<Lines>("lines");

        QTest::newRow("held until the next sample") << Samples{sample(0, 10), sample(hour, 30)} << 2 * hour
                                                    << Lines{{{0, .1}, {.1, .1}, {.1, .3}, {.2, .3}}};
        QTest::newRow("a long gap breaks the line") << Samples{sample(0, 10), sample(5 * hour, 30)} << 6 * hour
                                                    << Lines{{{0, .1}, {.2, .1}}, {{.5, .3}, {.6, .3}}};
        QTest::newRow("an earlier figure carries in") << Samples{sample(-hour, 40), sample(hour, 50)} << 2 * hour
                                                      << Lines{{{0, .4}, {.1, .4}, {.1, .5}, {.2, .5}}};
        QTest::newRow("one too old to carry in") << Samples{sample(-3 * hour, 40), sample(hour, 50)} << 2 * hour << Lines{{{.1, .5}, {.2, .5}}};
        QTest::newRow("nothing after until") << Samples{sample(0, 50), sample(hour, 60)} << hour / 2 << Lines{{{0, .5}, {.05, .5}}};
        QTest::newRow("a figure taken at until is a point") << Samples{sample(-hour, 20), sample(hour, 50)} << hour
                                                            << Lines{{{0, .2}, {.1, .2}, {.1, .5}, {.1, .5}}};
        QTest::newRow("a silent last figure stops holding") << Samples{sample(0, 50)} << 9 * hour << Lines{{{0, .5}, {.2, .5}}};
        QTest::newRow("no samples") << Samples{} << 9 * hour << Lines{};
    }
    void drawsSteppedLines()
    {
        QFETCH(Samples, samples);
        QFETCH(qint64, until);
        QFETCH(Lines, lines);
        QCOMPARE(usageChartLine::steps(samples, now, now.addSecs(10 * hour), now.addSecs(until)), lines);
    }

    void keepsEachColumnsPeak_data()
    {
        QTest::addColumn<Lines>("lines");
        QTest::addColumn<Lines>("thinned"); // in ten columns

        QTest::newRow("one point a column stays") << Lines{{{0, .1}, {.15, .1}, {.25, .4}}} << Lines{{{0, .1}, {.15, .1}, {.25, .4}}};
        QTest::newRow("a column's points at its peak")
            << Lines{{{.1, .2}, {.12, .2}, {.12, .9}, {.15, .9}, {.15, .3}, {.19, .3}, {.2, .3}}}
            << Lines{{{.1, .9}, {.19, .9}, {.2, .3}}};
        QTest::newRow("the right edge is the last column") << Lines{{{.95, .5}, {1, .6}}} << Lines{{{.95, .6}, {1, .6}}};
        QTest::newRow("breaks stay") << Lines{{{.1, .2}, {.11, .2}}, {{.12, .5}, {.13, .5}}} << Lines{{{.1, .2}, {.11, .2}}, {{.12, .5}, {.13, .5}}};
    }
    void keepsEachColumnsPeak()
    {
        QFETCH(Lines, lines);
        QFETCH(Lines, thinned);
        QCOMPARE(usageChartLine::peaksPerColumn(lines, 10), thinned);
    }

    void describesTheSparkline_data()
    {
        QTest::addColumn<Samples>("samples");
        QTest::addColumn<QString>("description"); // empty: no sparkline

        // The current week began 3 days ago; the one before reset then.
        const Samples lastWeek{sample(-9 * day, 20, -3 * day), sample(-7 * day, 48, -3 * day), sample(-5 * day, 70, -3 * day)};
        QTest::newRow("compared with last week") << lastWeek + Samples{sample(-2 * day, 30), sample(-hour, 62)}
                                                 << QStringLiteral("Used 62 % in 3 days; last week 48 % at this point");
        QTest::newRow("the week on record before is not last week")
            << Samples{sample(-14 * day, 48, -10 * day), sample(-hour, 62)} << QStringLiteral("Used 62 % in 3 days; last window 48 % at this point");
        QTest::newRow("no earlier window") << Samples{sample(-2 * day, 30), sample(-hour, 62)} << QStringLiteral("Used 62 % in 3 days");
        QTest::newRow("last week's record starts later")
            << Samples{sample(-5 * day, 70, -3 * day), sample(-hour, 62)} << QStringLiteral("Used 62 % in 3 days");
        QTest::newRow("a reset that wobbled is the same window")
            << Samples{sample(-7 * day, 48, -3 * day), sample(-2 * day, 30, 4 * day - 60), sample(-hour, 62)}
            << QStringLiteral("Used 62 % in 3 days; last week 48 % at this point");
        QTest::newRow("five-hour windows")
            << Samples{sample(-7 * hour, 25, -3 * hour, 5 * hour), sample(-hour, 40, 3 * hour, 5 * hour)}
            << QStringLiteral("Used 40 % in 2 hours; last window 25 % at this point");
        QTest::newRow("daily window") << Samples{sample(-day, 5, -60, day), sample(-60, 1, day - 60, day)}
                                      << QStringLiteral("Used 1 % in 1 minute; yesterday 5 % at this point");
        QTest::newRow("no reset time") << Samples{sample(-hour, 62, std::nullopt)} << QString();
        QTest::newRow("reset passed since the last figure") << Samples{sample(-2 * hour, 62, -hour)} << QString();
        QTest::newRow("no figure yet") << Samples{sample(hour, 62)} << QString();
    }
    void describesTheSparkline()
    {
        QFETCH(Samples, samples);
        QFETCH(QString, description);
        const std::optional<UsageSparkline> sparkline = usageSparkline(samples, now);
        QCOMPARE(sparkline.has_value(), !description.isEmpty());
        if (!sparkline)
            return;
        QCOMPARE(sparkline->description, description);
        // The current line reaches now, and both stay inside their window.
        QCOMPARE(sparkline->current.last().last().x(), sparkline->nowAt);
        for (const Lines &lines : {sparkline->current, sparkline->previous}) {
            for (const QList<QPointF> &line : lines)
                QVERIFY(std::ranges::all_of(line, [](QPointF p) { return p.x() >= 0 && p.x() <= 1; }));
        }
    }

    void findsDailyPeaks_data()
    {
        QTest::addColumn<Samples>("samples");
        QTest::addColumn<int>("zoneOffset");
        QTest::addColumn<QList<int>>("peaks"); // per day, from the first

        const Samples lateAndEarly{sample(-12 * hour - 1800, 30), sample(-11 * hour - 1800, 80), sample(-11 * hour, 10), sample(0, 40)};
        QTest::newRow("days in UTC") << lateAndEarly << 0 << QList<int>{30, 80};
        QTest::newRow("days twelve hours west") << lateAndEarly << -12 * 3600 << QList<int>{80, 40};
        QTest::newRow("every limit counts") << Samples{sample(0, 20), ofLimit(sample(hour, 60), QStringLiteral("five_hour"))} << 0 << QList<int>{60};
    }
    void findsDailyPeaks()
    {
        QFETCH(Samples, samples);
        QFETCH(int, zoneOffset);
        QFETCH(QList<int>, peaks);
        QCOMPARE(dailyPeaks(samples, QTimeZone(zoneOffset)).values(), peaks);
    }

    void listsWindowsThatRanOut_data()
    {
        QTest::addColumn<QList<WindowReset>>("resets");
        QTest::addColumn<Samples>("samples");
        QTest::addColumn<QList<RanOutWindow>>("windows");

        const WindowReset ranOut{weekly, now.addSecs(-day), now.addSecs(-day - 60), 100, now.addSecs(-2 * day)};
        const WindowReset heldOut{weekly, now.addSecs(-8 * day), now.addSecs(-8 * day), 97, std::nullopt};
        const Samples fresh{sample(-hour, 20)};
        const RanOutWindow ended{weekly, QStringLiteral("Weekly limit"), now.addSecs(-2 * day), now.addSecs(-day - 60), false};
        QTest::newRow("an ended window that ran out") << QList<WindowReset>{ranOut, heldOut} << fresh << QList<RanOutWindow>{ended};
        QTest::newRow("the current window, used up since its first 100")
            << QList<WindowReset>{ranOut} << Samples{sample(-5 * hour, 90), sample(-3 * hour, 100), sample(-2 * hour, 100, 4 * day + 30)}
            << QList<RanOutWindow>{{weekly, QStringLiteral("Weekly limit"), now.addSecs(-3 * hour), now.addSecs(4 * day + 30), true}, ended};
        QTest::newRow("used up, but reset since") << QList<WindowReset>{} << Samples{sample(-2 * hour, 100, -hour)} << QList<RanOutWindow>{};
        QTest::newRow("another limit is full again")
            << QList<WindowReset>{} << Samples{ofLimit(sample(-2 * hour, 100), QStringLiteral("five_hour")), sample(-hour, 100)}
            << QList<RanOutWindow>{{weekly, QStringLiteral("Weekly limit"), now.addSecs(-hour), now.addSecs(4 * day), true},
                                   {ofLimit(sample(0, 0), QStringLiteral("five_hour")).series, QStringLiteral("Weekly limit"),
                                    now.addSecs(-2 * hour), now.addSecs(4 * day), true}};
    }
    void listsWindowsThatRanOut()
    {
        QFETCH(QList<WindowReset>, resets);
        QFETCH(Samples, samples);
        QFETCH(QList<RanOutWindow>, windows);
        QCOMPARE(ranOutWindows(resets, samples, now), windows);
    }

    void describesARanOutWindow_data()
    {
        QTest::addColumn<RanOutWindow>("window");
        QTest::addColumn<int>("zoneOffset");
        QTest::addColumn<QString>("text");
        const RanOutWindow ended{weekly, QStringLiteral("Weekly limit"), now.addSecs(-2 * day - 90 * 60), now.addSecs(-day), false};
        QTest::newRow("ended") << ended << 0 << QStringLiteral("Ran out Tue 10 Nov, 10:30 · reset 1 day later");
        QTest::newRow("local time") << ended << 3600 << QStringLiteral("Ran out Tue 10 Nov, 11:30 · reset 1 day later");
        QTest::newRow("still out") << RanOutWindow{weekly, {}, now.addSecs(-hour), now.addSecs(3 * hour + 59), true} << 0
                                   << QStringLiteral("Ran out Thu 12 Nov, 11:00 · resets in 3 hours");
        QTest::newRow("no reset time") << RanOutWindow{weekly, {}, now.addSecs(-hour), std::nullopt, true} << 0
                                       << QStringLiteral("Ran out Thu 12 Nov, 11:00");
    }
    void describesARanOutWindow()
    {
        QFETCH(RanOutWindow, window);
        QFETCH(int, zoneOffset);
        QFETCH(QString, text);
        QCOMPARE(ranOutDescription(window, now, QTimeZone(zoneOffset)), text);
    }

    void tellsElapsedTime_data()
    {
        QTest::addColumn<qint64>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("under a minute") << qint64(20) << QStringLiteral("1 minute");
        QTest::newRow("minutes") << qint64(59 * 60 + 59) << QStringLiteral("59 minutes");
        QTest::newRow("one hour") << hour << QStringLiteral("1 hour");
        QTest::newRow("days") << 3 * day + 23 * hour << QStringLiteral("3 days");
    }
    void tellsElapsedTime()
    {
        QFETCH(qint64, seconds);
        QFETCH(QString, text);
        QCOMPARE(elapsedText(seconds), text);
    }
};

QTEST_GUILESS_MAIN(HistoryShapesTest)
#include "HistoryShapesTest.moc"
