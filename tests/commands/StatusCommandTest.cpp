#include "ManualClock.h"
#include "TestFixture.h"
#include "WaitFor.h"

#include "commands/CommandLine.h"
#include "connectors/AccountDiscovery.h"
#include "connectors/ProviderConnectors.h"
#include "connectors/ProviderHttpSession.h"
#include "connectors/claude/AuthStatusCache.h"
#include "connectors/claude/ClaudeConnector.h"
#include "connectors/claude/ClaudeCredentialFile.h"
#include "core/AllowanceMonitor.h"
#include "core/AllowanceStore.h"
#include "platform/SettingsStore.h"

#include <QDir>
#include <QHttpServer>
#include <QHttpServerResponse>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace quelta;
using namespace std::chrono_literals;

namespace {

const QByteArray codexReply =
    R"({"id":2,"result":{"rateLimits":{"primary":{"usedPercent":25,"windowDurationMins":300},"secondary":{"usedPercent":10,"windowDurationMins":10080}}}})";
const QByteArray usageBody = R"({"five_hour":null,"seven_day":{"utilization":42.7,"resets_at":"2026-03-02T12:00:00Z"}})";

QJsonObject providerNamed(const QJsonObject &report, const QString &id)
{
    for (const QJsonValue &provider : report.value(QStringLiteral("providers")).toArray()) {
        if (provider.toObject().value(QStringLiteral("id")).toString() == id)
            return provider.toObject();
    }
    return {};
}

} // namespace

class StatusCommandTest : public QObject
{
    Q_OBJECT

    test::Fixture m_fixture;
    test::ManualClock &m_clock = m_fixture.clock;
    QHttpServer m_server;
    quint16 m_port = 0;
    int m_usageRequests = 0;
    // Where Claude Code's tool and files are looked for.
    QString m_claudeHome = m_fixture.home();

    void write(const QString &name, const QByteArray &content) { m_fixture.writeHomeFile(name, content); }

    // One run of `quelta <arguments>` as a fresh process would do it, on the shared store.
    QString run(const QStringList &arguments, int *status = nullptr)
    {
        // A store of its own on the same file, as a fresh process would open it.
        SettingsStore store(m_fixture.directory.filePath(QStringLiteral("config")));
        ProviderHttpSession session(m_clock, ProviderHttpSession::Timeouts{});
        AuthStatusCache cache(m_clock);

        ProviderConnectors connectors;
        connectors.clock = &Clock::system();
        connectors.codexTiming.closeInputDelay = 100ms;
        connectors.search = m_fixture.search();
        connectors.accountFolder = [&](const AccountID &id) { return discoverAccounts({m_fixture.home(), {}, {}}).folderOf(id); };
        connectors.claudeEnvironment = [&](const QString &) {
            ClaudeEnvironment environment;
            environment.apiHost = QUrl(QStringLiteral("http://127.0.0.1:%1").arg(m_port));
            environment.search = ExecutableSearch{m_claudeHome, {}};
            environment.localAccountPath = m_claudeHome + QStringLiteral("/.claude.json");
            environment.credentials = std::make_shared<ClaudeCredentialFile>(m_claudeHome + QStringLiteral("/.claude/.credentials.json"));
            environment.clock = &m_clock;
            environment.session = &session;
            environment.authStatusCache = &cache;
            return environment;
        };
        AllowanceMonitor monitor(store, m_clock, AllowanceMonitor::Dependencies{.connectors = connectors.loader()});

        QString output;
        QString errors;
        QTextStream out(&output);
        QTextStream err(&errors);
        // The stand-ins are signed in already: signing in again succeeds at once.
        ProviderConnection connection(monitor, [](AccountID) -> QCoro::Task<void> { co_return; });
        LocalCommandTarget target(monitor, connection, {});
        CommandLineEnvironment environment;
        environment.clock = &m_clock;
        const int exitStatus = test::waitFor(runCommandLine(arguments, target, environment, out, err));
        if (status)
            *status = exitStatus;
        out.flush();
        err.flush();
        return output + errors;
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_server.route("/api/oauth/usage", [this] {
            ++m_usageRequests;
            return QHttpServerResponse(QByteArrayLiteral("application/json"), usageBody);
        });
        m_port = m_server.listen(QHostAddress::LocalHost);
        QVERIFY(m_port != 0);

        QVERIFY(m_fixture.installStandIn(QStringLiteral("claude"), QStringLiteral(CLAUDE_STAND_IN)));
        QVERIFY(m_fixture.installStandIn(QStringLiteral("codex"), QStringLiteral(CODEX_STAND_IN)));
        write(QStringLiteral("status.out"), R"({"loggedIn":true,"authMethod":"claude.ai","subscriptionType":"max"})");
        write(QStringLiteral(".claude/.credentials.json"), R"({"claudeAiOauth":{"accessToken":"token","subscriptionType":"max"}})");
        write(QStringLiteral(".claude.json"), R"({"hasAvailableSubscription":true})");
        write(QStringLiteral("codex-scenario.json"), QJsonDocument(QJsonObject{{QStringLiteral("output"), QString::fromUtf8(codexReply + "\n")}}).toJson());

        allowanceStore::saveAuthorizedProviders(m_fixture.store, {ProviderID::codex, ProviderID::claudeCode});
        allowanceStore::saveEnabledProviders(m_fixture.store, {ProviderID::codex, ProviderID::claudeCode});
    }

