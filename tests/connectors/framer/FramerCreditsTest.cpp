#include "core/ProviderConnectorError.h"
#include "connectors/framer/FramerConfiguration.h"
#include "connectors/framer/FramerCredits.h"

#include <QJsonDocument>
#include <QTest>

using namespace quelta;

namespace {

const QDateTime now(QDate(2026, 3, 1), QTime(12, 0), Qt::UTC);

QString outcomeOf(const QByteArray &result)
{
    try {
        const ProviderAllowance allowance =
            framerAllowance(QJsonDocument::fromJson(result).object(), now, QLocale(QStringLiteral("en_US")));
        const ProviderLimit &limit = allowance.limits.at(0);
        return QStringLiteral("%1 | %2% | %3").arg(limit.value).arg(allowance.remaining.value_or(-1)).arg(allowance.detail);
    } catch (const ProviderConnectorError &error) {
        return QStringLiteral("error: ") + QString::fromLatin1(error.what());
    }
}

} // namespace

class FramerCreditsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { qputenv("TZ", "UTC"); }

    void allowances_data()
    {
        QTest::addColumn<QByteArray>("result");
        QTest::addColumn<QString>("outcome");
        QTest::newRow("project fund renewing tomorrow beside a larger fund")
            << QByteArray(R"({"funds":[
                 {"type":"project","renewsAt":"2026-03-02T09:00:00.000Z","grants":[{"allocatedCredits":500,"remainingCredits":100}]},
                 {"type":"team","grants":[{"allocatedCredits":1000,"remainingCredits":200}]}]})")
            << QStringLiteral("300 | 60% | Resets on 2 Mar");
        QTest::newRow("available credits above the total")
            << QByteArray(R"({"availableCredits":1200,"funds":[{"type":"project","renewsAt":"2026-03-20T00:00:00Z","grants":[{"allocatedCredits":1000,"remainingCredits":10}]}]})")
            << QStringLiteral("1,200 | 100% | Resets on 20 Mar");
        QTest::newRow("negative remaining")
            << QByteArray(R"({"availableCredits":-5,"funds":[{"grants":[{"allocatedCredits":100}]}]})")
            << QStringLiteral("0 | 0% | Reset time unavailable");
        QTest::newRow("grants not yet valid or expired do not count")
            << QByteArray(R"({"funds":[{"grants":[
                 {"allocatedCredits":100,"remainingCredits":50},
                 {"allocatedCredits":9000,"remainingCredits":9000,"validAt":"2026-03-05T00:00:00Z"},
                 {"allocatedCredits":9000,"remainingCredits":9000,"expiresAt":"2026-03-01T11:59:59Z"}]}]})")
            << QStringLiteral("50 | 50% | Reset time unavailable");
        QTest::newRow("grant without an allocation is skipped")
            << QByteArray(R"({"funds":[{"grants":[{"remainingCredits":500},{"allocatedCredits":100,"remainingCredits":25}]}]})")
            << QStringLiteral("25 | 25% | Reset time unavailable");
        QTest::newRow("remaining derived from consumption")
            << QByteArray(R"({"funds":[{"grants":[{"allocatedCredits":100,"consumedCredits":30}]}]})")
            << QStringLiteral("70 | 70% | Reset time unavailable");
        QTest::newRow("overspent grant counts nothing")
            << QByteArray(R"({"funds":[{"grants":[{"allocatedCredits":100,"consumedCredits":130}]}]})")
            << QStringLiteral("0 | 0% | Reset time unavailable");
        QTest::newRow("past renewal is not selected")
            << QByteArray(R"({"funds":[{"type":"project","renewsAt":"2026-02-01T00:00:00Z","grants":[{"allocatedCredits":100,"remainingCredits":33.7}]}]})")
            << QStringLiteral("33 | 33% | Reset time unavailable");
        QTest::newRow("reset from the earliest expiry without renewal")
            << QByteArray(R"({"funds":[{"type":"project","renewsAt":"2026-04-01T00:00:00Z","grants":[{"allocatedCredits":100,"remainingCredits":1}]},
                 {"type":"project","grants":[{"allocatedCredits":100,"remainingCredits":1,"expiresAt":"2026-03-09T00:00:00Z"}]}]})")
            << QStringLiteral("2 | 2% | Resets on 1 Apr");
        QTest::newRow("no positive allocation") << QByteArray(R"({"funds":[{"grants":[{"allocatedCredits":0}]}]})")
                                                << QStringLiteral("error: processFailed");
        QTest::newRow("no funds") << QByteArray(R"({"funds":[]})") << QStringLiteral("error: processFailed");
        QTest::newRow("funds not objects") << QByteArray(R"({"funds":[1]})") << QStringLiteral("error: processFailed");
        QTest::newRow("count beyond 2^63")
            << QByteArray(R"({"availableCredits":1e19,"funds":[{"grants":[{"allocatedCredits":100}]}]})")
            << QStringLiteral("error: invalidResponse");
        QTest::newRow("total beyond 2^63")
            << QByteArray(R"({"funds":[{"grants":[{"allocatedCredits":1e300,"remainingCredits":1}]}]})")
            << QStringLiteral("error: invalidResponse");
    }

    void allowances()
    {
        QFETCH(QByteArray, result);
        QFETCH(QString, outcome);
        QCOMPARE(outcomeOf(result), outcome);
    }

    void percentagesAreExact()
    {
        __extension__ using Wide = __int128;
        for (qint64 total : {qint64(100), qint64(500), qint64(1000), qint64(1) << 60}) {
            for (qint64 part : {qint64(0), qint64(1), qint64(29), qint64(57), qint64(58), total / 3, total - 1, total}) {
                const double shown = double(part); // as the page's figures arrive
                const int expected = int(Wide(qint64(shown)) * 100 / total);
                QCOMPARE(wholePercentage(shown, double(total)), expected);
            }
        }
        QCOMPARE(wholePercentage(29.5, 100), 29);
    }

    void limitShape()
    {
        const QByteArray result = R"({"funds":[{"type":"project","renewsAt":"2026-03-31T00:00:00Z","grants":[
            {"allocatedCredits":100,"remainingCredits":40,"validAt":"2026-02-01T00:00:00Z"},
            {"allocatedCredits":50,"remainingCredits":10,"validAt":"2026-03-01T00:00:00Z"}]}]})";
        const ProviderAllowance allowance = framerAllowance(QJsonDocument::fromJson(result).object(), now);
        QCOMPARE(allowance.id, ProviderID::framer);
        QCOMPARE(allowance.name, QStringLiteral("Framer"));
        QCOMPARE(allowance.assetName, QStringLiteral("Framer"));
        QCOMPARE(allowance.connectionState, ConnectionState::connected);
        QCOMPARE(allowance.limits.size(), 1);
        const ProviderLimit &limit = allowance.limits[0];
        QCOMPARE(limit.id, QStringLiteral("credits-left"));
        QCOMPARE(limit.name, QStringLiteral("Credits left"));
        QCOMPARE(limit.percentage, 50);
        QCOMPARE(limit.resetsAt, QDateTime(QDate(2026, 3, 31), QTime(0, 0), Qt::UTC));
        // From the latest grant start to the renewal.
        QCOMPARE(limit.windowDuration, 30.0 * 86400);
    }

    void allowedInApp_data()
    {
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("allowed");
        QTest::newRow("framer") << QStringLiteral("https://framer.com/projects/") << true;
        QTest::newRow("framer subdomain, any case") << QStringLiteral("https://Login.FRAMER.com/") << true;
        QTest::newRow("user content") << QStringLiteral("https://a.framerusercontent.com/x.js") << true;
        QTest::newRow("google sign-in") << QStringLiteral("https://accounts.google.com/o/oauth2") << true;
        QTest::newRow("gstatic") << QStringLiteral("https://www.gstatic.com/x") << true;
        QTest::newRow("about") << QStringLiteral("about:blank") << true;
        QTest::newRow("plain http") << QStringLiteral("http://framer.com/") << false;
        QTest::newRow("look-alike") << QStringLiteral("https://notframer.com/") << false;
        QTest::newRow("suffix trick") << QStringLiteral("https://framer.com.evil.example/") << false;
        QTest::newRow("elsewhere") << QStringLiteral("https://example.com/") << false;
    }

    void allowedInApp()
    {
        QFETCH(QString, url);
        QFETCH(bool, allowed);
        QCOMPARE(FramerConfiguration::standard().isAllowedInApp(QUrl(url)), allowed);
    }
};

QTEST_GUILESS_MAIN(FramerCreditsTest)
#include "FramerCreditsTest.moc"
