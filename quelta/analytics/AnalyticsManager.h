#pragma once

#include "QueltaAnalyticsEvent.h"

#include "core/MonitorDependencies.h"

#include "ApplicationPresence.h"

#include <QObject>
#include <QPointer>
#include <QUrl>

#include <functional>
#include <memory>
#include <optional>

class QNetworkAccessManager;

namespace telemetrydeck {
class TelemetryClock;
}

namespace quelta {

class Clock;
class SettingsStore;

// Quelta's anonymous, opt-out analytics: the switch, the events, the daily background tally and
// the once-a-day menu signal. One per process.
class AnalyticsManager final : public QObject, public RefreshAnalytics
{
    Q_OBJECT
public:
    using Sender = std::function<void(const QueltaAnalyticsEvent &)>;

    // Where the telemetry client is pointed; the product's values come from the build.
    struct TelemetrySetup {
        QString appID;
        QUrl ingestBaseURL;
        // Empty: the client's own default folders.
        QString storageDirectory;
        QString cacheDirectory;
        // The tray's windows; a command has none.
        std::shared_ptr<telemetrydeck::ApplicationPresence> presence;

        static TelemetrySetup standard();
    };

    struct Health {
        qint64 day = 0;
        int success = 0;
        int partial = 0;
        int failed = 0;
        bool operator==(const Health &) const = default;
    };

    static constexpr const char *enabledKey = "anonymousAnalyticsEnabled.v1";
    static constexpr const char *pendingHealthKey = "analytics.pendingBackgroundHealth.v1";
    static constexpr const char *lastMenuOpenDayKey = "analytics.lastMenuOpenDay.v1";
    static constexpr const char *firstConnectionObservedKey = "analytics.firstConnectionObserved.v1";
    static constexpr const char *onboardingObservedKey = "analytics.onboardingObserved.v1";

    AnalyticsManager(SettingsStore &settings, Clock &clock, TelemetrySetup setup, std::optional<Sender> sender = std::nullopt,
                     QObject *parent = nullptr);
    ~AnalyticsManager() override;

    bool isEnabled() const { return m_enabled; }
    bool isConfigured() const { return m_configured; }
    SettingsStore &settings() { return m_settings; }

    void configureIfNeeded();
    void flushPendingBackgroundHealth();
    void track(const QueltaAnalyticsEvent &event);
    void recordBackgroundRefresh(RefreshResult result) override;

    // The monitor's part.
    bool firstConnectionObserved() const override;
    void setFirstConnectionObserved() override;
    void trackFirstConnection() override;
    void trackManualRefreshCompleted(RefreshResult result) override;
    void recordMenuOpened();
    // Tracks onboardingStarted the first time onboarding is ever shown.
    void recordOnboardingShown();
    void setEnabled(bool enabled);

    // Days since 1970-01-01 in UTC.
    static qint64 dayNumber(const QDateTime &date);

Q_SIGNALS:
    void enabledChanged(bool enabled);

private:
    std::optional<Health> pendingHealth() const;

    SettingsStore &m_settings;
    Clock &m_clock;
    TelemetrySetup m_setup;
    std::optional<Sender> m_sender;
    std::unique_ptr<telemetrydeck::TelemetryClock> m_telemetryClock;
    bool m_enabled = true;
    bool m_configured = false;
    QPointer<QNetworkAccessManager> m_session;
};

} // namespace quelta
