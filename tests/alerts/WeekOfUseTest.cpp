#include "MonitorTestSupport.h"
#include "RecordingNotificationCenter.h"
#include "TestFixture.h"

#include "alerts/UsageNotificationManager.h"
#include "core/AllowanceStore.h"
#include "core/ProviderConnectorError.h"
#include "core/RefreshPolicy.h"

#include <QTest>

using namespace quelta;
using namespace std::chrono_literals;

namespace {

constexpr qint64 hour = 3600;
const QString limitID = QStringLiteral("weekly");

// ChatGPT's weekly window over the simulated week: 60 % left at the start, one point an hour
// down to the reset at hour 72, then half a point an hour; failures, a rate limit and a lost
// sign-in on the way.
struct ChatGptWeek {
    QDateTime start;
    std::optional<QDateTime> rateLimitedAt;
    // When each alert first became due: the first answer at or under its threshold, the first
    // of the new window, the first that found the sign-in gone.
    QMap<QString, QDateTime> due;

    void noteDue(const QString &title, bool reached, const QDateTime &now)
    {
        if (reached && !due.contains(title))
            due.insert(title, now);
    }

    ProviderAllowance answer(const QDateTime &now)
    {
        const double hours = double(start.secsTo(now)) / hour;
        if (hours >= 20 && hours < 22)
            throw ProviderConnectorError(ProviderConnectorError::Kind::processFailed);
        if (hours >= 40 && !rateLimitedAt) {
            rateLimitedAt = now;
            throw ProviderConnectorError::rateLimited(3600);
        }
        if (hours >= 80 && hours < 81) {
            noteDue(QStringLiteral("ChatGPT disconnected"), true, now);
            throw ProviderConnectorError(ProviderConnectorError::Kind::connectionRequired);
        }
        const bool secondWindow = hours >= 72;
        const int remaining = secondWindow ? 100 - int((hours - 72) / 2) : std::max(0, 60 - int(hours));
        noteDue(QStringLiteral("ChatGPT is running low"), remaining <= 25, now);
        noteDue(QStringLiteral("ChatGPT is almost out"), remaining <= 10, now);
        noteDue(QStringLiteral("ChatGPT limit reset"), secondWindow, now);
        ProviderAllowance allowance = test::connectedAllowance(ProviderID::codex, remaining);
        allowance.limits[0].id = limitID;
        allowance.displayedLimitID = limitID;
        allowance.limits[0].resetsAt = start.addSecs((secondWindow ? 72 + 168 : 72) * hour);
        allowance.limits[0].windowDuration = 168 * hour;
        return allowance;
    }
};

struct Post {
    QString title;
    QDateTime at;
};

} // namespace

// A week of the real monitor, alert engine, store and refresh loop on the manual clock: what
// a user leaves running all day must alert exactly once per rule, keep everything across a
// restart, and ask no provider more often than the refresh rules allow.
class WeekOfUseTest : public QObject
{
    Q_OBJECT

    test::Fixture m_fixture;
    // The week's thousands of saves each sync to disk; in memory that costs nothing.
    QTemporaryDir m_settings{QFileInfo(QStringLiteral("/dev/shm")).isWritable() ? QStringLiteral("/dev/shm/quelta-week-XXXXXX")
                                                                                 : QDir::tempPath() + QStringLiteral("/quelta-week-XXXXXX")};
    test::RecordingNotificationCenter m_center;
    test::RecordingAnalytics m_analytics;
    test::ScriptedLoads m_loads;
    ChatGptWeek m_chatGpt{.start = m_fixture.clock.now(), .rateLimitedAt = {}, .due = {}};
    QHash<ProviderID, QList<QDateTime>> m_calls;
    QList<Post> m_posts;

    std::unique_ptr<SettingsStore> m_store;
    std::unique_ptr<UsageNotificationManager> m_alerts;
    std::unique_ptr<AllowanceMonitor> m_monitor;

    QDateTime now() const { return m_fixture.clock.now(); }
    qint64 hoursIn() const { return m_chatGpt.start.secsTo(now()) / hour; }

    // What a launch of the tray builds, from the stored files alone.
    void launch()
    {
        m_store = std::make_unique<SettingsStore>(m_settings.path());
        m_alerts = std::make_unique<UsageNotificationManager>(*m_store, m_fixture.clock, m_center);
        m_alerts->configure({});
        AllowanceMonitor::Dependencies services{.connectors = m_loads.loader(), .alerts = m_alerts.get(), .analytics = &m_analytics};
        m_monitor = std::make_unique<AllowanceMonitor>(*m_store, m_fixture.clock, services);
        m_monitor->refresh(false);
        m_monitor->scheduleAutomaticRefresh();
        settle();
    }

