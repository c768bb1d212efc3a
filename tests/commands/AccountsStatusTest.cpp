#include "ManualClock.h"
#include "TestFixture.h"
#include "WaitFor.h"

#include "commands/StatusReport.h"
#include "connectors/AccountDiscovery.h"
#include "connectors/ProviderConnectors.h"
#include "connectors/ProviderHttpSession.h"
#include "connectors/claude/AuthStatusCache.h"
#include "core/AllowanceMonitor.h"
#include "core/AllowanceStore.h"

#include <QHttpServer>
#include <QHttpServerResponse>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

using namespace quelta;
using namespace std::chrono_literals;

using Files = QMap<QString, QByteArray>;
using Counts = QMap<QString, int>;

namespace {

const QByteArray usageBody = R"({"five_hour":null,"seven_day":{"utilization":42.7,"resets_at":"2026-03-02T12:00:00Z"}})";
const QByteArray codexReply =
    R"({"id":2,"result":{"rateLimits":{"primary":{"usedPercent":25,"windowDurationMins":300},"secondary":{"usedPercent":10,"windowDurationMins":10080}}}})";

QByteArray credentials(const char *token)
{
    return QByteArray(R"({"claudeAiOauth":{"accessToken":")") + token + R"(","subscriptionType":"max"}})";
}

QByteArray identity(const char *account)
{
    return QByteArray(R"({"hasAvailableSubscription":true,"oauthAccount":{"accountUuid":")") + account + R"(","organizationUuid":"org"}})";
}

} // namespace

// Several accounts of one provider, loaded through the real connectors from their own folders.
class AccountsStatusTest : public QObject
{
    Q_OBJECT

    QHttpServer m_server;
    quint16 m_port = 0;
    Counts m_requests;
    QStringList m_limitedTokens;

    void waitForRefresh(AllowanceMonitor &monitor) { QTRY_VERIFY_WITH_TIMEOUT(!monitor.isRefreshing(), 20000); }

private Q_SLOTS:
    void initTestCase()
    {
        m_server.route("/api/oauth/usage", [this](const QHttpServerRequest &request) {
            const QString token = QString::fromUtf8(request.value("Authorization")).section(QLatin1Char(' '), 1);
            ++m_requests[token];
            if (!m_limitedTokens.contains(token))
                return QHttpServerResponse(QByteArrayLiteral("application/json"), usageBody);
            QHttpServerResponse limited(QHttpServerResponse::StatusCode::TooManyRequests);
            limited.setHeader("Retry-After", "7200");
            return limited;
        });
        m_port = m_server.listen(QHostAddress::LocalHost);
        QVERIFY(m_port != 0);
    }

    void accountsLoadApart_data()
    {
        QTest::addColumn<Files>("files");
        QTest::addColumn<QStringList>("limited");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<Counts>("firstRound");
        QTest::addColumn<Counts>("secondRound");

        const Files twoAccounts{{".claude/.credentials.json", credentials("A")}, {".claude-work/.credentials.json", credentials("B")}};
        QTest::newRow("two folders, two tokens")
            << twoAccounts << QStringList{} << QStringList{"Claude", "Claude \u00b7 work"} << Counts{{"A", 1}, {"B", 1}} << Counts{{"A", 2}, {"B", 2}};
        QTest::newRow("a rate limit holds back only its account")
            << twoAccounts << QStringList{"A"} << QStringList{"Claude", "Claude \u00b7 work"} << Counts{{"A", 1}, {"B", 1}}
            << Counts{{"A", 1}, {"B", 2}};
        QTest::newRow("one account in two folders")
            << Files{{".claude/.credentials.json", credentials("A")}, {".claude.json", identity("same")},
                     {".claude-again/.credentials.json", credentials("A2")}, {".claude-again/.claude.json", identity("same")}}
            << QStringList{} << QStringList{"Claude"} << Counts{{"A", 1}} << Counts{{"A", 2}};
    }

    void accountsLoadApart()
    {
        QFETCH(Files, files);
        QFETCH(QStringList, limited);
        QFETCH(QStringList, entries);
        QFETCH(Counts, firstRound);
        QFETCH(Counts, secondRound);

        test::Fixture fixture;
        for (auto [path, content] : files.asKeyValueRange())
            fixture.writeHomeFile(path, content);
        m_requests.clear();
        m_limitedTokens = limited;

        const FoundAccounts found = discoverAccounts({fixture.home(), {}, {}});
        QList<AccountID> claudeAccounts;
        for (const AccountFolder &account : found.accounts) {
            if (account.id.provider == ProviderID::claudeCode)
                claudeAccounts << account.id;
        }
        allowanceStore::saveAuthorizedProviders(fixture.store, AccountSet(claudeAccounts.begin(), claudeAccounts.end()));
        allowanceStore::saveEnabledProviders(fixture.store, AccountSet(claudeAccounts.begin(), claudeAccounts.end()));

        ProviderHttpSession session(fixture.clock, ProviderHttpSession::Timeouts{});
        AuthStatusCache cache(fixture.clock);
        ProviderConnectors connectors;
        connectors.clock = &fixture.clock;
        connectors.search = fixture.search();
        connectors.accountFolder = [&found](const AccountID &id) { return found.folderOf(id); };
        connectors.claudeEnvironment = [&](const QString &folder) {
            ClaudeEnvironment environment = ClaudeEnvironment::standard(fixture.clock, session, cache, fixture.search(), folder);
            environment.apiHost = QUrl(QStringLiteral("http://127.0.0.1:%1").arg(m_port));
            return environment;
        };
        QList<AccountID> known;
        for (const AccountFolder &account : found.accounts)
            known << account.id;
        AllowanceMonitor monitor(fixture.store, fixture.clock, {.connectors = connectors.loader(), .accounts = known});

        monitor.refresh(false);
        waitForRefresh(monitor);
        QCOMPARE(m_requests, firstRound);
        QStringList names;
        for (const QJsonValue &entry : statusJson(monitor).value(QStringLiteral("providers")).toArray())
            names << entry.toObject().value(QStringLiteral("name")).toString();
        QCOMPARE(names, entries);

        // Past Claude's spacing, short of the rate limit's delay.
        fixture.clock.advance(std::chrono::seconds(1801));
        monitor.refresh(false);
        waitForRefresh(monitor);
        QCOMPARE(m_requests, secondRound);
    }

    void eachCodexRunGetsItsAccountsHome()
    {
        test::Fixture fixture;
        QVERIFY(fixture.installStandIn(QStringLiteral("codex"), QStringLiteral(CODEX_STAND_IN)));
        fixture.writeHomeFile(QStringLiteral(".codex/auth.json"), "{}");
        fixture.writeHomeFile(QStringLiteral(".codex-work/auth.json"), "{}");
        fixture.writeHomeFile(QStringLiteral("codex-scenario.json"),
                              QJsonDocument(QJsonObject{{QStringLiteral("output"), QString::fromUtf8(codexReply + "\n")}}).toJson());
        // Inherited by this process: it must reach no account's run.
        qputenv("CODEX_HOME", "/stray/codex");

        const FoundAccounts found = discoverAccounts({fixture.home(), {}, {}});
        const AccountSet codex{AccountID(ProviderID::codex), AccountID(ProviderID::codex, QStringLiteral("work"))};
        allowanceStore::saveAuthorizedProviders(fixture.store, codex);
        allowanceStore::saveEnabledProviders(fixture.store, codex);
        ProviderConnectors connectors;
        connectors.clock = &fixture.clock;
        connectors.search = fixture.search();
        connectors.codexTiming.closeInputDelay = 100ms;
        connectors.accountFolder = [&found](const AccountID &id) { return found.folderOf(id); };
        AllowanceMonitor monitor(fixture.store, fixture.clock, {.connectors = connectors.loader(), .accounts = QList<AccountID>(codex.begin(), codex.end())});
        monitor.refresh(false);
        waitForRefresh(monitor);
        qunsetenv("CODEX_HOME");

        QFile homes(fixture.home(QStringLiteral("codex-homes")));
        QVERIFY(homes.open(QIODevice::ReadOnly));
        QStringList seen = QString::fromUtf8(homes.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        seen.sort();
        QCOMPARE(seen, (QStringList{fixture.home(QStringLiteral(".codex")), fixture.home(QStringLiteral(".codex-work"))}));
        for (const QJsonValue &entry : statusJson(monitor).value(QStringLiteral("providers")).toArray())
            QCOMPARE(entry.toObject().value(QStringLiteral("percentText")).toString(), QStringLiteral("75%"));
    }
};

QTEST_GUILESS_MAIN(AccountsStatusTest)
#include "AccountsStatusTest.moc"
