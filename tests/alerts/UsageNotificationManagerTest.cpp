#include "ManualClock.h"
#include "TestFixture.h"
#include "RecordingNotificationCenter.h"
#include "alerts/UsageNotificationManager.h"
#include "core/ReferenceDate.h"
#include "platform/SettingsStore.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace quelta;
using Status = NotificationCenter::AuthorizationStatus;
Q_DECLARE_METATYPE(Status)
using namespace std::chrono_literals;

namespace {

// One refresh: the remaining percentage of ChatGPT's only limit, and when that limit resets
// (seconds from the refresh; negative for none), with a five-hour window.
struct Refresh {
    int remaining;
    double untilReset = -1;
};

ProviderAllowance chatGpt(const Refresh &refresh, const QDateTime &now)
{
    ProviderLimit limit;
    limit.id = QStringLiteral("codex-primary");
    limit.name = QStringLiteral("5-hour limit");
    limit.value = QString::number(refresh.remaining) + QLatin1Char('%');
    limit.percentage = refresh.remaining;
    if (refresh.untilReset >= 0) {
        limit.resetsAt = now.addSecs(qint64(refresh.untilReset));
        limit.windowDuration = 18000;
    }
    ProviderAllowance provider;
    provider.id = ProviderID::codex;
    provider.name = QStringLiteral("ChatGPT");
    provider.detail = QStringLiteral("Connected");
    provider.limits = {limit};
    provider.remaining = refresh.remaining;
    provider.connectionState = ConnectionState::connected;
    return provider;
}

} // namespace

Q_DECLARE_METATYPE(QList<Refresh>)

class UsageNotificationManagerTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::Fixture> m_fixture;
    std::unique_ptr<test::RecordingNotificationCenter> m_center;

    std::unique_ptr<UsageNotificationManager> makeManager()
    {
        return std::make_unique<UsageNotificationManager>(m_fixture->store, m_fixture->clock, *m_center);
    }

    // A manager with alerts switched on and permission granted.
    std::unique_ptr<UsageNotificationManager> enabledManager()
    {
        auto manager = makeManager();
        manager->configure({});
        manager->setNotificationsEnabled(true);
        QCoreApplication::processEvents();
        return manager;
    }