    void quit()
    {
        m_monitor.reset();
        m_alerts.reset();
        m_store.reset();
    }

    // Nothing here waits for real time: the posted events alone finish a refresh.
    void settle()
    {
        for (int round = 0; round < 100 && m_monitor->isRefreshing(); ++round)
            QCoreApplication::processEvents();
        QVERIFY(!m_monitor->isRefreshing());
        for (qsizetype i = m_posts.size(); i < m_center.posted.size(); ++i)
            m_posts.append({m_center.posted[i].title, now()});
    }

    void runUntilHour(qint64 until)
    {
        while (hoursIn() < until) {
            m_fixture.clock.advance(1min);
            settle();
        }
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_loads.answers.insert(ProviderID::codex, [this] {
            m_calls[ProviderID::codex].append(now());
            return m_chatGpt.answer(now());
        });
        m_loads.answers.insert(ProviderID::claudeCode, [this] {
            m_calls[ProviderID::claudeCode].append(now());
            return test::connectedAllowance(ProviderID::claudeCode, 70);
        });
        const AccountSet providers{ProviderID::codex, ProviderID::claudeCode};
        SettingsStore store(m_settings.path());
        allowanceStore::saveEnabledProviders(store, providers);
        allowanceStore::saveAuthorizedProviders(store, providers);
    }

    void aWeekAlertsOnceAndKeepsEverything()
    {
        launch();
        m_alerts->setNotificationsEnabled(true);
        m_alerts->setRapidUsageEnabled(false);
        settle();
        runUntilHour(56);

        const QList<ProviderAllowance> figures = m_monitor->providers();
        const AccountDates attempts = allowanceStore::loadDates(*m_store, allowanceStore::lastAttemptDatesKey);
        quit();
        launch();
        QCOMPARE(m_monitor->enabledProviderIDs(), (AccountSet{ProviderID::codex, ProviderID::claudeCode}));
        QVERIFY(m_alerts->notificationsEnabled());
        QVERIFY(!m_alerts->rapidUsageEnabled());
        for (const ProviderAllowance &before : figures) {
            const auto after = std::find_if(m_monitor->providers().begin(), m_monitor->providers().end(),
                                            [&](const ProviderAllowance &p) { return p.id == before.id; });
            QCOMPARE(after->remaining, before.remaining);
            QCOMPARE(after->limits, before.limits);
        }
        QVERIFY(allowanceStore::loadDates(*m_store, allowanceStore::lastAttemptDatesKey).value(ProviderID::claudeCode)
                >= attempts.value(ProviderID::claudeCode));

        runUntilHour(100);
        // Eight hours asleep: no timer runs, then the wake refreshes.
        m_fixture.clock.setNow(now().addSecs(8 * hour));
        m_monitor->refresh(false);
        settle();
        runUntilHour(168);

        QStringList titles;
        for (const Post &post : m_posts)
            titles << post.title;
        QCOMPARE(titles, (QStringList{QStringLiteral("ChatGPT is running low"), QStringLiteral("ChatGPT is almost out"),
                                      QStringLiteral("ChatGPT limit reset"), QStringLiteral("ChatGPT disconnected")}));
        // Posted in the minute the answer that made it due came in.
        for (const Post &post : m_posts)
            QVERIFY2(m_chatGpt.due.value(post.title).secsTo(post.at) < 60, qPrintable(post.title));

        const QList<QDateTime> &chatGpt = m_calls[ProviderID::codex];
        QVERIFY(m_chatGpt.rateLimitedAt);
        for (const QDateTime &call : chatGpt)
            QVERIFY2(call <= *m_chatGpt.rateLimitedAt || call >= m_chatGpt.rateLimitedAt->addSecs(3600), qPrintable(call.toString()));
        int launchOrWake = 0;
        for (qsizetype i = 1; i < chatGpt.size(); ++i) {
            if (chatGpt[i - 1].secsTo(chatGpt[i]) < refreshPolicy::idleInterval.count())
                ++launchOrWake;
        }
        QVERIFY2(launchOrWake <= 1, "only the restart's launch may come sooner than the idle interval");
        const QList<QDateTime> &claude = m_calls[ProviderID::claudeCode];
        for (qsizetype i = 1; i < claude.size(); ++i)
            QVERIFY(claude[i - 1].secsTo(claude[i]) >= refreshPolicy::claudeSpacing.count());
        // Asked all week, the days after the lost sign-in too.
        QVERIFY(chatGpt.size() > 400);
        QVERIFY(chatGpt.last().secsTo(now()) <= refreshPolicy::idleInterval.count());
    }

    void cleanupTestCase() { quit(); }
};

QTEST_GUILESS_MAIN(WeekOfUseTest)
#include "WeekOfUseTest.moc"
