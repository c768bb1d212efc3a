#pragma once

#include "core/AllowanceMonitor.h"
#include "core/MonitorDependencies.h"

#include <QCoroSignal>
#include <QHash>
#include <QObject>

#include <functional>

namespace quelta::test {

// Stands in for the connectors: each provider answers with what the test scripted, and while
// `holds` is set every load waits for release().
class ScriptedLoads : public QObject
{
    Q_OBJECT
public:
    QHash<AccountID, std::function<ProviderAllowance()>> answers;
    QList<AccountID> calls;
    bool holds = false;

    AllowanceMonitor::ProviderLoader loader()
    {
        return [this](AccountID id, ClaudeTrackedLimit, std::stop_token) { return run(id); };
    }

    void release() { Q_EMIT released(); }

Q_SIGNALS:
    void released();

private:
    QCoro::Task<ProviderAllowance> run(AccountID id)
    {
        calls.append(id);
        if (holds)
            co_await qCoro(this, &ScriptedLoads::released);
        const std::function<ProviderAllowance()> answer = answers.value(id);
        co_return answer();
    }
};

class RecordingAnalytics final : public RefreshAnalytics
{
public:
    bool observed = false;
    int firstConnections = 0;
    QList<RefreshResult> manualResults;
    QList<RefreshResult> backgroundResults;

    bool firstConnectionObserved() const override { return observed; }
    void setFirstConnectionObserved() override { observed = true; }
    void trackFirstConnection() override { ++firstConnections; }
    void trackManualRefreshCompleted(RefreshResult result) override { manualResults.append(result); }
    void recordBackgroundRefresh(RefreshResult result) override { backgroundResults.append(result); }
};

class RecordingAlerts final : public UsageAlertSink
{
public:
    bool frequent = false;
    QList<ProviderID> recorded;
    QList<ProviderID> disconnected;

    void recordUsage(const ProviderAllowance &provider) override { recorded.append(provider.id); }
    void providerDidDisconnect(const ProviderAllowance &provider) override { disconnected.append(provider.id); }
    bool wantsFrequentRefresh() const override { return frequent; }
};

// A connected record with one limit at `remaining` percent (for Claude, the weekly limit the
// headline follows by default).
inline ProviderAllowance connectedAllowance(ProviderID id, int remaining)
{
    const bool claude = id == ProviderID::claudeCode;
    ProviderLimit limit;
    limit.id = claude ? QStringLiteral("weekly-all-models") : QStringLiteral("main");
    limit.name = claude ? QStringLiteral("Weekly · all models") : QStringLiteral("Weekly limit");
    limit.value = QString::number(remaining) + QLatin1Char('%');
    limit.percentage = remaining;
    ProviderAllowance allowance;
    allowance.id = id;
    allowance.name = displayName(id);
    allowance.detail = QStringLiteral("Resets in 2h 0m");
    allowance.remaining = remaining;
    allowance.limits = {limit};
    allowance.displayedLimitID = limit.id;
    allowance.assetName = assetName(id);
    allowance.connectionState = ConnectionState::connected;
    return allowance;
}

} // namespace quelta::test
