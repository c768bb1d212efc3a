#include "commands/AllowancePresentation.h"
#include "core/RefreshStatusText.h"

#include <QTest>

using namespace quelta;

namespace {

const QDateTime now(QDate(2026, 3, 1), QTime(12, 0), Qt::UTC);

} // namespace

class RefreshStatusTextTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void retryCountdown_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("20 s") << 20 << QStringLiteral("Claude checks again in 1m");
        QTest::newRow("61 s") << 61 << QStringLiteral("Claude checks again in 2m");
        QTest::newRow("3,540 s") << 3540 << QStringLiteral("Claude checks again in 59m");
        QTest::newRow("3,600 s") << 3600 << QStringLiteral("Claude checks again in 1h");
        QTest::newRow("3,601 s") << 3601 << QStringLiteral("Claude checks again in 2h");
    }

    void retryCountdown()
    {
        QFETCH(int, seconds);
        QFETCH(QString, text);
        RefreshStatus status;
        status.enabledProviderIDs = {ProviderID::claudeCode, ProviderID::codex};
        status.retryDates = {{ProviderID::claudeCode, now.addSecs(seconds)}, {ProviderID::framer, now.addSecs(5)}};
        status.lastRefreshFailed = true;
        QCOMPARE(refreshStatusText(status, now), text);
    }

    void lastUpdated_data()
    {
        QTest::addColumn<int>("secondsAgo");
        QTest::addColumn<QString>("text");
        QTest::newRow("in the future") << -30 << QStringLiteral("Updated just now");
        QTest::newRow("59 s") << 59 << QStringLiteral("Updated just now");
        QTest::newRow("60 s") << 60 << QStringLiteral("Updated 1m ago");
        QTest::newRow("3,599 s") << 3599 << QStringLiteral("Updated 59m ago");
        QTest::newRow("7,200 s") << 7200 << QStringLiteral("Updated 2h ago");
        QTest::newRow("three days") << 3 * 86400 << QStringLiteral("Updated 72h ago");
    }

    void lastUpdated()
    {
        QFETCH(int, secondsAgo);
        QFETCH(QString, text);
        RefreshStatus status;
        status.lastUpdated = now.addSecs(-secondsAgo);
        QCOMPARE(refreshStatusText(status, now), text);
    }

    void precedence()
    {
        RefreshStatus status;
        status.isShowingManualRefresh = true;
        status.enabledProviderIDs = {ProviderID::codex};
        status.retryDates = {{ProviderID::codex, now.addSecs(100)}};
        status.lastSaveFailed = true;
        QCOMPARE(refreshStatusText(status, now), QStringLiteral("Updating…"));
        status.isShowingManualRefresh = false;
        QCOMPARE(refreshStatusText(status, now), QStringLiteral("Couldn’t save settings"));
        status.lastSaveFailed = false;
        QCOMPARE(refreshStatusText(status, now), QStringLiteral("ChatGPT checks again in 2m"));
        status.retryDates.clear();
        status.lastRefreshFailed = true;
        QCOMPARE(refreshStatusText(status, now), QStringLiteral("Refresh incomplete · Try again"));
        status.lastRefreshFailed = false;
        status.isRefreshing = true;
        QCOMPARE(refreshStatusText(status, now), QStringLiteral("Checking allowances"));
        status.isRefreshing = false;
        QCOMPARE(refreshStatusText(status, now), QStringLiteral("Not updated yet"));
    }

    void compactCredits_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("compact");
        QTest::newRow("small") << QStringLiteral("999") << QStringLiteral("999");
        QTest::newRow("grouped thousands") << QStringLiteral("12,500") << QStringLiteral("12.5k");
        QTest::newRow("exact thousands") << QStringLiteral("3000") << QStringLiteral("3k");
        QTest::newRow("no digits") << QStringLiteral("lots") << QStringLiteral("lots");
        QTest::newRow("overflow") << QStringLiteral("99999999999999999999") << QStringLiteral("99999999999999999999");
    }

    void compactCredits()
    {
        QFETCH(QString, text);
        QFETCH(QString, compact);
        QCOMPARE(quelta::compactCredits(text), compact);
    }

    void rows()
    {
        ProviderAllowance provider = ProviderAllowance::checking(ProviderID::codex);
        QCOMPARE(percentText(provider), QStringLiteral("…"));
        provider.connectionState = ConnectionState::connected;
        QCOMPARE(percentText(provider), QStringLiteral("—"));
        provider.remaining = 42;
        QCOMPARE(percentText(provider), QStringLiteral("42%"));
        provider.displayPercentage = 7;
        QCOMPARE(percentText(provider), QStringLiteral("7%"));

        provider.detail = QStringLiteral("Resets in 2h 0m");
        ProviderRowState row;
        QCOMPARE(subtitle(provider, row), QStringLiteral("Resets in 2h 0m"));
        row.isStale = true;
        QCOMPARE(subtitle(provider, row), QStringLiteral("Showing last update"));
        row.refreshIssue = QStringLiteral("Open Claude Code to renew access");
        QCOMPARE(subtitle(provider, row), QStringLiteral("Open Claude Code to renew access"));
        row.attemptState = ProviderConnectionAttemptState::failed;
        QCOMPARE(subtitle(provider, row), QStringLiteral("Couldn’t connect · Try again"));
        row.attemptState = ProviderConnectionAttemptState::connecting;
        QCOMPARE(subtitle(provider, row), QStringLiteral("Complete sign-in in your browser"));
    }
};

QTEST_GUILESS_MAIN(RefreshStatusTextTest)
#include "RefreshStatusTextTest.moc"
