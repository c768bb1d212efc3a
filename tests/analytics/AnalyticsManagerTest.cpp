#include "TelemetryTestSupport.h"
#include "analytics/AnalyticsManager.h"
#include "platform/SettingsStore.h"
#include "SignalManager.h"
#include "TelemetryDeck.h"
#include "TelemetryManager.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QFile>
#include <QTest>

#include <sys/stat.h>

using namespace quelta;
using namespace std::chrono_literals;

namespace {

QString describe(const QueltaAnalyticsEvent &event)
{
    QStringList parts{event.name()};
    const QMap<QString, QString> parameters = event.parameters();
    for (auto it = parameters.begin(); it != parameters.end(); ++it)
        parts << it.key() + QLatin1Char('=') + it.value();
    return parts.join(QLatin1Char(' '));
}

} // namespace

class AnalyticsManagerTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<SettingsStore> m_store;
    std::unique_ptr<test::ManualClock> m_clock;
    QStringList m_events;

    std::unique_ptr<AnalyticsManager> withSender()
    {
        return std::make_unique<AnalyticsManager>(*m_store, *m_clock, AnalyticsManager::TelemetrySetup{},
                                                  [this](const QueltaAnalyticsEvent &event) { m_events << describe(event); });
    }

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_store = std::make_unique<SettingsStore>(m_dir->filePath(QStringLiteral("settings")));
        m_clock = std::make_unique<test::ManualClock>(QDateTime(QDate(2026, 3, 1), QTime(23, 0), Qt::UTC));
        m_events.clear();
    }

    void freshStoreTurnsAnalyticsOn()
    {
        QVERIFY(!m_store->contains(QLatin1String(AnalyticsManager::enabledKey)));
        auto analytics = withSender();
        QVERIFY(analytics->isEnabled());
        QCOMPARE(m_store->boolValue(QLatin1String(AnalyticsManager::enabledKey)), true);
    }

    // Every launch with stored figures reports them; a status bar polling a command launches
    // often, and only the first may write the settings.
    void firstConnectionIsWrittenOnce()
    {
        auto analytics = withSender();
        analytics->setFirstConnectionObserved();
        QVERIFY(analytics->firstConnectionObserved());
        const auto inode = [this] {
            struct stat status {};
            return ::stat(QFile::encodeName(m_store->filePath()).constData(), &status) == 0 ? status.st_ino : ino_t(0);
        };
        const ino_t written = inode();
        QVERIFY(written != 0);
        analytics->setFirstConnectionObserved();
        QCOMPARE(inode(), written);
    }

    void offAtCreationDeletesTheTally()
    {
        m_store->setBool(QLatin1String(AnalyticsManager::enabledKey), false);
        m_store->setData(QLatin1String(AnalyticsManager::pendingHealthKey), "{}");
        auto analytics = withSender();
        QVERIFY(!analytics->isEnabled());
        QVERIFY(!m_store->contains(QLatin1String(AnalyticsManager::pendingHealthKey)));
        analytics->track(QueltaAnalyticsEvent::of(QueltaAnalyticsEvent::Kind::settingsOpened));
        QVERIFY(m_events.isEmpty());
    }

    void dailyTallyIsSentTheNextDay()
    {
        {
            auto analytics = withSender();
            analytics->recordBackgroundRefresh(RefreshResult::success);
            analytics->recordBackgroundRefresh(RefreshResult::failed);
            analytics->flushPendingBackgroundHealth();
            QVERIFY(m_events.isEmpty());
        }
        m_clock->advance(2h); // past midnight UTC
        auto analytics = withSender();
        analytics->flushPendingBackgroundHealth();
        QCOMPARE(m_events, QStringList{QStringLiteral("Refresh.backgroundSummary failedCount=1 partialCount=0 successCount=1")});
        QVERIFY(!m_store->contains(QLatin1String(AnalyticsManager::pendingHealthKey)));
    }

    void countsAreCapped_data()
    {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("after");
        QTest::newRow("at the cap") << 10'000 << 10'000;
        QTest::newRow("over the cap is discarded") << 10'001 << 1;
    }

    void countsAreCapped()
    {
        QFETCH(int, stored);
        QFETCH(int, after);
        const qint64 today = AnalyticsManager::dayNumber(m_clock->now());
        m_store->setData(QLatin1String(AnalyticsManager::pendingHealthKey),
                         QJsonDocument(QJsonObject{{QStringLiteral("day"), double(today)}, {QStringLiteral("success"), stored},
                                                   {QStringLiteral("partial"), 0}, {QStringLiteral("failed"), 0}})
                             .toJson());
        auto analytics = withSender();
        analytics->recordBackgroundRefresh(RefreshResult::success);
        const QJsonObject tally = QJsonDocument::fromJson(*m_store->dataValue(QLatin1String(AnalyticsManager::pendingHealthKey))).object();
        QCOMPARE(tally.value(QStringLiteral("success")).toInt(), after);
        QCOMPARE(tally.value(QStringLiteral("day")).toInteger(), today);
    }

    void oneMenuSignalPerDay()
    {
        auto analytics = withSender();
        analytics->recordMenuOpened();
        analytics->recordMenuOpened();
        QCOMPARE(m_events.size(), 1);
        QCOMPARE(m_events[0], QStringLiteral("Engagement.menuOpenedToday"));
        m_clock->setNow(m_clock->now().addDays(-1));
        analytics->recordMenuOpened();
        QCOMPARE(m_events.size(), 1);
        m_clock->setNow(m_clock->now().addDays(2));
        analytics->recordMenuOpened();
        QCOMPARE(m_events.size(), 2);
    }

    void eventNamesAndParameters()
    {
        QCOMPARE(describe(QueltaAnalyticsEvent::manualRefreshCompleted(RefreshResult::partial)), QStringLiteral("Refresh.completed result=partial"));
        QCOMPARE(describe(QueltaAnalyticsEvent::backgroundRefreshSummary(-3, 20'000, 7)),
                 QStringLiteral("Refresh.backgroundSummary failedCount=7 partialCount=10000 successCount=0"));
        QCOMPARE(QueltaAnalyticsEvent::of(QueltaAnalyticsEvent::Kind::updateCheckRequested).name(), QStringLiteral("Updates.checkRequested"));
    }

    void realClientIsConfiguredAndTerminated()
    {
        test::IngestServer server;
        AnalyticsManager::TelemetrySetup setup{QStringLiteral("APP-ID"), server.baseURL(), m_dir->filePath(QStringLiteral("store")),
                                               m_dir->filePath(QStringLiteral("cache")), {}};
        AnalyticsManager analytics(*m_store, *m_clock, setup);
        analytics.configureIfNeeded();
        QVERIFY(analytics.isConfigured());
        analytics.track(QueltaAnalyticsEvent::manualRefreshCompleted(RefreshResult::success));
        m_clock->advance(10s);
        QTRY_VERIFY(!server.uploads.isEmpty());
        QStringList types;
        for (const QJsonArray &upload : server.uploads) {
            for (const QJsonValue &record : upload)
                types << record.toObject().value(QStringLiteral("type")).toString();
        }
        QVERIFY(types.contains(QStringLiteral("Quelta.Refresh.completed")));

        analytics.recordBackgroundRefresh(RefreshResult::success);
        analytics.setEnabled(false);
        QVERIFY(!analytics.isConfigured());
        QCOMPARE(telemetrydeck::TelemetryDeck::currentManager(), nullptr);
        QVERIFY(!m_store->contains(QLatin1String(AnalyticsManager::pendingHealthKey)));
        QCOMPARE(m_store->boolValue(QLatin1String(AnalyticsManager::enabledKey)), false);

        analytics.setEnabled(true);
        QVERIFY(analytics.isConfigured());
        QVERIFY(telemetrydeck::TelemetryDeck::currentManager() != nullptr);
    }

    void withoutAnAppIDEventsAreDropped()
    {
        AnalyticsManager analytics(*m_store, *m_clock, AnalyticsManager::TelemetrySetup{});
        analytics.track(QueltaAnalyticsEvent::of(QueltaAnalyticsEvent::Kind::settingsOpened));
        QVERIFY(!analytics.isConfigured());
        QCOMPARE(telemetrydeck::TelemetryDeck::currentManager(), nullptr);
    }
};

QTEST_GUILESS_MAIN(AnalyticsManagerTest)
#include "AnalyticsManagerTest.moc"
