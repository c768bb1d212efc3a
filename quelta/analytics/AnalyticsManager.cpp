#include "AnalyticsManager.h"

#include "TelemetryClockAdapter.h"

#include "core/BundleInformation.h"
#include "core/JsonObjectReader.h"
#include "core/ServiceAddresses.h"
#include "platform/ApplicationFolders.h"
#include "platform/Clock.h"
#include "platform/SettingsStore.h"
#include "TelemetryDeck.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>

#include <cmath>

namespace quelta {

namespace {

constexpr int countCap = 10'000;

QByteArray encodeHealth(const AnalyticsManager::Health &health)
{
    return QJsonDocument(QJsonObject{{QStringLiteral("day"), double(health.day)},
                                     {QStringLiteral("success"), health.success},
                                     {QStringLiteral("partial"), health.partial},
                                     {QStringLiteral("failed"), health.failed}})
        .toJson(QJsonDocument::Compact);
}

std::optional<AnalyticsManager::Health> decodeHealth(const QByteArray &data)
{
    JsonObjectReader reader(QJsonDocument::fromJson(data).object());
    const std::optional<int> day = reader.optionalInteger(QStringLiteral("day"));
    const std::optional<int> success = reader.optionalInteger(QStringLiteral("success"));
    const std::optional<int> partial = reader.optionalInteger(QStringLiteral("partial"));
    const std::optional<int> failed = reader.optionalInteger(QStringLiteral("failed"));
    if (!reader.isValid() || !day || !success || !partial || !failed)
        return std::nullopt;
    for (const int count : {*success, *partial, *failed}) {
        if (count < 0 || count > countCap)
            return std::nullopt;
    }
    return AnalyticsManager::Health{*day, *success, *partial, *failed};
}

} // namespace

AnalyticsManager::TelemetrySetup AnalyticsManager::TelemetrySetup::standard()
{
    TelemetrySetup setup;
    setup.appID = QString::fromUtf8(bundleInformation::telemetryDeckAppID);
    setup.ingestBaseURL = serviceAddresses::telemetryIngestBase();
    setup.cacheDirectory = applicationFolders::cache();
    return setup;
}

AnalyticsManager::AnalyticsManager(SettingsStore &settings, Clock &clock, TelemetrySetup setup, std::optional<Sender> sender,
                                   QObject *parent)
    : QObject(parent)
    , m_settings(settings)
    , m_clock(clock)
    , m_setup(std::move(setup))
    , m_sender(std::move(sender))
    , m_telemetryClock(std::make_unique<TelemetryClockAdapter>(clock))
{
    if (!m_settings.contains(QLatin1String(enabledKey)))
        m_settings.setBool(QLatin1String(enabledKey), true);
    m_enabled = m_settings.boolValue(QLatin1String(enabledKey)).value_or(false);
    if (!m_enabled)
        m_settings.remove(QLatin1String(pendingHealthKey));
}

AnalyticsManager::~AnalyticsManager()
{
    if (m_configured)
        telemetrydeck::TelemetryDeck::terminate();
}

qint64 AnalyticsManager::dayNumber(const QDateTime &date)
{
    return qint64(std::floor(double(date.toMSecsSinceEpoch()) / 1000.0 / 86'400.0));
}

void AnalyticsManager::configureIfNeeded()
{
    if (m_sender || m_configured || m_setup.appID.isEmpty())
        return;
    auto configuration = std::make_shared<telemetrydeck::TelemetryManagerConfiguration>(m_setup.appID, QString(), m_setup.ingestBaseURL);
    m_session = new QNetworkAccessManager(this);
    m_session->setTransferTimeout(20'000);
    configuration->network = m_session;
    configuration->defaultSignalPrefix = QStringLiteral("Quelta.");
    configuration->buildVersion = QString::fromLatin1(bundleInformation::buildVersion);
    configuration->clock = m_telemetryClock.get();
    configuration->presence = m_setup.presence;
    if (!m_setup.storageDirectory.isEmpty())
        configuration->storageDirectory = m_setup.storageDirectory;
    if (!m_setup.cacheDirectory.isEmpty())
        configuration->cacheDirectory = m_setup.cacheDirectory;
    telemetrydeck::TelemetryDeck::initialize(configuration);
    m_configured = true;
}

void AnalyticsManager::track(const QueltaAnalyticsEvent &event)
{
    if (!m_enabled)
        return;
    if (m_sender) {
        (*m_sender)(event);
        return;
    }
    configureIfNeeded();
    if (!m_configured)
        return;
    telemetrydeck::TelemetryDeck::signal(event.name(), event.parameters());
}

std::optional<AnalyticsManager::Health> AnalyticsManager::pendingHealth() const
{
    const std::optional<QByteArray> data = m_settings.dataValue(QLatin1String(pendingHealthKey));
    return data ? decodeHealth(*data) : std::nullopt;
}

void AnalyticsManager::flushPendingBackgroundHealth()
{
    if (!m_enabled)
        return;
    const std::optional<Health> health = pendingHealth();
    if (!health || health->day >= dayNumber(m_clock.now()))
        return;
    m_settings.remove(QLatin1String(pendingHealthKey));
    track(QueltaAnalyticsEvent::backgroundRefreshSummary(health->success, health->partial, health->failed));
}

void AnalyticsManager::recordBackgroundRefresh(RefreshResult result)
{
    if (!m_enabled)
        return;
    flushPendingBackgroundHealth();
    const qint64 today = dayNumber(m_clock.now());
    Health health = pendingHealth().value_or(Health{today, 0, 0, 0});
    if (health.day != today)
        health = Health{today, 0, 0, 0};
    int &count = result == RefreshResult::success ? health.success : result == RefreshResult::partial ? health.partial : health.failed;
    count = std::min(count + 1, countCap);
    m_settings.setData(QLatin1String(pendingHealthKey), encodeHealth(health));
}

bool AnalyticsManager::firstConnectionObserved() const
{
    return m_settings.boolValue(QLatin1String(firstConnectionObservedKey)).value_or(false);
}

void AnalyticsManager::setFirstConnectionObserved()
{
    // Every launch with figures says so: only the first may write, for a status bar's poll
    // must not rewrite the settings each time.
    if (firstConnectionObserved())
        return;
    m_settings.setBool(QLatin1String(firstConnectionObservedKey), true);
}

void AnalyticsManager::trackFirstConnection()
{
    track(QueltaAnalyticsEvent::of(QueltaAnalyticsEvent::Kind::firstConnectionSucceeded));
}

void AnalyticsManager::trackManualRefreshCompleted(RefreshResult result)
{
    track(QueltaAnalyticsEvent::manualRefreshCompleted(result));
}

void AnalyticsManager::recordMenuOpened()
{
    if (!m_enabled)
        return;
    const qint64 today = dayNumber(m_clock.now());
    const std::optional<qint64> last = m_settings.integerValue(QLatin1String(lastMenuOpenDayKey));
    if (last && today <= *last)
        return;
    m_settings.setInteger(QLatin1String(lastMenuOpenDayKey), today);
    track(QueltaAnalyticsEvent::of(QueltaAnalyticsEvent::Kind::menuOpenedToday));
    flushPendingBackgroundHealth();
}

void AnalyticsManager::recordOnboardingShown()
{
    if (m_settings.boolValue(QLatin1String(onboardingObservedKey)).value_or(false))
        return;
    m_settings.setBool(QLatin1String(onboardingObservedKey), true);
    track(QueltaAnalyticsEvent::of(QueltaAnalyticsEvent::Kind::onboardingStarted));
}

void AnalyticsManager::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    m_settings.setBool(QLatin1String(enabledKey), enabled);
    Q_EMIT enabledChanged(enabled);
    if (enabled) {
        configureIfNeeded();
        return;
    }
    m_settings.remove(QLatin1String(pendingHealthKey));
    if (m_configured)
        telemetrydeck::TelemetryDeck::terminate();
    // Deleting the session aborts whatever it still has in flight.
    delete m_session;
    m_configured = false;
}

} // namespace quelta