    void statusThroughTheRealConnectors()
    {
        int status = -1;
        const QJsonObject report = QJsonDocument::fromJson(run({QStringLiteral("status"), QStringLiteral("--json")}, &status).toUtf8()).object();
        QCOMPARE(status, 0);
        QCOMPARE(report.value(QStringLiteral("providers")).toArray().size(), 2);
        const QJsonObject chatGpt = providerNamed(report, QStringLiteral("codex"));
        QCOMPARE(chatGpt.value(QStringLiteral("percentText")).toString(), QStringLiteral("75%"));
        QCOMPARE(chatGpt.value(QStringLiteral("connectionState")).toString(), QStringLiteral("connected"));
        QCOMPARE(chatGpt.value(QStringLiteral("limits")).toArray().size(), 2);
        const QJsonObject claude = providerNamed(report, QStringLiteral("claudeCode"));
        QCOMPARE(claude.value(QStringLiteral("remaining")).toInt(), 58);
        QCOMPARE(claude.value(QStringLiteral("subtitle")).toString(), QStringLiteral("Resets in 1d 0h"));
        QCOMPARE(claude.value(QStringLiteral("stale")).toBool(), false);
        QCOMPARE(report.value(QStringLiteral("status")).toString(), QStringLiteral("Updated just now"));
        QCOMPARE(m_usageRequests, 1);

        // Ten minutes later Claude is not due: its figures come from the store, unasked.
        m_clock.advance(10min);
        const QJsonObject again = QJsonDocument::fromJson(run({QStringLiteral("status"), QStringLiteral("--json")}).toUtf8()).object();
        QCOMPARE(m_usageRequests, 1);
        const QJsonObject cachedClaude = providerNamed(again, QStringLiteral("claudeCode"));
        QCOMPARE(cachedClaude.value(QStringLiteral("remaining")).toInt(), 58);
        QCOMPARE(cachedClaude.value(QStringLiteral("stale")).toBool(), true);
        QCOMPARE(cachedClaude.value(QStringLiteral("subtitle")).toString(), QStringLiteral("Showing last update"));

        const QString text = run({QStringLiteral("status"), QStringLiteral("--cached")});
        QVERIFY2(text.startsWith(QStringLiteral("ChatGPT  75%   Showing last update\n")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("\nClaude   58%   Showing last update\n")), qPrintable(text));
    }

    void connectingASwitchedOffProviderShowsIt()
    {
        SettingsStore &store = m_fixture.store;
        allowanceStore::saveEnabledProviders(store, {ProviderID::claudeCode});
        int status = -1;
        const QString output = run({QStringLiteral("connect"), QStringLiteral("ChatGPT")}, &status);
        QCOMPARE(status, 0);
        QVERIFY2(output.endsWith(QStringLiteral("ChatGPT is connected.\n")), qPrintable(output));
        QVERIFY(allowanceStore::loadEnabledProviders(store).contains(ProviderID::codex));
    }

