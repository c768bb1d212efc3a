#include "core/ProviderConnectorError.h"
#include "connectors/ResetCountdownText.h"
#include "connectors/codex/CodexConnector.h"
#include "connectors/codex/CodexRateLimits.h"

#include <QJsonDocument>
#include <QTest>

using namespace quelta;

namespace {

const QDateTime now(QDate(2026, 3, 1), QTime(12, 0), Qt::UTC);

QJsonObject json(const QByteArray &text)
{
    return QJsonDocument::fromJson(text).object();
}

// "id name=value" per limit.
QString summary(const ProviderAllowance &allowance)
{
    QStringList parts;
    for (const ProviderLimit &limit : allowance.limits)
        parts << QStringLiteral("%1 %2=%3").arg(limit.id, limit.name, limit.value);
    return parts.join(QStringLiteral(", "));
}

} // namespace

class CodexRateLimitsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void windowNames_data()
    {
        QTest::addColumn<int>("minutes");
        QTest::addColumn<QString>("name");
        QTest::newRow("five hours") << 300 << QStringLiteral("5-hour limit");
        QTest::newRow("a day") << 1440 << QStringLiteral("Daily limit");
        QTest::newRow("a week") << 10080 << QStringLiteral("Weekly limit");
        QTest::newRow("two days") << 2880 << QStringLiteral("2-day limit");
        QTest::newRow("two hours") << 120 << QStringLiteral("2-hour limit");
        QTest::newRow("ninety minutes") << 90 << QStringLiteral("Usage limit");
    }

    void windowNames()
    {
        QFETCH(int, minutes);
        QFETCH(QString, name);
        QCOMPARE(codexWindowName(minutes), name);
    }

    void windows_data()
    {
        QTest::addColumn<QByteArray>("window");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("remaining");
        QTest::addColumn<double>("duration");
        QTest::newRow("unused") << QByteArray(R"({"usedPercent":0,"windowDurationMins":300})") << QStringLiteral("5-hour limit") << 100 << 18000.0;
        QTest::newRow("all used") << QByteArray(R"({"usedPercent":100,"windowDurationMins":10080})") << QStringLiteral("Weekly limit") << 0 << 604800.0;
        QTest::newRow("over") << QByteArray(R"({"usedPercent":150})") << QStringLiteral("Usage limit") << 0 << -1.0;
        QTest::newRow("negative") << QByteArray(R"({"usedPercent":-3})") << QStringLiteral("Usage limit") << 100 << -1.0;
        QTest::newRow("fraction truncates") << QByteArray(R"({"usedPercent":33.9,"windowDurationMins":120.7})") << QStringLiteral("2-hour limit") << 66 << 7200.0;
        QTest::newRow("a year is too long") << QByteArray(R"({"usedPercent":1,"windowDurationMins":525600})") << QStringLiteral("Usage limit") << 99 << -1.0;
        QTest::newRow("zero minutes") << QByteArray(R"({"usedPercent":1,"windowDurationMins":0})") << QStringLiteral("Usage limit") << 99 << -1.0;
        QTest::newRow("under a minute") << QByteArray(R"({"usedPercent":1,"windowDurationMins":0.5})") << QStringLiteral("Usage limit") << 99 << -1.0;
        QTest::newRow("one minute") << QByteArray(R"({"usedPercent":1,"windowDurationMins":1})") << QStringLiteral("Usage limit") << 99 << 60.0;
    }

    void windows()
    {
        QFETCH(QByteArray, window);
        QFETCH(QString, name);
        QFETCH(int, remaining);
        QFETCH(double, duration);
        const QList<CodexWindow> windows = codexWindows(json("{\"primary\":" + window + "}"), QStringLiteral("codex"));
        QCOMPARE(windows.size(), 1);
        QCOMPARE(windows[0].id, QStringLiteral("codex-primary"));
        QCOMPARE(windows[0].name, name);
        QCOMPARE(windows[0].remaining, remaining);
        QCOMPARE(windows[0].windowDuration.value_or(-1), duration);
    }

    void resetTimes_data()
    {
        QTest::addColumn<QByteArray>("resetsAt");
        QTest::addColumn<QDateTime>("date");
        QTest::newRow("epoch seconds") << QByteArray("1772452800") << QDateTime(QDate(2026, 3, 2), QTime(12, 0), Qt::UTC);
        QTest::newRow("zero") << QByteArray("0") << QDateTime(QDate(1970, 1, 1), QTime(0, 0), Qt::UTC);
        QTest::newRow("negative") << QByteArray("-1") << QDateTime();
        QTest::newRow("after year 9999") << QByteArray("253402300800") << QDateTime();
        QTest::newRow("string") << QByteArray("\"1772452800\"") << QDateTime();
    }

    void resetTimes()
    {
        QFETCH(QByteArray, resetsAt);
        QFETCH(QDateTime, date);
        const QList<CodexWindow> windows =
            codexWindows(json(R"({"secondary":{"usedPercent":5,"resetsAt":)" + resetsAt + "}}"), QStringLiteral("x"));
        QCOMPARE(windows.size(), 1);
        QCOMPARE(windows[0].resetsAt.value_or(QDateTime()), date);
    }

    void allowances_data()
    {
        QTest::addColumn<QByteArray>("result");
        QTest::addColumn<QString>("limits");
        QTest::addColumn<int>("remaining");
        QTest::addColumn<QString>("detail");
        const QString noReset = QStringLiteral("Connected · reset time unavailable");
        QTest::newRow("default snapshot")
            << QByteArray(R"({"rateLimits":{"primary":{"usedPercent":20,"windowDurationMins":300,"resetsAt":1772384400},
                              "secondary":{"usedPercent":60,"windowDurationMins":10080,"resetsAt":1772452800}}})")
            << QStringLiteral("codex-primary 5-hour limit=80%, codex-secondary Weekly limit=40%") << 40
            << resetCountdownText(QDateTime(QDate(2026, 3, 2), QTime(12, 0), Qt::UTC), now);
        QTest::newRow("limit id and name")
            << QByteArray(R"({"rateLimits":{"limitId":"gpt5","limitName":"GPT-5","primary":{"usedPercent":10,"windowDurationMins":10080}}})")
            << QStringLiteral("gpt5-primary GPT-5 · Weekly limit=90%") << 90 << noReset;
        QTest::newRow("by limit id, sorted by key")
            << QByteArray(R"({"rateLimits":{"primary":{"usedPercent":99}},"rateLimitsByLimitId":{
                              "b":{"primary":{"usedPercent":10}},"a":{"secondary":{"usedPercent":30}},"c":7}})")
            << QStringLiteral("a-secondary Usage limit=70%, b-primary Usage limit=90%") << 70 << noReset;
        QTest::newRow("empty map keeps the default snapshot")
            << QByteArray(R"({"rateLimits":{"primary":{"usedPercent":50}},"rateLimitsByLimitId":{}})")
            << QStringLiteral("codex-primary Usage limit=50%") << 50 << noReset;
        QTest::newRow("tie goes to the first window")
            << QByteArray(R"({"rateLimits":{"primary":{"usedPercent":50},"secondary":{"usedPercent":50,"resetsAt":1772452800}}})")
            << QStringLiteral("codex-primary Usage limit=50%, codex-secondary Usage limit=50%") << 50 << noReset;
        QTest::newRow("two full resets")
            << QByteArray(R"({"rateLimits":{"primary":{"usedPercent":1}},"rateLimitResetCredits":{"availableCount":2.9}})")
            << QStringLiteral("codex-primary Usage limit=99%, full-resets Full resets available=2") << 99 << noReset;
        QTest::newRow("no full resets")
            << QByteArray(R"({"rateLimits":{"primary":{"usedPercent":1}},"rateLimitResetCredits":{"availableCount":0}})")
            << QStringLiteral("codex-primary Usage limit=99%") << 99 << noReset;
        QTest::newRow("implausible full resets")
            << QByteArray(R"({"rateLimits":{"primary":{"usedPercent":1}},"rateLimitResetCredits":{"availableCount":1000000}})")
            << QStringLiteral("codex-primary Usage limit=99%") << 99 << noReset;
        QTest::newRow("unreadable windows")
            << QByteArray(R"({"rateLimits":{"primary":{"usedPercent":"5"},"secondary":3},"rateLimitResetCredits":{"availableCount":4}})")
            << QString() << -1 << QStringLiteral("Connected · limits not reported yet");
        QTest::newRow("map only, nothing in it")
            << QByteArray(R"({"rateLimitsByLimitId":{}})") << QString() << -1 << QStringLiteral("Connected · limits not reported yet");
    }

    void allowances()
    {
        QFETCH(QByteArray, result);
        QFETCH(QString, limits);
        QFETCH(int, remaining);
        QFETCH(QString, detail);
        const ProviderAllowance allowance = codexAllowance(json(result), now);
        QCOMPARE(summary(allowance), limits);
        QCOMPARE(allowance.remaining.value_or(-1), remaining);
        QCOMPARE(allowance.detail, detail);
        QCOMPARE(allowance.id, ProviderID::codex);
        QCOMPARE(allowance.name, QStringLiteral("ChatGPT"));
        QCOMPARE(allowance.assetName, QStringLiteral("Codex"));
        QCOMPARE(allowance.connectionState, ConnectionState::connected);
        QVERIFY(!allowance.displayPercentage && !allowance.displayedLimitID && !allowance.planName);
    }

    void resultWithoutSnapshotIsInvalid()
    {
        for (const QByteArray &result : {QByteArray("{}"), QByteArray(R"({"rateLimits":{}})"), QByteArray(R"({"rateLimits":[1]})")}) {
            QVERIFY_THROWS_EXCEPTION(ProviderConnectorError, codexAllowance(json(result), now));
        }
    }

    void requestLinesAreCompactAndInOrder()
    {
        const QList<QByteArray> lines = CodexConnector::requestLines().split('\n');
        QCOMPARE(lines.size(), 4);
        QVERIFY(lines[3].isEmpty());
        QCOMPARE(json(lines[0]), json(R"({"id":1,"method":"initialize","params":{"clientInfo":{"name":"quelta","version":"0.1.0"}}})"));
        QCOMPARE(json(lines[1]), json(R"({"method":"initialized","params":{}})"));
        QCOMPARE(json(lines[2]), json(R"({"id":2,"method":"account/rateLimits/read","params":{}})"));
        for (int i = 0; i < 3; ++i)
            QCOMPARE(QJsonDocument::fromJson(lines[i]).toJson(QJsonDocument::Compact), lines[i]);
    }
};

QTEST_GUILESS_MAIN(CodexRateLimitsTest)
#include "CodexRateLimitsTest.moc"
