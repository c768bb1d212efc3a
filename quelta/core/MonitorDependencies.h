#pragma once

#include "AccountID.h"
#include "ClaudeTrackedLimit.h"
#include "ProviderAllowance.h"
#include "RefreshResult.h"

#include <QCoroTask>

#include <functional>
#include <stop_token>

namespace quelta {

// What the monitor tells the usage alerts.
class UsageAlertSink
{
public:
    virtual ~UsageAlertSink() = default;
    virtual void recordUsage(const ProviderAllowance &provider) = 0;
    virtual void providerDidDisconnect(const ProviderAllowance &provider) = 0;
    // Usage and rapid-usage alerts are on, so the background refresh runs every 5 minutes.
    virtual bool wantsFrequentRefresh() const = 0;
};

// What the monitor tells analytics.
class RefreshAnalytics
{
public:
    virtual ~RefreshAnalytics() = default;
    virtual bool firstConnectionObserved() const = 0;
    virtual void setFirstConnectionObserved() = 0;
    virtual void trackFirstConnection() = 0;
    virtual void trackManualRefreshCompleted(RefreshResult result) = 0;
    virtual void recordBackgroundRefresh(RefreshResult result) = 0;
};

// Loads one account; throws on failure, normally a ProviderConnectorError. The load ends
// (OperationCancelled) once the token, the monitor's lifetime, is triggered.
using ProviderLoader = std::function<QCoro::Task<ProviderAllowance>(AccountID, ClaudeTrackedLimit, std::stop_token)>;

// What the monitor loads with and reports to.
struct MonitorDependencies {
    // The real connectors, or a substitute that then also silences the alerts.
    ProviderLoader connectors;
    bool isSubstituteLoader = false;
    UsageAlertSink *alerts = nullptr;
    RefreshAnalytics *analytics = nullptr;
    // The accounts known when the monitor starts.
    QList<AccountID> accounts = defaultAccounts();
};

} // namespace quelta
