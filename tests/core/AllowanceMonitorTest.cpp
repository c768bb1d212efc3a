#include "ManualClock.h"
#include "TestFixture.h"
#include "WaitFor.h"
#include "MonitorTestSupport.h"
#include "core/AllowanceStore.h"
#include "core/ProviderConnectorError.h"
#include "core/ProviderLoadResult.h"
#include "core/ReferenceDate.h"
#include "platform/SettingsStore.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace quelta;
using namespace std::chrono_literals;
using Kind = ProviderConnectorError::Kind;

Q_DECLARE_METATYPE(std::optional<double>)

namespace {

std::function<ProviderAllowance()> answer(ProviderAllowance allowance)
{
    return [allowance] { return allowance; };
}

std::function<ProviderAllowance()> failing(ProviderConnectorError error)
{
    return [error]() -> ProviderAllowance { throw error; };
}

} // namespace

class AllowanceMonitorTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::Fixture> m_fixture;
    std::unique_ptr<test::ScriptedLoads> m_loads;
    test::RecordingAnalytics m_analytics;
    test::RecordingAlerts m_alerts;

    std::unique_ptr<AllowanceMonitor> makeMonitor(bool substitute = true)
    {
        AllowanceMonitor::Dependencies services{
            .connectors = m_loads->loader(), .isSubstituteLoader = substitute, .alerts = &m_alerts, .analytics = &m_analytics};
        return std::make_unique<AllowanceMonitor>(m_fixture->store, m_fixture->clock, services);
    }

    void authorize(const QList<ProviderID> &ids)
    {
        allowanceStore::saveAuthorizedProviders(m_fixture->store, AccountSet(ids.begin(), ids.end()));
    }

    void finish(AllowanceMonitor &monitor) { QTRY_VERIFY(!monitor.isRefreshing()); }

    static ProviderAllowance recordOf(const AllowanceMonitor &monitor, ProviderID id)
    {
        for (const ProviderAllowance &provider : monitor.providers()) {
            if (provider.id == id)
                return provider;
        }
        return {};
    }

