#include "alerts/AlertMetric.h"
#include "alerts/AlertRules.h"

#include <QTest>

#include <cmath>

using namespace quelta;

namespace {

const QDateTime now(QDate(2026, 3, 1), QTime(12, 0), Qt::UTC);

AlertMetric metric(int remaining, std::optional<double> untilReset = std::nullopt, std::optional<double> window = std::nullopt)
{
    AlertMetric m;
    m.key = QStringLiteral("codex:codex-primary");
    m.providerName = QStringLiteral("ChatGPT");
    m.limitName = QStringLiteral("5-hour limit");
    m.remaining = remaining;
    if (untilReset)
        m.resetsAt = now.addMSecs(qint64(*untilReset * 1000));
    m.windowDuration = window;
    return m;
}

} // namespace

Q_DECLARE_METATYPE(std::optional<int>)

class AlertRulesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void formatDuration_data()
    {
        QTest::addColumn<double>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0.0 << QStringLiteral("1m");
        QTest::newRow("negative") << -50.0 << QStringLiteral("1m");
        QTest::newRow("59.4 s") << 59.4 << QStringLiteral("1m");
        QTest::newRow("119.5 s rounds up") << 119.5 << QStringLiteral("2m");
        QTest::newRow("3,599 s") << 3599.0 << QStringLiteral("59m");
        QTest::newRow("3,600 s") << 3600.0 << QStringLiteral("1h");
        QTest::newRow("3,659 s") << 3659.0 << QStringLiteral("1h");
        QTest::newRow("3,660 s") << 3660.0 << QStringLiteral("1h 1m");
        QTest::newRow("86,399 s") << 86399.0 << QStringLiteral("23h 59m");
        QTest::newRow("86,400 s") << 86400.0 << QStringLiteral("1d");
        QTest::newRow("90,000 s") << 90000.0 << QStringLiteral("1d 1h");
        QTest::newRow("ten days") << 864000.0 << QStringLiteral("10d");
    }

    void formatDuration()
    {
        QFETCH(double, seconds);
        QFETCH(QString, text);
        QCOMPARE(quelta::formatDuration(seconds), text);
    }

    void lowAllowanceThreshold_data()
    {
        QTest::addColumn<std::optional<int>>("previous");
        QTest::addColumn<int>("current");
        QTest::addColumn<QList<int>>("delivered");
        QTest::addColumn<std::optional<int>>("threshold");
        const std::optional<int> none;
        QTest::newRow("first sight at 20") << none << 20 << QList<int>{} << std::optional(25);
        QTest::newRow("first sight at 8") << none << 8 << QList<int>{} << std::optional(10);
        QTest::newRow("30 to 8") << std::optional(30) << 8 << QList<int>{} << std::optional(10);
        QTest::newRow("26 to 25") << std::optional(26) << 25 << QList<int>{} << std::optional(25);
        QTest::newRow("24 to 22") << std::optional(24) << 22 << QList<int>{25} << none;
        QTest::newRow("5 to 12") << std::optional(5) << 12 << QList<int>{10, 25} << none;
        QTest::newRow("11 to 10") << std::optional(11) << 10 << QList<int>{25} << std::optional(10);
        QTest::newRow("10 already delivered") << std::optional(40) << 9 << QList<int>{10} << none;
        QTest::newRow("above 25") << std::optional(40) << 26 << QList<int>{} << none;
    }

    void lowAllowanceThreshold()
    {
        QFETCH(std::optional<int>, previous);
        QFETCH(int, current);
        QFETCH(QList<int>, delivered);
        QFETCH(std::optional<int>, threshold);
        QCOMPARE(quelta::lowAllowanceThreshold(previous, current, QSet<int>(delivered.begin(), delivered.end())), threshold);
    }

    void resets_data()
    {
        QTest::addColumn<int>("previous");
        QTest::addColumn<int>("current");
        QTest::addColumn<double>("shift");
        QTest::addColumn<double>("window");
        QTest::addColumn<bool>("reset");
        QTest::newRow("jump of 50") << 10 << 60 << 0.0 << -1.0 << true;
        QTest::newRow("jump of 49") << 10 << 59 << 0.0 << -1.0 << false;
        QTest::newRow("crossing 95") << 90 << 96 << 0.0 << -1.0 << true;
        QTest::newRow("already above 95") << 96 << 99 << 0.0 << -1.0 << false;
        QTest::newRow("five-hour window, 4,500 s later") << 40 << 40 << 4500.0 << 18000.0 << true;
        QTest::newRow("five-hour window, 4,499 s later") << 40 << 40 << 4499.0 << 18000.0 << false;
        QTest::newRow("one-hour window, 900 s later") << 40 << 40 << 900.0 << 3600.0 << true;
        QTest::newRow("one-hour window, 899 s later") << 40 << 40 << 899.0 << 3600.0 << false;
        QTest::newRow("no window, 1,800 s later") << 40 << 40 << 1800.0 << -1.0 << true;
        QTest::newRow("no window, 1,799 s later") << 40 << 40 << 1799.0 << -1.0 << false;
        QTest::newRow("moved earlier") << 40 << 40 << -90000.0 << 18000.0 << false;
    }

    void resets()
    {
        QFETCH(int, previous);
        QFETCH(int, current);
        QFETCH(double, shift);
        QFETCH(double, window);
        QFETCH(bool, reset);
        MetricState state;
        state.lastRemaining = previous;
        state.lastResetAt = now;
        AlertMetric m = metric(current, std::nullopt, window > 0 ? std::optional(window) : std::nullopt);
        m.resetsAt = now.addMSecs(qint64(shift * 1000));
        QCOMPARE(hasReset(m, state), reset);
    }

    void firstSightIsNeverAReset()
    {
        QVERIFY(!hasReset(metric(100), MetricState{}));
    }

    void paceProjection_data()
    {
        QTest::addColumn<int>("remaining");
        QTest::addColumn<double>("untilReset");
        QTest::addColumn<double>("window");
        QTest::addColumn<int>("projection"); // -1 none, 0 not at risk, 1 at risk
        // Half a 5-hour window gone with 60 % used: empty in 2 h, reset in 2.5 h.
        QTest::newRow("at risk") << 40 << 9000.0 << 18000.0 << 1;
        QTest::newRow("on pace") << 50 << 9000.0 << 18000.0 << 0;
        QTest::newRow("remaining at 25") << 25 << 9000.0 << 18000.0 << 0;
        QTest::newRow("reset too close") << 40 << 1800.0 << 18000.0 << 0;
        QTest::newRow("barely used") << 96 << 17000.0 << 18000.0 << 0;
        QTest::newRow("window just opened") << 90 << 17500.0 << 18000.0 << 0;
        QTest::newRow("reset passed") << 40 << 0.0 << 18000.0 << -1;
        QTest::newRow("reset beyond the window") << 40 << 18001.0 << 18000.0 << -1;
        QTest::newRow("reset exactly a window away") << 40 << 18000.0 << 18000.0 << -1;
        QTest::newRow("no window") << 40 << 9000.0 << -1.0 << -1;
    }

    void paceProjection()
    {
        QFETCH(int, remaining);
        QFETCH(double, untilReset);
        QFETCH(double, window);
        QFETCH(int, projection);
        const std::optional<PaceProjection> result =
            quelta::paceProjection(metric(remaining, untilReset, window > 0 ? std::optional(window) : std::nullopt), now);
        QCOMPARE(result ? int(result->isAtRisk) : -1, projection);
    }

    void runOutForecast_data()
    {
        QTest::addColumn<int>("remaining");
        QTest::addColumn<double>("untilReset");
        QTest::addColumn<double>("window");
        QTest::addColumn<bool>("projected");
        QTest::addColumn<double>("runsOutIn"); // negative: not before the reset
        QTest::addColumn<bool>("atRisk");
        const double week = 604800;
        QTest::newRow("at risk") << 40 << 9000.0 << 18000.0 << true << 6000.0 << true;
        QTest::newRow("before the reset, inside the margin") << 30 << 6000.0 << 18000.0 << true << 12000.0 * 30 / 70 << false;
        QTest::newRow("empties exactly at the reset") << 50 << 9000.0 << 18000.0 << true << -1.0 << false;
        QTest::newRow("weekly window empties exactly at the reset") << 70 << 0.7 * week << week << true << -1.0 << false;
        QTest::newRow("after the reset") << 60 << 9000.0 << 18000.0 << true << -1.0 << false;
        QTest::newRow("zero rate") << 100 << 9000.0 << 18000.0 << true << -1.0 << false;
        QTest::newRow("3 % of the window passed") << 90 << 17460.0 << 18000.0 << true << 4860.0 << true;
        QTest::newRow("too early in the window") << 90 << 17461.0 << 18000.0 << false << -1.0 << false;
        QTest::newRow("no reset date") << 40 << -1.0 << 18000.0 << false << -1.0 << false;
        QTest::newRow("no window") << 40 << 9000.0 << -1.0 << false << -1.0 << false;
    }

    void runOutForecast()
    {
        QFETCH(int, remaining);
        QFETCH(double, untilReset);
        QFETCH(double, window);
        QFETCH(bool, projected);
        QFETCH(double, runsOutIn);
        QFETCH(bool, atRisk);
        const std::optional<RunOutForecast> forecast =
            quelta::runOutForecast(metric(remaining, untilReset >= 0 ? std::optional(untilReset) : std::nullopt,
                                          window >= 0 ? std::optional(window) : std::nullopt),
                                   now);
        QCOMPARE(forecast.has_value(), projected);
        if (!forecast)
            return;
        QCOMPARE(forecast->beforeReset, runsOutIn >= 0);
        QCOMPARE(forecast->runsOutAt.has_value(), runsOutIn >= 0);
        if (forecast->runsOutAt)
            QCOMPARE(*forecast->runsOutAt, now.addMSecs(std::llround(runsOutIn * 1000)));
        QCOMPARE(forecast->atRisk, atRisk);
    }

    void runOutSentence()
    {
        const QDateTime empty = now.addSecs(2 * 3600 + 10 * 60);
        QCOMPARE(quelta::runOutSentence(now, empty, empty.addSecs(3600 + 5 * 60)),
                 QStringLiteral("At this pace it runs out in 2h 10m, 1h 5m before it resets."));
    }

    void unusedWindowNeverEmpties()
    {
        const std::optional<PaceProjection> projection = quelta::paceProjection(metric(100, 9000, 18000), now);
        QVERIFY(projection);
        QVERIFY(std::isinf(projection->timeUntilEmpty));
    }

    void messages()
    {
        AlertMetric m = metric(40, 9000, 18000);
        m.resetDetail = QStringLiteral("Resets in 2h 30m");
        QCOMPARE(lowAllowanceAlert(m, 25).title, QStringLiteral("ChatGPT is running low"));
        QCOMPARE(lowAllowanceAlert(m, 10).title, QStringLiteral("ChatGPT is almost out"));
        QCOMPARE(lowAllowanceAlert(m, 25).body, QStringLiteral("5-hour limit has 40% remaining. Resets in 2h 30m."));
        QCOMPARE(resetAlert(m).body, QStringLiteral("5-hour limit is back to 40% remaining."));
        const std::optional<PaceProjection> risk = quelta::paceProjection(m, now);
        QCOMPARE(rapidUsageAlert(m, 7, risk).body,
                 QStringLiteral("You’ve used 7% of your 5-hour limit within 30 minutes. At this pace, you may run out before it resets in 2h 30m."));
        const UsageAlert ahead = rapidUsageAlert(m, 2, risk);
        QCOMPARE(ahead.title, QStringLiteral("ChatGPT usage is ahead of pace"));
        QCOMPARE(ahead.body, QStringLiteral("You’ve used 60% of your 5-hour limit with 2h 30m left. At this rate, you may run out in about 1h 40m."));
        QCOMPARE(rapidUsageAlert(metric(40), 12, std::nullopt).body,
                 QStringLiteral("You’ve used 12% of your 5-hour limit within 30 minutes."));
        ProviderAllowance claude;
        claude.id = ProviderID::claudeCode;
        claude.name = QStringLiteral("Claude");
        QCOMPARE(disconnectedAlert(claude).title, QStringLiteral("Claude disconnected"));
        QCOMPARE(disconnectedAlert(claude).body, QStringLiteral("Reconnect Claude to keep its usage up to date in Quelta."));
        QCOMPARE(disconnectedAlert(claude).account, AccountID(ProviderID::claudeCode));
    }

    void metricsOfProviders()
    {
        ProviderAllowance framer;
        framer.id = ProviderID::framer;
        framer.name = QStringLiteral("Framer");
        framer.detail = QStringLiteral("Resets on 2 Mar");
        framer.remaining = 130;
        QList<AlertMetric> metrics = alertMetrics(framer);
        QCOMPARE(metrics.size(), 1);
        QCOMPARE(metrics[0].key, QStringLiteral("framer:summary"));
        QCOMPARE(metrics[0].limitName, QStringLiteral("Agent credits"));
        QCOMPARE(metrics[0].remaining, 100);

        ProviderLimit used;
        used.id = QStringLiteral("weekly");
        used.name = QStringLiteral("Weekly limit");
        used.percentage = 70;
        used.percentageStyle = AllowancePercentageStyle::used;
        ProviderLimit unknown = used;
        unknown.id = QStringLiteral("credits");
        unknown.percentage.reset();
        framer.limits = {used, unknown};
        metrics = alertMetrics(framer);
        QCOMPARE(metrics.size(), 1);
        QCOMPARE(metrics[0].key, QStringLiteral("framer:weekly"));
        QCOMPARE(metrics[0].remaining, 30);
        QCOMPARE(metrics[0].resetDetail, QStringLiteral("Resets on 2 Mar"));
    }
};

QTEST_GUILESS_MAIN(AlertRulesTest)
#include "AlertRulesTest.moc"
