#include "connectors/InternetDateTime.h"
#include "connectors/ResetCountdownText.h"
#include "connectors/claude/ClaudeCredentials.h"
#include "connectors/claude/ClaudeLocalAccount.h"
#include "connectors/claude/ClaudeUsage.h"
#include "connectors/claude/UsageReply.h"

#include <QJsonDocument>
#include <QTemporaryDir>
#include <QTest>

using namespace quelta;

Q_DECLARE_METATYPE(std::optional<double>)

namespace {

const QDateTime now(QDate(2026, 3, 1), QTime(12, 0), Qt::UTC);

QJsonObject json(const char *text)
{
    return QJsonDocument::fromJson(text).object();
}

// "name=used" per limit, e.g. "5-hour limit=0,Weekly · all models=42".
QString summary(const QList<UsageLimit> &limits)
{
    QStringList parts;
    for (const UsageLimit &limit : limits)
        parts << QStringLiteral("%1=%2").arg(limit.name).arg(limit.usedPercentage);
    return parts.join(QLatin1Char(','));
}

} // namespace

class ClaudeUsageTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void parsesUsageBodies_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QString>("limits");
        QTest::newRow("legacy keys in table order")
            << QByteArray(R"({"seven_day_opus":{"utilization":3},"seven_day":{"utilization":42.7},"five_hour":{"utilization":10}})")
            << QStringLiteral("5-hour limit=10,Weekly · all models=42,Weekly · Opus=3");
        QTest::newRow("legacy idle session") << QByteArray(R"({"five_hour":null})") << QStringLiteral("5-hour limit=0");
        QTest::newRow("legacy null weekly is skipped") << QByteArray(R"({"seven_day":null,"seven_day_sonnet":{"utilization":"5"}})")
                                                       << QString();
        QTest::newRow("clamped high and low") << QByteArray(R"({"five_hour":{"utilization":130},"seven_day":{"utilization":-5}})")
                                              << QStringLiteral("5-hour limit=100,Weekly · all models=0");
        QTest::newRow("new form names")
            << QByteArray(R"({"limits":[
                {"kind":"session","percent":12.9},
                {"kind":"weekly_all","utilization":30},
                {"group":"weekly","percent":1,"scope":{"model":{"display_name":"Opus"}}},
                {"group":"weekly","percent":2,"scope":{"model":{"display_name":""}}},
                {"group":"weekly","percent":3},
                {"percent":4,"scope":{"model":{"display_name":"Haiku"}}},
                {"kind":"other","percent":5},
                {"group":"session","percent":6}]})")
            << QStringLiteral("5-hour limit=12,Weekly · all models=30,Weekly · Opus=1,Usage limit=2,Weekly · all models=3,"
                              "Weekly · Haiku=4,Usage limit=5,5-hour limit=6");
        QTest::newRow("percent wins over utilization, even when not a number")
            << QByteArray(R"({"limits":[{"kind":"session","percent":null,"utilization":50},{"kind":"weekly_all","percent":7,"utilization":50}]})")
            << QStringLiteral("Weekly · all models=7");
        QTest::newRow("entries without numbers fall back to legacy keys")
            << QByteArray(R"({"limits":[{"kind":"session"},{"kind":"weekly_all","percent":true}],"seven_day":{"utilization":20}})")
            << QStringLiteral("Weekly · all models=20");
        QTest::newRow("limits not all objects uses legacy keys")
            << QByteArray(R"({"limits":[{"kind":"session","percent":1},2],"five_hour":{"utilization":9}})")
            << QStringLiteral("5-hour limit=9");
        QTest::newRow("nothing usable") << QByteArray(R"({"limits":[]})") << QString();
    }

    void parsesUsageBodies()
    {
        QFETCH(QByteArray, body);
        QFETCH(QString, limits);
        QCOMPARE(summary(parseUsageLimits(QJsonDocument::fromJson(body).object(), now)), limits);
    }

    void limitCarriesIdWindowAndResetText()
    {
        const QList<UsageLimit> limits = parseUsageLimits(
            json(R"({"five_hour":null,"seven_day":{"utilization":42.7,"resets_at":"2026-03-03T14:30:00.250Z"}})"), now);
        QCOMPARE(limits.size(), 2);
        QCOMPARE(limits[0].id, QStringLiteral("5-hour-limit"));
        QCOMPARE(limits[0].detail, QStringLiteral("No active session"));
        QCOMPARE(limits[0].windowDuration, 18000.0);
        QVERIFY(!limits[0].resetsAt);
        QCOMPARE(limits[1].id, QStringLiteral("weekly-all-models"));
        QCOMPARE(limits[1].windowDuration, 604800.0);
        const QDateTime reset(QDate(2026, 3, 3), QTime(14, 30, 0, 250), Qt::UTC);
        QCOMPARE(limits[1].resetsAt, reset);
        QCOMPARE(limits[1].detail, resetCountdownText(reset, now));
        QCOMPARE(limits[1].detail, QStringLiteral("Resets in 2d 2h"));
    }

    void parsesResetDates_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDateTime>("date");
        const QDateTime noon(QDate(2026, 3, 2), QTime(12, 0), Qt::UTC);
        QTest::newRow("fractional seconds") << QStringLiteral("2026-03-02T12:00:00.000Z") << noon;
        QTest::newRow("whole seconds") << QStringLiteral("2026-03-02T12:00:00Z") << noon;
        QTest::newRow("offset") << QStringLiteral("2026-03-02T14:00:00+02:00") << noon;
        QTest::newRow("empty") << QString() << QDateTime();
        QTest::newRow("date only") << QStringLiteral("2026-03-02") << QDateTime();
        QTest::newRow("no zone") << QStringLiteral("2026-03-02T12:00:00") << QDateTime();
        QTest::newRow("impossible day") << QStringLiteral("2026-02-30T12:00:00Z") << QDateTime();
    }

    void parsesResetDates()
    {
        QFETCH(QString, text);
        QFETCH(QDateTime, date);
        const std::optional<QDateTime> parsed = parseInternetDateTime(QJsonValue(text));
        QCOMPARE(parsed.value_or(QDateTime()), date);
    }

    void slugs_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("slug");
        QTest::newRow("middle dot") << QStringLiteral("Weekly · all models") << QStringLiteral("weekly-all-models");
        QTest::newRow("digits") << QStringLiteral("5-hour limit") << QStringLiteral("5-hour-limit");
        QTest::newRow("ends stripped") << QStringLiteral("  (Opus 4) ") << QStringLiteral("opus-4");
        QTest::newRow("nothing left") << QStringLiteral("···") << QString();
    }

    void slugs()
    {
        QFETCH(QString, name);
        QFETCH(QString, slug);
        QCOMPARE(slugOf(name), slug);
    }

    void retryAfter_data()
    {
        QTest::addColumn<QByteArray>("header");
        QTest::addColumn<std::optional<double>>("seconds");
        QTest::newRow("integer") << QByteArray("120") << std::optional(120.0);
        QTest::newRow("fraction") << QByteArray("1.5") << std::optional(1.5);
        QTest::newRow("exponent") << QByteArray("1e2") << std::optional(100.0);
        QTest::newRow("leading space") << QByteArray(" 120") << std::optional<double>();
        QTest::newRow("trailing text") << QByteArray("120s") << std::optional<double>();
        QTest::newRow("http date") << QByteArray("Wed, 21 Oct 2026 07:28:00 GMT") << std::optional<double>();
        QTest::newRow("missing") << QByteArray() << std::optional<double>();
        QTest::newRow("not finite") << QByteArray("1e999") << std::optional<double>();
    }

    void retryAfter()
    {
        QFETCH(QByteArray, header);
        QFETCH(std::optional<double>, seconds);
        QCOMPARE(retryAfterSeconds(header), seconds);
    }

    void credentials_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("token");
        QTest::addColumn<QString>("plan");
        QTest::newRow("max") << QByteArray(R"({"claudeAiOauth":{"accessToken":"tok","subscriptionType":"max"}})")
                             << QStringLiteral("tok") << QStringLiteral("Max");
        QTest::newRow("words") << QByteArray(R"({"claudeAiOauth":{"accessToken":"tok","subscriptionType":"TEAM plan"}})")
                               << QStringLiteral("tok") << QStringLiteral("Team Plan");
        QTest::newRow("no subscription type") << QByteArray(R"({"claudeAiOauth":{"accessToken":"tok"}})")
                                              << QStringLiteral("tok") << QStringLiteral("Claude");
        QTest::newRow("subscription type not a string")
            << QByteArray(R"({"claudeAiOauth":{"accessToken":"tok","subscriptionType":3}})") << QStringLiteral("tok")
            << QStringLiteral("Claude");
        QTest::newRow("empty token") << QByteArray(R"({"claudeAiOauth":{"accessToken":""}})") << QString() << QString();
        QTest::newRow("token not a string") << QByteArray(R"({"claudeAiOauth":{"accessToken":5}})") << QString() << QString();
        QTest::newRow("no oauth object") << QByteArray(R"({"accessToken":"tok"})") << QString() << QString();
        QTest::newRow("not an object") << QByteArray(R"(["tok"])") << QString() << QString();
        QTest::newRow("not JSON") << QByteArray("password") << QString() << QString();
    }

    void credentials()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, token);
        QFETCH(QString, plan);
        const std::optional<ClaudeCredentials> credentials = ClaudeCredentials::parse(text);
        QCOMPARE(credentials.has_value(), !token.isEmpty());
        if (!credentials)
            return;
        QCOMPARE(credentials->accessToken, token);
        QCOMPARE(credentials->planName, plan);
    }

    void localAccount_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<bool>("readable");
        QTest::addColumn<bool>("hasSubscription");
        QTest::addColumn<bool>("isFree");
        const qint64 nowMs = now.toMSecsSinceEpoch();
        const auto fetchedAt = [](qint64 ms) {
            return QStringLiteral(R"({"cachedUsageUtilization":{"fetchedAtMs":%1}})").arg(ms).toUtf8();
        };
        QTest::newRow("free, billing in capitals")
            << QByteArray(R"({"hasAvailableSubscription":false,"oauthAccount":{"billingType":"NONE","seatTier":""}})")
            << true << false << true;
        QTest::newRow("team seat is not free")
            << QByteArray(R"({"hasAvailableSubscription":false,"oauthAccount":{"billingType":"none","seatTier":"team"}})")
            << true << false << false;
        QTest::newRow("free needs the subscription flag")
            << QByteArray(R"({"oauthAccount":{"billingType":"none"}})") << true << false << false;
        QTest::newRow("subscribed") << QByteArray(R"({"hasAvailableSubscription":true})") << true << true << false;
        QTest::newRow("usage fetched two hours ago") << fetchedAt(nowMs - 7'200'000) << true << true << false;
        QTest::newRow("usage fetched two hours ahead") << fetchedAt(nowMs + 7'200'000) << true << true << false;
        QTest::newRow("usage fetched two days ago") << fetchedAt(nowMs - 172'800'000) << true << false << false;
        QTest::newRow("fetchedAtMs Boolean") << QByteArray(R"({"cachedUsageUtilization":{"fetchedAtMs":true}})")
                                             << true << false << false;
        QTest::newRow("flag beats recent usage")
            << QByteArray(R"({"hasAvailableSubscription":false,"cachedUsageUtilization":{"fetchedAtMs":)" +
                          QByteArray::number(nowMs) + "}}")
            << true << false << false;
        QTest::newRow("not JSON") << QByteArray("{") << false << false << false;
        QTest::newRow("array") << QByteArray("[]") << false << false << false;
    }

    void localAccount()
    {
        QFETCH(QByteArray, file);
        QFETCH(bool, readable);
        QFETCH(bool, hasSubscription);
        QFETCH(bool, isFree);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral(".claude.json"));
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(file);
        out.close();
        const std::optional<ClaudeLocalAccount> account = ClaudeLocalAccount::read(path, now);
        QCOMPARE(account.has_value(), readable);
        QCOMPARE(account.value_or(ClaudeLocalAccount{}), (ClaudeLocalAccount{hasSubscription, isFree}));
    }

    void missingLocalAccountIsUnreadable()
    {
        QVERIFY(!ClaudeLocalAccount::read(QStringLiteral("/nonexistent/.claude.json"), now));
    }
};

QTEST_GUILESS_MAIN(ClaudeUsageTest)
#include "ClaudeUsageTest.moc"
