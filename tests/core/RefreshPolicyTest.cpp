#include "core/RefreshPolicy.h"

#include <QTest>

using namespace quelta;
using namespace quelta::refreshPolicy;
using namespace std::chrono_literals;

Q_DECLARE_METATYPE(std::optional<qint64>)
Q_DECLARE_METATYPE(std::optional<double>)

namespace {

const QDateTime now = QDateTime::fromSecsSinceEpoch(1'800'000'000, Qt::UTC);

std::optional<QDateTime> ago(std::optional<qint64> seconds)
{
    return seconds ? std::optional(now.addSecs(-*seconds)) : std::nullopt;
}

} // namespace

// Offsets are seconds before now; negative ones lie ahead.
class RefreshPolicyTest : public QObject
{
    Q_OBJECT

    static void addDateColumns()
    {
        QTest::addColumn<int>("provider");
        QTest::addColumn<std::optional<qint64>>("retry");
        QTest::addColumn<std::optional<qint64>>("attempt");
        QTest::addColumn<std::optional<qint64>>("success");
        QTest::addColumn<bool>("expected");
    }

    static RefreshDates fetchDates()
    {
        QFETCH(std::optional<qint64>, retry);
        QFETCH(std::optional<qint64>, attempt);
        QFETCH(std::optional<qint64>, success);
        return {ago(retry), ago(attempt), ago(success)};
    }

private Q_SLOTS:
    void due_data()
    {
        addDateColumns();
        const auto none = std::optional<qint64>();
        const auto claude = int(ProviderID::claudeCode);
        const auto codex = int(ProviderID::codex);
        QTest::newRow("nothing known") << claude << none << none << none << true;
        QTest::newRow("retry ahead") << codex << std::optional<qint64>(-1) << none << none << false;
        QTest::newRow("retry passed") << codex << std::optional<qint64>(0) << none << none << true;
        QTest::newRow("Claude tried 29 min ago") << claude << none << std::optional<qint64>(29 * 60) << none << false;
        QTest::newRow("ChatGPT tried 29 min ago") << codex << none << std::optional<qint64>(29 * 60) << none << true;
        QTest::newRow("Claude tried 30 min ago") << claude << none << std::optional<qint64>(30 * 60) << none << true;
        QTest::newRow("Claude attempt 30 s ahead") << claude << none << std::optional<qint64>(-30) << none << false;
        QTest::newRow("Claude attempt a day ahead") << claude << none << std::optional<qint64>(-86'400) << none << true;
    }

    void due()
    {
        QFETCH(int, provider);
        QFETCH(bool, expected);
        QCOMPARE(isDue(ProviderID(provider), fetchDates(), now), expected);
    }

    void stale_data()
    {
        addDateColumns();
        const auto none = std::optional<qint64>();
        const auto claude = int(ProviderID::claudeCode);
        const auto codex = int(ProviderID::codex);
        QTest::newRow("never loaded") << codex << none << none << none << true;
        QTest::newRow("loaded 59 s ago") << codex << none << std::optional<qint64>(59) << std::optional<qint64>(59) << false;
        QTest::newRow("loaded 60 s ago") << codex << none << std::optional<qint64>(60) << std::optional<qint64>(60) << true;
        QTest::newRow("failed lately, loaded long ago") << codex << none << std::optional<qint64>(10) << std::optional<qint64>(7200) << false;
        QTest::newRow("loaded by another process") << codex << none << none << std::optional<qint64>(10) << false;
        QTest::newRow("Claude loaded 10 min ago") << claude << none << std::optional<qint64>(600) << std::optional<qint64>(600) << false;
        QTest::newRow("Claude loaded 30 min ago") << claude << none << std::optional<qint64>(1800) << std::optional<qint64>(1800) << true;
        QTest::newRow("rate limited") << codex << std::optional<qint64>(-5) << std::optional<qint64>(7200) << none << false;
        QTest::newRow("attempt from a clock set ahead") << codex << none << std::optional<qint64>(-3600) << std::optional<qint64>(120) << true;
    }

    void stale()
    {
        QFETCH(int, provider);
        QFETCH(bool, expected);
        QCOMPARE(isStale(ProviderID(provider), fetchDates(), now, staleAge), expected);
    }

    void believableRetries_data()
    {
        QTest::addColumn<qint64>("ahead");
        QTest::addColumn<bool>("believable");
        QTest::newRow("now") << qint64(0) << false;
        QTest::newRow("a second ahead") << qint64(1) << true;
        QTest::newRow("the longest delay and the tolerance") << qint64(7 * 86'400 + 60) << true;
        QTest::newRow("a second beyond") << qint64(7 * 86'400 + 61) << false;
    }

    void believableRetries()
    {
        QFETCH(qint64, ahead);
        QFETCH(bool, believable);
        QCOMPARE(isBelievableRetry(now.addSecs(ahead), now), believable);
    }

    void rateLimitDelays_data()
    {
        QTest::addColumn<int>("provider");
        QTest::addColumn<std::optional<double>>("suggested");
        QTest::addColumn<qint64>("delayMilliseconds");
        QTest::newRow("Claude's floor") << int(ProviderID::claudeCode) << std::optional(5.0) << qint64(1'800'000);
        QTest::newRow("fractions kept") << int(ProviderID::codex) << std::optional(90.5) << qint64(90'500);
        QTest::newRow("below the floor") << int(ProviderID::codex) << std::optional(1.5) << qint64(60'000);
        QTest::newRow("negative") << int(ProviderID::framer) << std::optional(-600.0) << qint64(60'000);
        QTest::newRow("infinite") << int(ProviderID::codex) << std::optional(qInf()) << qint64(60'000);
        QTest::newRow("not a number") << int(ProviderID::codex) << std::optional(qQNaN()) << qint64(60'000);
        QTest::newRow("a week") << int(ProviderID::codex) << std::optional(604'800.0) << qint64(604'800'000);
        QTest::newRow("beyond a week") << int(ProviderID::codex) << std::optional(604'801.0) << qint64(60'000);
    }

    void rateLimitDelays()
    {
        QFETCH(int, provider);
        QFETCH(std::optional<double>, suggested);
        QFETCH(qint64, delayMilliseconds);
        QCOMPARE(rateLimitDelay(ProviderID(provider), suggested).count(), delayMilliseconds);
    }

    void loopIntervals_data()
    {
        QTest::addColumn<bool>("alerts");
        QTest::addColumn<std::optional<qint64>>("interaction");
        QTest::addColumn<qint64>("interval");
        QTest::newRow("never looked at") << false << std::optional<qint64>() << qint64(900);
        QTest::newRow("just looked at") << false << std::optional<qint64>(0) << qint64(120);
        QTest::newRow("10 min ago") << false << std::optional<qint64>(600) << qint64(120);
        QTest::newRow("just over 10 min ago") << false << std::optional<qint64>(601) << qint64(300);
        QTest::newRow("an hour ago") << false << std::optional<qint64>(3600) << qint64(300);
        QTest::newRow("just over an hour ago") << false << std::optional<qint64>(3601) << qint64(900);
        QTest::newRow("alerts, just looked at") << true << std::optional<qint64>(0) << qint64(300);
        QTest::newRow("alerts, never looked at") << true << std::optional<qint64>() << qint64(300);
    }

    void loopIntervals()
    {
        QFETCH(bool, alerts);
        QFETCH(std::optional<qint64>, interaction);
        QFETCH(qint64, interval);
        QCOMPARE(loopInterval(alerts, ago(interaction), now).count(), interval);
    }
};

QTEST_GUILESS_MAIN(RefreshPolicyTest)
#include "RefreshPolicyTest.moc"