private Q_SLOTS:
    void init()
    {
        m_fixture = std::make_unique<test::Fixture>();
        m_loads = std::make_unique<test::ScriptedLoads>();
        m_analytics = {};
        m_alerts = {};
        for (ProviderID id : displayOrder)
            m_loads->answers.insert(id, answer(test::connectedAllowance(id, 50)));
    }

    void firstLaunchWithoutState()
    {
        auto monitor = makeMonitor();
        QCOMPARE(monitor->providers().size(), 3);
        for (const ProviderAllowance &provider : monitor->providers())
            QCOMPARE(provider.connectionState, ConnectionState::needsConnection);
        monitor->refresh(true);
        QVERIFY(m_loads->calls.isEmpty());
        QVERIFY(!monitor->isRefreshing());
        QCOMPARE(monitor->statusText(), QStringLiteral("Not updated yet"));

        authorize({ProviderID::codex});
        auto authorized = makeMonitor();
        QCOMPARE(recordOf(*authorized, ProviderID::codex).connectionState, ConnectionState::loading);
        authorized->refresh(false);
        finish(*authorized);
        QCOMPARE(m_loads->calls, QList<AccountID>{ProviderID::codex});
        QCOMPARE(recordOf(*authorized, ProviderID::codex).remaining, 50);
        QCOMPARE(authorized->statusText(), QStringLiteral("Updated just now"));
        QCOMPARE(m_analytics.firstConnections, 1);
    }

    void cachedSnapshotsAtLaunch()
    {
        authorize({ProviderID::codex, ProviderID::claudeCode});
        const QDateTime now = m_fixture->clock.now();
        const auto snapshot = [](ProviderID id, int remaining, const QDateTime &savedAt) {
            return allowanceStore::makeSnapshot(test::connectedAllowance(id, remaining), savedAt).toJson();
        };
        const QJsonArray stored{snapshot(ProviderID::codex, 10, now.addSecs(-300)), snapshot(ProviderID::codex, 20, now.addSecs(-100)),
                                snapshot(ProviderID::claudeCode, 30, now.addSecs(-50)),
                                snapshot(ProviderID::framer, 40, now.addSecs(-10)),
                                snapshot(ProviderID::claudeCode, 99, now.addSecs(120))};
        m_fixture->store.setData(QLatin1String(allowanceStore::snapshotsKey), QJsonDocument(stored).toJson());

        auto monitor = makeMonitor();
        QCOMPARE(recordOf(*monitor, ProviderID::codex).remaining, 20);
        QCOMPARE(recordOf(*monitor, ProviderID::claudeCode).remaining, 30);
        // Framer is not authorized: its snapshot is not shown.
        QCOMPARE(recordOf(*monitor, ProviderID::framer).connectionState, ConnectionState::needsConnection);
        QCOMPARE(monitor->staleProviderIDs(), (AccountSet{ProviderID::codex, ProviderID::claudeCode}));
        QCOMPARE(monitor->lastUpdated(), now.addSecs(-100));
        QVERIFY(m_analytics.observed);
    }

    void claudeIsSpacedThirtyMinutesEvenWhenAsked()
    {
        authorize({ProviderID::codex, ProviderID::claudeCode});
        auto monitor = makeMonitor();
        monitor->refresh(true);
        finish(*monitor);
        m_loads->calls.clear();
        m_fixture->clock.advance(29min);
        monitor->refresh(true);
        finish(*monitor);
        QCOMPARE(m_loads->calls, QList<AccountID>{ProviderID::codex});
        m_fixture->clock.advance(1min);
        m_loads->calls.clear();
        monitor->refresh(true);
        finish(*monitor);
        QCOMPARE(m_loads->calls, (QList<AccountID>{ProviderID::codex, ProviderID::claudeCode}));
        QCOMPARE(m_analytics.manualResults, (QList<RefreshResult>{RefreshResult::success, RefreshResult::success, RefreshResult::success}));
    }

    void nothingDueSendsNothing()
    {
        authorize({ProviderID::claudeCode});
        allowanceStore::saveEnabledProviders(m_fixture->store, {ProviderID::claudeCode});
        auto monitor = makeMonitor();
        monitor->refresh(true);
        finish(*monitor);
        m_fixture->clock.advance(10min);
        monitor->refresh(true);
        QVERIFY(!monitor->isRefreshing());
        QVERIFY(!monitor->lastRefreshFailed());
        QCOMPARE(m_analytics.manualResults.size(), 1);
    }

    void rateLimitDelays_data()
    {
        QTest::addColumn<int>("provider");
        QTest::addColumn<std::optional<double>>("suggested");
        QTest::addColumn<int>("retrySeconds");
        QTest::newRow("5 s on Claude") << int(ProviderID::claudeCode) << std::optional(5.0) << 1800;
        QTest::newRow("10 days on ChatGPT") << int(ProviderID::codex) << std::optional(864000.0) << 60;
        QTest::newRow("none on Framer") << int(ProviderID::framer) << std::optional<double>() << 60;
        QTest::newRow("two hours on ChatGPT") << int(ProviderID::codex) << std::optional(7200.0) << 7200;
    }

    void rateLimitDelays()
    {
        QFETCH(int, provider);
        QFETCH(std::optional<double>, suggested);
        QFETCH(int, retrySeconds);
        const ProviderID id = ProviderID(provider);
        authorize({id});
        m_loads->answers.insert(id, failing(ProviderConnectorError::rateLimited(suggested)));
        auto monitor = makeMonitor();
        monitor->refresh(false);
        finish(*monitor);
        QCOMPARE(monitor->retryDates().value(id), m_fixture->clock.now().addSecs(retrySeconds));
        QCOMPARE(recordOf(*monitor, id).detail, QStringLiteral("Temporarily rate limited"));

        // Honoured after a restart, until the date has passed.
        m_loads->calls.clear();
        auto restarted = makeMonitor();
        QCOMPARE(recordOf(*restarted, id).detail, QStringLiteral("Temporarily rate limited"));
        QVERIFY(restarted->statusText().contains(QStringLiteral(" checks again in ")));
        m_fixture->clock.advance(std::chrono::seconds(retrySeconds - 1));
        restarted->refresh(true);
        QVERIFY(m_loads->calls.isEmpty());
        m_fixture->clock.advance(1s);
        m_loads->answers.insert(id, answer(test::connectedAllowance(id, 70)));
        restarted->refresh(true);
        finish(*restarted);
        QCOMPARE(m_loads->calls, QList<AccountID>{id});
        QVERIFY(restarted->retryDates().isEmpty());
    }

    void connectedProviderThatTimesOutKeepsItsFigures()
    {
        authorize({ProviderID::codex, ProviderID::framer});
        auto monitor = makeMonitor();
        monitor->refresh(false);
        finish(*monitor);
        m_loads->answers.insert(ProviderID::codex, failing(ProviderConnectorError(Kind::timedOut)));
        monitor->refresh(false);
        finish(*monitor);
        QCOMPARE(recordOf(*monitor, ProviderID::codex).remaining, 50);
        QVERIFY(monitor->staleProviderIDs().contains(ProviderID::codex));
        QVERIFY(!monitor->refreshIssues().contains(ProviderID::codex));
        QVERIFY(monitor->lastRefreshFailed());
        QCOMPARE(monitor->statusText(), QStringLiteral("Refresh incomplete · Try again"));
        QCOMPARE(m_analytics.backgroundResults, (QList<RefreshResult>{RefreshResult::success, RefreshResult::partial}));
    }

    void expiredClaudeAccessNamesTheIssue()
    {
        authorize({ProviderID::claudeCode});
        auto monitor = makeMonitor();
        monitor->refresh(false);
        finish(*monitor);
        m_fixture->clock.advance(31min);
        m_loads->answers.insert(ProviderID::claudeCode, failing(ProviderConnectorError(Kind::usageAccessExpired)));
        monitor->refresh(false);
        finish(*monitor);
        QCOMPARE(recordOf(*monitor, ProviderID::claudeCode).connectionState, ConnectionState::connected);
        QCOMPARE(monitor->refreshIssues().value(ProviderID::claudeCode), QStringLiteral("Open Claude Code to renew access"));
    }

    void errorsBecomeRecords_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("detail");
        QTest::addColumn<int>("state");
        QTest::newRow("connection required") << int(Kind::connectionRequired) << QStringLiteral("Requires connection") << int(ConnectionState::needsConnection);
        QTest::newRow("tool missing") << int(Kind::executableMissing) << QStringLiteral("Requires connection") << int(ConnectionState::needsConnection);
        QTest::newRow("free plan") << int(Kind::unsupportedPlan) << QStringLiteral("Claude Free doesn’t include Claude Code") << int(ConnectionState::unsupported);
        QTest::newRow("process failed") << int(Kind::processFailed) << QStringLiteral("Allowance unavailable") << int(ConnectionState::unavailable);
    }

    void errorsBecomeRecords()
    {
        QFETCH(int, kind);
        QFETCH(QString, detail);
        QFETCH(int, state);
        const ProviderLoadResult result =
            loadResultForError(ProviderID::claudeCode, std::make_exception_ptr(ProviderConnectorError(Kind(kind))));
        QCOMPARE(result.provider.detail, detail);
        QCOMPARE(int(result.provider.connectionState), state);
        QVERIFY(!result.retryAfter);
        const ProviderLoadResult other =
            loadResultForError(ProviderID::codex, std::make_exception_ptr(std::runtime_error("boom")));
        QCOMPARE(other.provider.detail, QStringLiteral("Allowance unavailable"));
    }

    void disconnectionDropsTheSnapshotAndTellsTheAlerts()
    {
        authorize({ProviderID::codex});
        auto monitor = makeMonitor(false);
        monitor->refresh(false);
        finish(*monitor);
        QCOMPARE(m_alerts.recorded, QList<ProviderID>{ProviderID::codex});
        m_loads->answers.insert(ProviderID::codex, failing(ProviderConnectorError(Kind::connectionRequired)));
        monitor->refresh(false);
        finish(*monitor);
        QCOMPARE(m_alerts.disconnected, QList<ProviderID>{ProviderID::codex});
        QVERIFY(allowanceStore::loadSnapshots(m_fixture->store, m_fixture->clock.now()).isEmpty());
    }

    void substituteLoaderSilencesTheAlerts()
    {
        authorize({ProviderID::codex});
        auto monitor = makeMonitor(true);
        monitor->refresh(false);
        finish(*monitor);
        QVERIFY(m_alerts.recorded.isEmpty());
    }

    void manualClickDuringABackgroundRefresh()
    {
        authorize({ProviderID::codex});
        m_loads->holds = true;
        auto monitor = makeMonitor();
        monitor->refresh(false);
        QVERIFY(monitor->isRefreshing());
        QCOMPARE(monitor->statusText(), QStringLiteral("Checking allowances"));
        monitor->refresh(true);
        QCOMPARE(monitor->statusText(), QStringLiteral("Updating…"));
        QCOMPARE(m_loads->calls.size(), 1);
        m_loads->release();
        finish(*monitor);
        QCOMPARE(m_analytics.manualResults, QList<RefreshResult>{RefreshResult::success});
        QCOMPARE(m_analytics.backgroundResults, QList<RefreshResult>{RefreshResult::success});
    }

    void lastEnabledProviderStays()
    {
        allowanceStore::saveEnabledProviders(m_fixture->store, {ProviderID::framer});
        auto monitor = makeMonitor();
        const auto storedBytes = [this] {
            QFile file(m_fixture->store.filePath());
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        const QByteArray before = storedBytes();
        monitor->setProvider(ProviderID::framer, false);
        QCOMPARE(monitor->enabledProviderIDs(), AccountSet{ProviderID::framer});
        QCOMPARE(storedBytes(), before);

        monitor->setProvider(ProviderID::codex, true);
        monitor->setProvider(ProviderID::framer, false);
        QCOMPARE(allowanceStore::loadEnabledProviders(m_fixture->store), AccountSet{ProviderID::codex});
    }

    void aFailedSaveShowsUntilASaveSucceeds()
    {
        auto monitor = makeMonitor();
        QSignalSpy announced(monitor.get(), &AllowanceMonitor::refreshStateChanged);
        // A directory in the file's place: no write can replace it.
        QVERIFY(QDir().mkpath(m_fixture->store.filePath()));
        monitor->setClaudeTrackedLimit(ClaudeTrackedLimit::fiveHour);
        QVERIFY(monitor->lastSaveFailed());
        QCOMPARE(monitor->statusText(), QStringLiteral("Couldn’t save settings"));
        QCOMPARE(announced.count(), 1);

        QVERIFY(QDir().rmdir(m_fixture->store.filePath()));
        monitor->setClaudeTrackedLimit(ClaudeTrackedLimit::weeklyFable5);
        QCOMPARE(monitor->statusText(), QStringLiteral("Not updated yet"));
        QCOMPARE(announced.count(), 2);
        QCOMPARE(allowanceStore::loadClaudeTrackedLimit(m_fixture->store), ClaudeTrackedLimit::weeklyFable5);
    }

    void resultsForADisabledProviderAreDropped()
    {
        authorize({ProviderID::codex, ProviderID::framer});
        m_loads->holds = true;
        auto monitor = makeMonitor();
        monitor->refresh(false);
        monitor->setProvider(ProviderID::codex, false);
        m_loads->release();
        finish(*monitor);
        QCOMPARE(recordOf(*monitor, ProviderID::codex).connectionState, ConnectionState::loading);
        QCOMPARE(recordOf(*monitor, ProviderID::framer).connectionState, ConnectionState::connected);
    }

    void connectClearsBackoffAndSpacing()
    {
        authorize({ProviderID::claudeCode});
        m_loads->answers.insert(ProviderID::claudeCode, failing(ProviderConnectorError::rateLimited(600)));
        auto monitor = makeMonitor();
        monitor->refresh(false);
        finish(*monitor);
        QVERIFY(monitor->retryDates().contains(ProviderID::claudeCode));
        m_loads->answers.insert(ProviderID::claudeCode, answer(test::connectedAllowance(ProviderID::claudeCode, 80)));
        monitor->beginConnecting(ProviderID::claudeCode);
        QCOMPARE(monitor->connectionAttemptState(ProviderID::claudeCode), ProviderConnectionAttemptState::connecting);
        // Nothing polls: the answer alone ends the wait, without the clock moving.
        QVERIFY(test::waitFor(monitor->connect(ProviderID::claudeCode)));
        QCOMPARE(recordOf(*monitor, ProviderID::claudeCode).remaining, 80);
        // The attempt's load leaves the attempt to its caller.
        QCOMPARE(monitor->connectionAttemptState(ProviderID::claudeCode), ProviderConnectionAttemptState::connecting);
        monitor->finishConnecting(ProviderID::claudeCode, true);
        QCOMPARE(monitor->connectionAttemptState(ProviderID::claudeCode), ProviderConnectionAttemptState::idle);
    }

    void connectForgetsBackoffAlsoOnDisk()
    {
        // An existing sign-in tried before the provider counts as connected: nothing loads, yet
        // the next launch must not hold it back either.
        allowanceStore::saveDates(m_fixture->store, {{ProviderID::codex, m_fixture->clock.now().addSecs(600)}},
                                  allowanceStore::retryDatesKey);
        allowanceStore::saveDates(m_fixture->store, {{ProviderID::codex, m_fixture->clock.now()}}, allowanceStore::lastAttemptDatesKey);
        auto monitor = makeMonitor();
        QVERIFY(!test::waitFor(monitor->connect(ProviderID::codex)));
        QVERIFY(monitor->retryDates().isEmpty());
        QVERIFY(allowanceStore::loadDates(m_fixture->store, allowanceStore::retryDatesKey).isEmpty());
        QVERIFY(allowanceStore::loadDates(m_fixture->store, allowanceStore::lastAttemptDatesKey).isEmpty());
    }

    void providersNotDueAreNoFailureAndSpacingHoldsAcrossProcesses_data()
    {
        QTest::addColumn<bool>("claudeConnects");
        QTest::addColumn<QString>("status");
        QTest::newRow("Claude connected") << true << QStringLiteral("Updated 10m ago");
        QTest::newRow("Claude failing") << false << QStringLiteral("Updated just now");
    }

    void providersNotDueAreNoFailureAndSpacingHoldsAcrossProcesses()
    {
        QFETCH(bool, claudeConnects);
        QFETCH(QString, status);
        authorize({ProviderID::codex, ProviderID::claudeCode});
        if (!claudeConnects)
            m_loads->answers.insert(ProviderID::claudeCode, failing(ProviderConnectorError(Kind::invalidResponse)));
        {
            auto earlier = makeMonitor();
            earlier->refresh(false);
            finish(*earlier);
        }
        m_fixture->clock.advance(10min);
        m_loads->calls.clear();

        auto monitor = makeMonitor();
        QVERIFY(recordOf(*monitor, ProviderID::claudeCode).connectionState != ConnectionState::loading);
        monitor->refresh(true);
        finish(*monitor);
        QCOMPARE(m_loads->calls, QList<AccountID>{ProviderID::codex});
        QVERIFY(!monitor->lastRefreshFailed());
        QCOMPARE(monitor->statusText(), status);

        m_fixture->clock.advance(20min);
        monitor->refresh(false);
        finish(*monitor);
        QVERIFY(m_loads->calls.contains(ProviderID::claudeCode));
    }

    void datesFromTheFutureCountAsAbsent_data()
    {
        QTest::addColumn<double>("attemptAhead");
        QTest::addColumn<double>("retryAhead");
        QTest::newRow("attempt a day ahead") << 86'400.0 << -1.0;
        QTest::newRow("retry beyond the longest delay") << -1.0 << 30.0 * 86'400;
        QTest::newRow("infinite retry") << -1.0 << qInf();
        QTest::newRow("retry past year 9999") << -1.0 << 1e17;
    }

    void datesFromTheFutureCountAsAbsent()
    {
        QFETCH(double, attemptAhead);
        QFETCH(double, retryAhead);
        authorize({ProviderID::claudeCode});
        const double now = secondsSince1970(m_fixture->clock.now());
        const auto store = [&](const char *key, double ahead) {
            if (ahead > 0)
                m_fixture->store.setDictionary(QLatin1String(key), {{QStringLiteral("claudeCode"), now + ahead}});
        };
        store(allowanceStore::lastAttemptDatesKey, attemptAhead);
        store(allowanceStore::retryDatesKey, retryAhead);
        // Figures from an hour ago: no first load, so only the dates decide.
        allowanceStore::persistSnapshots(m_fixture->store, {{ProviderID::claudeCode,
                                                     allowanceStore::makeSnapshot(test::connectedAllowance(ProviderID::claudeCode, 50),
                                                                                  m_fixture->clock.now().addSecs(-3600))}});

        auto monitor = makeMonitor();
        QVERIFY(monitor->retryDates().isEmpty());
        monitor->refresh(false);
        finish(*monitor);
        QCOMPARE(m_loads->calls, QList<AccountID>{ProviderID::claudeCode});
    }

    void loopIntervals()
    {
        auto monitor = makeMonitor();
        QCOMPARE(monitor->automaticRefreshInterval(), 900s);
        monitor->noteInteraction();
        QCOMPARE(monitor->automaticRefreshInterval(), 120s);
        m_fixture->clock.advance(601s);
        QCOMPARE(monitor->automaticRefreshInterval(), 300s);
        m_fixture->clock.advance(3000s);
        QCOMPARE(monitor->automaticRefreshInterval(), 900s);
        m_alerts.frequent = true;
        monitor->noteInteraction();
        QCOMPARE(monitor->automaticRefreshInterval(), 300s);
    }

    void loopRefreshesOnItsInterval()
    {
        authorize({ProviderID::codex});
        auto monitor = makeMonitor();
        monitor->scheduleAutomaticRefresh();
        monitor->noteInteraction();
        m_fixture->clock.advance(119s);
        QVERIFY(m_loads->calls.isEmpty());
        m_fixture->clock.advance(1s);
        QTRY_COMPARE(m_loads->calls.size(), 1);
        finish(*monitor);
        m_fixture->clock.advance(120s);
        QTRY_COMPARE(m_loads->calls.size(), 2);
    }
};

QTEST_GUILESS_MAIN(AllowanceMonitorTest)
#include "AllowanceMonitorTest.moc"