    void usageErrors_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::newRow("unknown command") << QStringList{QStringLiteral("frobnicate")} << 2;
        QTest::newRow("unknown option") << QStringList{QStringLiteral("status"), QStringLiteral("--yaml")} << 2;
        QTest::newRow("unknown provider") << QStringList{QStringLiteral("connect"), QStringLiteral("gemini")} << 2;
        QTest::newRow("unknown format") << QStringList{"status", "--format", "yaml"} << 2;
        QTest::newRow("format without a value") << QStringList{"status", "--cached", "--format"} << 2;
        QTest::newRow("format with json") << QStringList{"status", "--json", "--format=waybar"} << 2;
        QTest::newRow("status of an unknown provider") << QStringList{"status", "--provider", "gemini"} << 2;
        QTest::newRow("a bar's line of one provider") << QStringList{"status", "--cached", "--format=i3blocks", "--provider=Claude"} << 0;
        QTest::newRow("framer") << QStringList{QStringLiteral("connect"), QStringLiteral("framer")} << 1;
        QTest::newRow("help") << QStringList{QStringLiteral("--help")} << 0;
        QTest::newRow("version") << QStringList{QStringLiteral("--version")} << 0;
    }

    void usageErrors()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        int exitStatus = -1;
        const QString output = run(arguments, &exitStatus);
        QCOMPARE(exitStatus, status);
        if (status == 2)
            QVERIFY(output.contains(QStringLiteral("Usage: quelta")));
    }

    // A command the stored figures cannot answer must reach the program that has the connectors.
    void commandsThatLoad_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("loads");
        QTest::newRow("status") << QStringList{"status"} << true;
        QTest::newRow("a bar's line") << QStringList{"status", "--format", "waybar", "--provider", "claude"} << true;
        QTest::newRow("a watch") << QStringList{"status", "--watch"} << true;
        QTest::newRow("cached") << QStringList{"status", "--json", "--cached"} << false;
        QTest::newRow("a cached bar's watch") << QStringList{"status", "--watch", "--format=polybar", "--cached"} << false;
        QTest::newRow("a usage error") << QStringList{"status", "--format", "yaml"} << false;
        QTest::newRow("connect") << QStringList{"connect", "claude"} << true;
        QTest::newRow("version") << QStringList{"--version"} << false;
        QTest::newRow("unknown command") << QStringList{"cached"} << false;
    }

    void commandsThatLoad()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, loads);
        QCOMPARE(commandLoadsAllowances(arguments), loads);
    }

    // No Claude Code to ask and no sign-in kept: the process that loads Claude and the one held
    // back by its spacing both say it needs connecting.
    void claudeWithoutItsToolNeedsConnectionInEveryProcess()
    {
        QTemporaryDir bare;
        if (ClaudeConnector::executablePath(ExecutableSearch{bare.path(), {}}))
            QSKIP("this machine has Claude Code installed");
        m_claudeHome = bare.path();
        const AccountSet enabled = allowanceStore::loadEnabledProviders(m_fixture.store);
        allowanceStore::saveEnabledProviders(m_fixture.store, {ProviderID::claudeCode});
        m_clock.advance(31min);
        for (const char *process : {"loading", "held back"}) {
            const QJsonObject report = QJsonDocument::fromJson(run({QStringLiteral("status"), QStringLiteral("--json")}).toUtf8()).object();
            QVERIFY2(providerNamed(report, QStringLiteral("claudeCode")).value(QStringLiteral("subtitle")) == QStringLiteral("Requires connection"),
                     process);
            m_clock.advance(10min);
        }
        m_claudeHome = m_fixture.home();
        allowanceStore::saveEnabledProviders(m_fixture.store, enabled);
    }
};

QTEST_GUILESS_MAIN(StatusCommandTest)
#include "StatusCommandTest.moc"
