#include "core/ProviderAllowance.h"
#include "core/ProviderConnectionAttemptState.h"

#include <QTest>

using namespace quelta;

Q_DECLARE_METATYPE(ProviderLimit)
Q_DECLARE_METATYPE(ProviderAllowance)
Q_DECLARE_METATYPE(std::optional<int>)
Q_DECLARE_METATYPE(std::optional<QString>)

namespace {

ProviderLimit limit(const QString &id, const QString &name, std::optional<int> percentage,
                    AllowancePercentageStyle style = AllowancePercentageStyle::remaining,
                    std::optional<QString> detail = std::nullopt)
{
    ProviderLimit result;
    result.id = id;
    result.name = name;
    result.value = QStringLiteral("v");
    result.percentage = percentage;
    result.percentageStyle = style;
    result.detail = detail;
    return result;
}

ProviderAllowance claude(QList<ProviderLimit> limits, ConnectionState state = ConnectionState::connected)
{
    ProviderAllowance allowance = ProviderAllowance::failure(ProviderID::claudeCode, QStringLiteral("from connector"), state);
    allowance.limits = std::move(limits);
    allowance.planName = QStringLiteral("Max");
    allowance.remaining = 11;
    allowance.displayPercentage = 11;
    return allowance;
}

} // namespace

class ProviderAllowanceTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rawValuesRoundTrip()
    {
        for (ProviderID id : allCases<ProviderID>())
            QCOMPARE(fromRawValue<ProviderID>(toRawValue(id)), id);
        for (ClaudeTrackedLimit tracked : allCases<ClaudeTrackedLimit>())
            QCOMPARE(claudeTrackedLimitFromRaw(toRawValue(tracked)), tracked);
        QCOMPARE(toRawValue(ProviderID::claudeCode), QStringLiteral("claudeCode"));
        QCOMPARE(toRawValue(AllowancePercentageStyle::used), QStringLiteral("used"));
        QCOMPARE(fromRawValue<ProviderID>(u"ClaudeCode"), std::nullopt);
        QCOMPARE(fromRawValue<AllowancePercentageStyle>(u""), std::nullopt);
        QCOMPARE(claudeTrackedLimitFromRaw(u"weekly"), ClaudeTrackedLimit::weeklyAllModels);
    }

    void namesAndOrder()
    {
        QCOMPARE(displayOrder.size(), std::size_t(3));
        QCOMPARE(displayOrder[0], ProviderID::framer);
        QCOMPARE(displayOrder[1], ProviderID::codex);
        QCOMPARE(displayOrder[2], ProviderID::claudeCode);
        QCOMPARE(displayName(ProviderID::codex), QStringLiteral("ChatGPT"));
        QCOMPARE(displayName(ProviderID::claudeCode), QStringLiteral("Claude"));
        QCOMPARE(assetName(ProviderID::claudeCode), QStringLiteral("Anthropic"));
        QCOMPARE(assetName(ProviderID::codex), QStringLiteral("Codex"));
    }

    void placeholders_data()
    {
        QTest::addColumn<ProviderAllowance>("allowance");
        QTest::addColumn<QString>("detail");
        QTest::addColumn<int>("state");
        QTest::newRow("checking") << ProviderAllowance::checking(ProviderID::framer) << QStringLiteral("Checking\u2026")
                                  << int(ConnectionState::loading);
        QTest::newRow("requires connection") << ProviderAllowance::requiringConnection(ProviderID::framer)
                                             << QStringLiteral("Requires connection") << int(ConnectionState::needsConnection);
        QTest::newRow("rate limited") << ProviderAllowance::rateLimited(ProviderID::framer)
                                      << QStringLiteral("Temporarily rate limited") << int(ConnectionState::unavailable);
    }

    void placeholders()
    {
        QFETCH(ProviderAllowance, allowance);
        QFETCH(QString, detail);
        QFETCH(int, state);
        QCOMPARE(allowance.detail, detail);
        QCOMPARE(int(allowance.connectionState), state);
        QCOMPARE(allowance.name, QStringLiteral("Framer"));
        QCOMPARE(allowance.assetName, QStringLiteral("Framer"));
        QVERIFY(!allowance.remaining && !allowance.displayPercentage && !allowance.displayedLimitID && !allowance.planName);
        QVERIFY(allowance.limits.isEmpty());
        QCOMPARE(allowance.percentageStyle, AllowancePercentageStyle::remaining);
    }

    void displayedLimit_data()
    {
        QTest::addColumn<ProviderAllowance>("allowance");
        QTest::addColumn<std::optional<QString>>("expectedID");

        ProviderAllowance base = ProviderAllowance::failure(ProviderID::codex, QStringLiteral("Resets in 2h 0m"),
                                                            ConnectionState::connected);
        base.limits = {limit("a", "5h", 40, AllowancePercentageStyle::remaining, QStringLiteral("Resets in 1h 0m")),
                       limit("b", "week", 40, AllowancePercentageStyle::remaining, QStringLiteral("Resets in 2h 0m")),
                       limit("c", "used", 40, AllowancePercentageStyle::used, QStringLiteral("Resets in 2h 0m"))};
        base.remaining = 40;

        ProviderAllowance byID = base;
        byID.displayedLimitID = QStringLiteral("c");
        QTest::newRow("identifier wins") << byID << std::optional<QString>(QStringLiteral("c"));

        ProviderAllowance unknownID = base;
        unknownID.displayedLimitID = QStringLiteral("zzz");
        QTest::newRow("unknown identifier falls back, detail separates") << unknownID << std::optional<QString>(QStringLiteral("b"));

        ProviderAllowance noDetailMatch = base;
        noDetailMatch.detail = QStringLiteral("other");
        QTest::newRow("no detail match takes the first") << noDetailMatch << std::optional<QString>(QStringLiteral("a"));

        ProviderAllowance display = base;
        display.displayPercentage = 7;
        QTest::newRow("display percentage is the target") << display << std::optional<QString>();

        ProviderAllowance absent = base;
        absent.remaining.reset();
        absent.limits.append(limit("d", "no figure", std::nullopt));
        QTest::newRow("absent matches absent") << absent << std::optional<QString>(QStringLiteral("d"));

        ProviderAllowance usedStyle = base;
        usedStyle.percentageStyle = AllowancePercentageStyle::used;
        QTest::newRow("style must match") << usedStyle << std::optional<QString>(QStringLiteral("c"));
    }

    void displayedLimit()
    {
        QFETCH(ProviderAllowance, allowance);
        QFETCH(std::optional<QString>, expectedID);
        const auto chosen = allowance.displayedLimit();
        QCOMPARE(chosen ? std::optional<QString>(chosen->id) : std::nullopt, expectedID);
    }

    void applyingTrackedLimit_data()
    {
        QTest::addColumn<ProviderAllowance>("allowance");
        QTest::addColumn<int>("tracked");
        QTest::addColumn<QString>("detail");
        QTest::addColumn<std::optional<int>>("remaining");
        QTest::addColumn<std::optional<QString>>("limitID");

        const QList<ProviderLimit> limits{
            limit("five", "5-hour limit", 40, AllowancePercentageStyle::used, QStringLiteral("Resets in 1h 0m")),
            limit("week", "Weekly \u00b7 All Models", 100),
            limit("fable", "Weekly Fable 5", std::nullopt),
        };
        QTest::newRow("used style turns into remaining") << claude(limits) << int(ClaudeTrackedLimit::fiveHour)
                                                         << QStringLiteral("Resets in 1h 0m") << std::optional<int>(60)
                                                         << std::optional<QString>(QStringLiteral("five"));
        QTest::newRow("full and no detail") << claude(limits) << int(ClaudeTrackedLimit::weeklyAllModels)
                                            << QStringLiteral("No usage yet") << std::optional<int>(100)
                                            << std::optional<QString>(QStringLiteral("week"));
        QTest::newRow("no figure and no detail") << claude(limits) << int(ClaudeTrackedLimit::weeklyFable5)
                                                 << QStringLiteral("Reset time unavailable") << std::optional<int>()
                                                 << std::optional<QString>(QStringLiteral("fable"));
        QTest::newRow("no weekly all-models limit") << claude({limits[0]}) << int(ClaudeTrackedLimit::weeklyAllModels)
                                                    << QStringLiteral("Weekly limit unavailable") << std::optional<int>()
                                                    << std::optional<QString>();
        QTest::newRow("no 5-hour limit") << claude({limits[1]}) << int(ClaudeTrackedLimit::fiveHour)
                                         << QStringLiteral("5-hour limit unavailable") << std::optional<int>()
                                         << std::optional<QString>();
        QTest::newRow("no fable limit") << claude({}) << int(ClaudeTrackedLimit::weeklyFable5)
                                        << QStringLiteral("Fable 5 limit unavailable") << std::optional<int>()
                                        << std::optional<QString>();
    }

    void applyingTrackedLimit()
    {
        QFETCH(ProviderAllowance, allowance);
        QFETCH(int, tracked);
        QFETCH(QString, detail);
        QFETCH(std::optional<int>, remaining);
        QFETCH(std::optional<QString>, limitID);

        const ProviderAllowance result = allowance.applyingTrackedLimit(ClaudeTrackedLimit(tracked));
        QCOMPARE(result.detail, detail);
        QCOMPARE(result.remaining, remaining);
        QCOMPARE(result.displayPercentage, remaining);
        QCOMPARE(result.displayedLimitID, limitID);
        QCOMPARE(result.percentageStyle, AllowancePercentageStyle::remaining);
        QCOMPARE(result.connectionState, ConnectionState::connected);
        QCOMPARE(result.limits, allowance.limits);
        QCOMPARE(result.planName, allowance.planName);
        // Applying it again changes nothing, so a reloaded snapshot can go through it once more.
        QCOMPARE(result.applyingTrackedLimit(ClaudeTrackedLimit(tracked)), result);
    }

    void applyingTrackedLimitLeavesOthersAlone()
    {
        const QList<ProviderLimit> limits{limit("five", "5-hour", 10)};
        for (ConnectionState state : {ConnectionState::loading, ConnectionState::needsConnection,
                                      ConnectionState::unsupported, ConnectionState::unavailable}) {
            const ProviderAllowance allowance = claude(limits, state);
            QCOMPARE(allowance.applyingTrackedLimit(ClaudeTrackedLimit::fiveHour), allowance);
        }
        for (ProviderID other : {ProviderID::codex, ProviderID::framer}) {
            ProviderAllowance allowance = claude(limits);
            allowance.id = other;
            QCOMPARE(allowance.applyingTrackedLimit(ClaudeTrackedLimit::fiveHour), allowance);
        }
    }

    void fromSnapshot_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<std::optional<QString>>("planName");
        QTest::addColumn<bool>("exists");
        QTest::addColumn<int>("state");
        QTest::addColumn<QString>("detail");
        QTest::newRow("free claude") << QStringLiteral("claudeCode") << std::optional<QString>(QStringLiteral("Free")) << true
                                     << int(ConnectionState::unsupported) << QStringLiteral("Claude Free doesn\u2019t include Claude Code");
        QTest::newRow("lower-case free is a plan name") << QStringLiteral("claudeCode") << std::optional<QString>(QStringLiteral("free")) << true
                                                        << int(ConnectionState::connected) << QStringLiteral("saved");
        QTest::newRow("free chatgpt is connected") << QStringLiteral("codex") << std::optional<QString>(QStringLiteral("Free")) << true
                                                   << int(ConnectionState::connected) << QStringLiteral("saved");
        QTest::newRow("unknown provider") << QStringLiteral("gemini") << std::optional<QString>() << false << 0 << QString();
    }

    void fromSnapshot()
    {
        QFETCH(QString, id);
        QFETCH(std::optional<QString>, planName);
        QFETCH(bool, exists);
        QFETCH(int, state);
        QFETCH(QString, detail);

        CachedProviderSnapshot snapshot;
        snapshot.id = id;
        snapshot.detail = QStringLiteral("saved");
        snapshot.remaining = 30;
        snapshot.planName = planName;
        snapshot.savedAt = QDateTime::currentDateTimeUtc();

        const auto allowance = ProviderAllowance::fromSnapshot(snapshot);
        QCOMPARE(allowance.has_value(), exists);
        if (!allowance)
            return;
        QCOMPARE(int(allowance->connectionState), state);
        QCOMPARE(allowance->detail, detail);
        QCOMPARE(allowance->remaining, std::optional<int>(30));
        QCOMPARE(allowance->percentageStyle, AllowancePercentageStyle::remaining);
        QVERIFY(allowance->limits.isEmpty());
        QCOMPARE(allowance->name, displayName(allowance->id));
    }
};

QTEST_GUILESS_MAIN(ProviderAllowanceTest)
#include "ProviderAllowanceTest.moc"