private Q_SLOTS:
    void init()
    {
        m_fixture = std::make_unique<test::Fixture>();
        m_center = std::make_unique<test::RecordingNotificationCenter>();
    }

    void firstLaunchDefaults()
    {
        auto manager = makeManager();
        QVERIFY(!manager->notificationsEnabled());
        QVERIFY(manager->rapidUsageEnabled() && manager->lowAllowanceEnabled() && manager->resetAlertsEnabled()
                && manager->disconnectedAlertsEnabled());
        QVERIFY(manager->samples().isEmpty() && manager->metricStates().isEmpty());
        QCOMPARE(manager->authorizationStatus(), UsageNotificationManager::AuthorizationStatus::notDetermined);
        QVERIFY(!manager->alertsBlockedBySystem());
    }

    void sequences_data()
    {
        QTest::addColumn<QList<Refresh>>("refreshes");
        QTest::addColumn<QStringList>("titles");
        const QString low = QStringLiteral("ChatGPT is running low");
        const QString out = QStringLiteral("ChatGPT is almost out");
        const QString reset = QStringLiteral("ChatGPT limit reset");
        const QString rising = QStringLiteral("ChatGPT usage is rising quickly");
        const QString ahead = QStringLiteral("ChatGPT usage is ahead of pace");
        QTest::newRow("first sight at 20") << QList<Refresh>{{20}} << QStringList{low};
        QTest::newRow("first sight at 8, then 25 never") << QList<Refresh>{{8}, {20}, {9}} << QStringList{out};
        QTest::newRow("30 to 8") << QList<Refresh>{{30}, {8}, {24}} << QStringList{out};
        QTest::newRow("26 to 25 to 22") << QList<Refresh>{{26}, {25}, {22}} << QStringList{low};
        QTest::newRow("5 to 12") << QList<Refresh>{{5}, {12}} << QStringList{out};
        QTest::newRow("reset by a jump re-arms the thresholds") << QList<Refresh>{{8}, {60}, {20}} << QStringList{out, reset, low};
        QTest::newRow("reset by crossing 95") << QList<Refresh>{{90}, {96}, {99}} << QStringList{reset};
        QTest::newRow("reset time moving later") << QList<Refresh>{{70, 9000}, {70, 14000}} << QStringList{reset};
        QTest::newRow("reset time moving earlier") << QList<Refresh>{{70, 17000}, {70, 100}} << QStringList{};
        // Half the window gone with 60 % used: at risk on every refresh, alerted on the second.
        QTest::newRow("ahead of pace on the second at-risk check") << QList<Refresh>{{40, 9000}, {40, 9000}, {40, 9000}}
                                                                   << QStringList{ahead};
        QTest::newRow("at risk, not at risk, at risk") << QList<Refresh>{{40, 9000}, {50, 9000}, {40, 9000}} << QStringList{};
        // A drop of 10 or more is the risk signal without a window; at 10 % the low alert wins.
        QTest::newRow("low alert first, rapid alert next time") << QList<Refresh>{{40}, {22}, {10}, {5}}
                                                                << QStringList{low, out, rising};
        QTest::newRow("plain rapid alert without a window") << QList<Refresh>{{80}, {69}, {58}, {47}} << QStringList{rising};
    }

    void sequences()
    {
        QFETCH(QList<Refresh>, refreshes);
        QFETCH(QStringList, titles);
        auto manager = enabledManager();
        for (const Refresh &refresh : refreshes) {
            manager->recordUsage(chatGpt(refresh, m_fixture->clock.now()));
            m_fixture->clock.advance(5min);
        }
        QCoreApplication::processEvents();
        QCOMPARE(m_center->titles(), titles);
    }

    void blockedDeliveryStillAdvancesState()
    {
        auto manager = enabledManager();
        manager->snooze(QStringLiteral("codex"));
        manager->recordUsage(chatGpt({20}, m_fixture->clock.now()));
        m_fixture->clock.advance(3601s);
        // The crossing was seen while snoozed: it is neither recorded nor repeated.
        manager->recordUsage(chatGpt({22}, m_fixture->clock.now()));
        QCOMPARE(manager->metricStates().value(QStringLiteral("codex:codex-primary")).deliveredLowThresholds, QSet<int>{});

        // Risk counted while snoozed still leads to the pace alert once delivery is possible.
        manager->recordUsage(chatGpt({40, 9000}, m_fixture->clock.now()));
        manager->snooze(QStringLiteral("codex"));
        m_fixture->clock.advance(5min);
        manager->recordUsage(chatGpt({40, 9000}, m_fixture->clock.now()));
        m_fixture->clock.advance(3601s - 5min);
        manager->recordUsage(chatGpt({40, 9000}, m_fixture->clock.now()));
        QCoreApplication::processEvents();
        QCOMPARE(m_center->titles(), QStringList{QStringLiteral("ChatGPT usage is ahead of pace")});
    }

    void switchedOffKindsPostNothing()
    {
        auto manager = enabledManager();
        manager->setLowAllowanceEnabled(false);
        manager->recordUsage(chatGpt({20}, m_fixture->clock.now()));
        QCoreApplication::processEvents();
        QVERIFY(m_center->posted.isEmpty());
        QCOMPARE(m_fixture->store.boolValue(QLatin1String(UsageNotificationManager::lowAllowanceKey)), false);
        QVERIFY(!makeManager()->lowAllowanceEnabled());
    }

    void disconnectionAndOtherStates()
    {
        auto manager = enabledManager();
        ProviderAllowance gone = chatGpt({50}, m_fixture->clock.now());
        gone.connectionState = ConnectionState::needsConnection;
        manager->recordUsage(gone);
        QVERIFY(manager->samples().isEmpty() && manager->metricStates().isEmpty());
        manager->providerDidDisconnect(gone);
        QCoreApplication::processEvents();
        QCOMPARE(m_center->titles(), QStringList{QStringLiteral("ChatGPT disconnected")});
        QCOMPARE(m_center->posted[0].userInfo.value(QStringLiteral("providerID")).toString(), QStringLiteral("codex"));
        QVERIFY(m_center->posted[0].identifier.startsWith(QLatin1String("quelta-usage-")));
        QCOMPARE(m_center->posted[0].identifier, m_center->posted[0].identifier.toUpper().replace(QLatin1String("QUELTA-USAGE-"), QLatin1String("quelta-usage-")));
    }

    void historyIsPrunedAfterTwoHours()
    {
        auto manager = enabledManager();
        manager->recordUsage(chatGpt({90}, m_fixture->clock.now()));
        m_fixture->clock.advance(7200s);
        manager->recordUsage(chatGpt({90}, m_fixture->clock.now()));
        QCOMPARE(manager->samples().size(), 2);
        m_fixture->clock.advance(1s);
        manager->recordUsage(chatGpt({90}, m_fixture->clock.now()));
        QCOMPARE(manager->samples().size(), 2);
    }

    void persistenceSurvivesANewManager()
    {
        {
            auto manager = enabledManager();
            manager->recordUsage(chatGpt({20, 9000}, m_fixture->clock.now()));
            manager->snooze(QStringLiteral("claudeCode"));
        }
        auto again = makeManager();
        QCOMPARE(again->samples().size(), 1);
        QCOMPARE(again->samples()[0].remaining, 20);
        QCOMPARE(again->samples()[0].timestamp, m_fixture->clock.now());
        const MetricState state = again->metricStates().value(QStringLiteral("codex:codex-primary"));
        QCOMPARE(state.lastRemaining, 20);
        QCOMPARE(state.deliveredLowThresholds, QSet<int>{25});
        QCOMPARE(again->snoozedUntil().value(QStringLiteral("claudeCode")), m_fixture->clock.now().addSecs(3600));

        // Dates count from 2001-01-01.
        const QJsonObject snoozes = QJsonDocument::fromJson(*m_fixture->store.dataValue(QLatin1String(UsageNotificationManager::snoozesKey))).object();
        QCOMPARE(snoozes.value(QStringLiteral("claudeCode")).toDouble(), secondsSinceReferenceDate(m_fixture->clock.now().addSecs(3600)));
    }

    void storedStates_data()
    {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("count");
        QTest::newRow("optional keys missing") << QByteArray(R"({"codex:x":{"deliveredLowThresholds":[25],"lastRemaining":20}})") << 1;
        QTest::newRow("without thresholds") << QByteArray(R"({"codex:x":{"deliveredLowThresholds":[]},"codex:y":{"lastRemaining":20}})") << 0;
        QTest::newRow("wrong type") << QByteArray(R"({"codex:x":{"deliveredLowThresholds":[],"deliveredPaceAlert":1}})") << 0;
        QTest::newRow("corrupt") << QByteArray("{nope") << 0;
    }

    void storedStates()
    {
        QFETCH(QByteArray, stored);
        QFETCH(int, count);
        m_fixture->store.setData(QLatin1String(UsageNotificationManager::metricStatesKey), stored);
        auto manager = makeManager();
        QCOMPARE(manager->metricStates().size(), count);
        if (count == 1) {
            const MetricState state = manager->metricStates().value(QStringLiteral("codex:x"));
            QVERIFY(!state.deliveredPaceAlert && !state.consecutiveRiskChecks && !state.consecutiveRecoveryChecks);
        }
    }

    void switchOnThenOffBeforeTheAnswer()
    {
        m_center->holdsPermissionAnswer = true;
        auto manager = makeManager();
        QSignalSpy restarts(manager.get(), &UsageNotificationManager::refreshLoopRestartRequested);
        manager->setNotificationsEnabled(true);
        QVERIFY(manager->notificationsEnabled());
        manager->setNotificationsEnabled(false);
        m_center->answerPermission();
        QCoreApplication::processEvents();
        QVERIFY(!manager->notificationsEnabled());
        QCOMPARE(m_fixture->store.boolValue(QLatin1String(UsageNotificationManager::enabledKey)), false);
        QCOMPARE(restarts.size(), 1);
    }

    void permissionAnswers_data()
    {
        QTest::addColumn<bool>("granted");
        QTest::addColumn<Status>("status");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("granted") << true << Status::authorized << true;
        QTest::newRow("denied") << false << Status::denied << false;
        QTest::newRow("refused but provisional") << false << Status::provisional << true;
        QTest::newRow("refused, not determined") << false << Status::notDetermined << false;
    }

    void permissionAnswers()
    {
        QFETCH(bool, granted);
        QFETCH(Status, status);
        QFETCH(bool, enabled);
        m_center->grantsPermission = granted;
        m_center->settings.authorizationStatus = status;
        auto manager = makeManager();
        manager->setNotificationsEnabled(true);
        QCoreApplication::processEvents();
        QCOMPARE(manager->notificationsEnabled(), enabled);
        QCOMPARE(m_fixture->store.boolValue(QLatin1String(UsageNotificationManager::enabledKey)), enabled);
    }

    void bannersOffBlockDelivery()
    {
        auto manager = enabledManager();
        m_center->settings.alertsEnabled = false;
        manager->refreshAuthorizationStatus();
        QCoreApplication::processEvents();
        QVERIFY(manager->notificationsEnabled());
        QVERIFY(manager->alertsBlockedBySystem());
        QVERIFY(!manager->canDeliver(ProviderID::codex, m_fixture->clock.now()));
    }

    void snoozeIsPerProviderAndRestarts()
    {
        auto manager = enabledManager();
        manager->snooze(QStringLiteral("codex"));
        m_fixture->clock.advance(30min);
        manager->snooze(QStringLiteral("codex"));
        m_fixture->clock.advance(59min);
        QVERIFY(!manager->canDeliver(ProviderID::codex, m_fixture->clock.now()));
        QVERIFY(manager->canDeliver(ProviderID::framer, m_fixture->clock.now()));
        m_fixture->clock.advance(1min);
        QVERIFY(manager->canDeliver(ProviderID::codex, m_fixture->clock.now()));
    }

    // The default account keeps what an earlier version stored under the bare provider; a
    // named account alerts, snoozes and remembers on its own.
    void accountsAlertApart_data()
    {
        QTest::addColumn<QString>("snoozed");
        QTest::addColumn<QStringList>("titles");
        const QString personal = QStringLiteral("ChatGPT · personal is running low");
        QTest::newRow("nothing snoozed") << QString() << QStringList{personal};
        QTest::newRow("default snoozed") << QStringLiteral("codex") << QStringList{personal};
        QTest::newRow("named snoozed") << QStringLiteral("codex:personal") << QStringList{};
    }

    void accountsAlertApart()
    {
        QFETCH(QString, snoozed);
        QFETCH(QStringList, titles);
        m_fixture->store.setData(QLatin1String(UsageNotificationManager::metricStatesKey),
                                 R"({"codex:codex-primary":{"deliveredLowThresholds":[25],"lastRemaining":22}})");
        auto manager = enabledManager();
        if (!snoozed.isEmpty())
            manager->snooze(snoozed);
        manager->recordUsage(chatGpt({20}, m_fixture->clock.now()));
        manager->recordUsage(chatGpt({20}, m_fixture->clock.now()).forAccount(QStringLiteral("personal")));
        QCoreApplication::processEvents();
        QCOMPARE(m_center->titles(), titles);
        QCOMPARE(manager->metricStates().value(QStringLiteral("codex:personal:codex-primary")).lastRemaining, 20);
        QCOMPARE(manager->metricStates().value(QStringLiteral("codex:codex-primary")).deliveredLowThresholds, QSet<int>{25});
        if (!titles.isEmpty())
            QCOMPARE(m_center->posted[0].userInfo.value(QStringLiteral("providerID")), QVariant(QStringLiteral("codex:personal")));
    }

    void agesCountInMilliseconds()
    {
        auto manager = enabledManager();
        manager->recordUsage(chatGpt({80}, m_fixture->clock.now()));
        m_fixture->clock.advance(1'800'500ms);
        // 80 → 69 over just more than the 1,800 s window is no quick rise.
        manager->recordUsage(chatGpt({69}, m_fixture->clock.now()));
        QCOMPARE(manager->metricStates().value(QStringLiteral("codex:codex-primary")).consecutiveRiskChecks, 0);
        m_fixture->clock.advance(5'400'000ms);
        manager->recordUsage(chatGpt({69}, m_fixture->clock.now()));
        // The first sample is 7,200.5 s old: gone from the history.
        QCOMPARE(manager->samples().size(), 2);
    }

    void serverStartingAfterQueltaLosesNoAlert()
    {
        m_fixture->store.setBool(QLatin1String(UsageNotificationManager::enabledKey), true);
        m_center->settings.authorizationStatus = NotificationCenter::AuthorizationStatus::notDetermined;
        m_center->failsDelivery = true;
        auto manager = makeManager();
        manager->configure({});

        // Still no server: the alert is tried, and its failure reported.
        manager->recordUsage(chatGpt({20}, m_fixture->clock.now()));
        QTRY_VERIFY(manager->lastDeliveryError().has_value());

        // The server appears and says so.
        m_center->settings.authorizationStatus = NotificationCenter::AuthorizationStatus::authorized;
        m_center->failsDelivery = false;
        Q_EMIT m_center->serviceChanged();
        QTRY_COMPARE(manager->authorizationStatus(), NotificationCenter::AuthorizationStatus::authorized);
        manager->recordUsage(chatGpt({8}, m_fixture->clock.now()));
        QTRY_COMPARE(m_center->titles(), QStringList{QStringLiteral("ChatGPT is almost out")});
    }

    void permissionIsReadAgainBeforePosting()
    {
        m_fixture->store.setBool(QLatin1String(UsageNotificationManager::enabledKey), true);
        m_center->settings.authorizationStatus = NotificationCenter::AuthorizationStatus::notDetermined;
        auto manager = makeManager();
        manager->configure({});
        QCoreApplication::processEvents();
        // The server came up unannounced.
        m_center->settings.authorizationStatus = NotificationCenter::AuthorizationStatus::authorized;
        manager->recordUsage(chatGpt({20}, m_fixture->clock.now()));
        QTRY_COMPARE(m_center->titles(), QStringList{QStringLiteral("ChatGPT is running low")});
        QCOMPARE(manager->authorizationStatus(), NotificationCenter::AuthorizationStatus::authorized);
    }

    void failedDeliveryIsReported()
    {
        auto manager = enabledManager();
        m_center->failsDelivery = true;
        manager->recordUsage(chatGpt({20}, m_fixture->clock.now()));
        QCoreApplication::processEvents();
        QCOMPARE(manager->lastDeliveryError(),
                 QStringLiteral("Quelta couldn’t deliver alerts. Check Notifications in System Settings."));
        m_center->failsDelivery = false;
        manager->recordUsage(chatGpt({8}, m_fixture->clock.now()));
        QCoreApplication::processEvents();
        QCOMPARE(manager->lastDeliveryError(), std::nullopt);
    }
};

QTEST_GUILESS_MAIN(UsageNotificationManagerTest)
#include "UsageNotificationManagerTest.moc"
