#include "TelemetryTestSupport.h"
#include "SessionManager.h"
#include "SignalCache.h"
#include "SignalManager.h"
#include "TelemetryDeck.h"
#include "TelemetryManager.h"

#include <QJsonObject>
#include <QSettings>
#include <QTest>

using namespace quelta;
using namespace std::chrono_literals;
using namespace telemetrydeck;

class SessionManagerTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<test::ManualClock> m_clock;
    std::unique_ptr<TelemetryClockAdapter> m_adapter;
    std::unique_ptr<QSettings> m_store;
    QList<QPair<QString, Parameters>> m_sent;

    std::unique_ptr<SessionManager> makeSessions()
    {
        auto config = test::testConfiguration(QUrl(QStringLiteral("http://127.0.0.1:9/")), *m_dir, *m_adapter);
        return std::make_unique<SessionManager>(config, *m_store, [this](const QString &type, const Parameters &parameters) {
            m_sent.append({type, parameters});
        });
    }

private Q_SLOTS:
    void initTestCase() { qputenv("TZ", "UTC"); }

    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_clock = std::make_unique<test::ManualClock>();
        m_adapter = std::make_unique<TelemetryClockAdapter>(*m_clock);
        m_store = std::make_unique<QSettings>(m_dir->filePath(QStringLiteral("suite.ini")), QSettings::IniFormat);
        m_sent.clear();
    }

    void recordsWithTimesBeyondReachAreUnreadable()
    {
        QVERIFY(decodeSessions(R"([{"startedAt":1e300,"durationInSeconds":1}])").isEmpty());
        QVERIFY(decodeSessions(R"([{"startedAt":1765000000,"durationInSeconds":-1e20}])").isEmpty());
        QCOMPARE(decodeSessions(R"([{"startedAt":1765000000,"durationInSeconds":120}])").size(), 1);
        const auto cache = [](const char *receivedAt) {
            return QByteArray(R"([{"appID":"A","clientUser":"u","sessionID":"s","type":"t","isTestMode":"false","payload":{},"receivedAt":)")
                + receivedAt + "}]";
        };
        QCOMPARE(SignalCache::decode(cache("1.8e16")).size(), 0);
        QCOMPARE(SignalCache::decode(cache("818000000.5")).size(), 1);
    }

    void firstLaunchSignalsANewInstall()
    {
        auto sessions = makeSessions();
        sessions->startNewSession();
        QCOMPARE(m_sent.size(), 1);
        QCOMPARE(m_sent[0].first, QStringLiteral("TelemetryDeck.Acquisition.newInstallDetected"));
        QCOMPARE(m_sent[0].second.value(QStringLiteral("TelemetryDeck.Acquisition.firstSessionDate")), QStringLiteral("2026-03-01"));
        m_clock->advance(3s);
        const Parameters figures = sessions->retentionParameters();
        QCOMPARE(figures.value(QStringLiteral("TelemetryDeck.Retention.totalSessionsCount")), QStringLiteral("1"));
        QCOMPARE(figures.value(QStringLiteral("TelemetryDeck.Retention.averageSessionSeconds")), QStringLiteral("3"));
        QVERIFY(!figures.contains(QStringLiteral("TelemetryDeck.Retention.previousSessionSeconds")));

        // A second session on a later launch is no new install.
        auto later = makeSessions();
        later->startNewSession();
        QCOMPARE(m_sent.size(), 1);
    }

    void shortSessionsAreNotStored()
    {
        auto sessions = makeSessions();
        sessions->startNewSession();
        m_clock->advance(900ms);
        sessions->handleDidEnterBackground();
        QVERIFY(sessions->recentSessions().isEmpty());
        // Time in the background does not count.
        m_clock->advance(60s);
        sessions->handleWillEnterForeground();
        m_clock->advance(200ms);
        sessions->updateSessionDuration();
        QCOMPARE(sessions->recentSessions().size(), 1);
        QCOMPARE(sessions->recentSessions()[0].durationInSeconds, 1);
    }

    void oldSessionsArePrunedWithTheTotalKept()
    {
        {
            auto sessions = makeSessions();
            sessions->startNewSession();
            m_clock->advance(5s);
            sessions->handleDidEnterBackground();
        }
        m_clock->advance(std::chrono::hours(24 * 80));
        {
            auto sessions = makeSessions();
            sessions->startNewSession();
            m_clock->advance(7s);
            sessions->handleDidEnterBackground();
            const Parameters figures = sessions->retentionParameters();
            QCOMPARE(figures.value(QStringLiteral("TelemetryDeck.Retention.previousSessionSeconds")), QStringLiteral("5"));
            QCOMPARE(figures.value(QStringLiteral("TelemetryDeck.Retention.averageSessionSeconds")), QStringLiteral("5"));
        }
        m_clock->advance(std::chrono::hours(24 * 11));
        auto sessions = makeSessions();
        QCOMPARE(sessions->recentSessions().size(), 1);
        QCOMPARE(m_store->value(QStringLiteral("deletedSessionsCount")).toInt(), 1);
        QCOMPARE(sessions->retentionParameters().value(QStringLiteral("TelemetryDeck.Retention.totalSessionsCount")), QStringLiteral("2"));
        QCOMPARE(sessions->retentionParameters().value(QStringLiteral("TelemetryDeck.Retention.distinctDaysUsed")), QStringLiteral("3"));
        QCOMPARE(sessions->retentionParameters().value(QStringLiteral("TelemetryDeck.Retention.distinctDaysUsedLastMonth")), QStringLiteral("2"));
    }

    void aDayIsCountedOnce()
    {
        makeSessions();
        m_clock->advance(std::chrono::hours(3));
        auto sessions = makeSessions();
        QCOMPARE(m_store->value(QStringLiteral("distinctDaysUsed")).toStringList(), QStringList{QStringLiteral("2026-03-01")});
    }

    void clientSignalsTheNewInstallAndSessionStart()
    {
        test::IngestServer server;
        auto config = test::testConfiguration(server.baseURL(), *m_dir, *m_adapter);
        TelemetryDeck::initialize(config);
        m_clock->advance(500ms);
        QTRY_COMPARE(TelemetryDeck::currentManager()->signalManager().cache().count(), 2);
        TelemetryDeck::currentManager()->signalManager().appWillTerminate();
        TelemetryDeck::terminate();
    }
};

QTEST_GUILESS_MAIN(SessionManagerTest)
#include "SessionManagerTest.moc"
