#include "CommandTarget.h"

#include "StatusReport.h"

#include "ui/ProviderSignIn.h"

#include "core/AllowanceMonitor.h"
#include "core/ProviderConnectorError.h"

#include <QCoroSignal>
#include <QPointer>

namespace quelta {

QCoro::Task<void> waitForRefresh(AllowanceMonitor &monitor)
{
    while (monitor.isRefreshing())
        co_await qCoro(&monitor, &AllowanceMonitor::changed);
}

LocalCommandTarget::LocalCommandTarget(AllowanceMonitor &monitor, SignIn signIn)
    : m_monitor(monitor)
    , m_signIn(std::move(signIn))
{
}

QCoro::Task<QJsonObject> LocalCommandTarget::report(bool refreshFirst)
{
    if (refreshFirst) {
        m_monitor.refresh(true);
        co_await waitForRefresh(m_monitor);
    }
    co_return statusJson(m_monitor);
}

QCoro::Task<ConnectOutcome> LocalCommandTarget::connectProvider(ProviderID id)
{
    using Kind = ProviderConnectorError::Kind;
    AllowanceMonitor &monitor = m_monitor;
    // Asking to connect a provider that is switched off means wanting to see it.
    if (!monitor.enabledProviderIDs().contains(id))
        monitor.setProvider(id, true);
    monitor.beginConnecting(id);

    const std::optional<Kind> failure = co_await signInFailure(m_signIn, id);
    if (failure) {
        monitor.setConnectionAttemptState(id, ProviderConnectionAttemptState::failed);
        if (id != ProviderID::claudeCode || *failure != Kind::unsupportedPlan)
            co_return ConnectOutcome::failed;
        // Show the Free plan as the popover would.
        monitor.refresh(false);
        co_await waitForRefresh(monitor);
        co_return ConnectOutcome::freePlan;
    }

    const bool connected = co_await monitor.connect(id);
    monitor.setConnectionAttemptState(id, connected ? ProviderConnectionAttemptState::idle : ProviderConnectionAttemptState::failed);
    if (connected)
        co_return ConnectOutcome::connected;
    const bool unsupported = std::any_of(monitor.providers().begin(), monitor.providers().end(), [id](const ProviderAllowance &p) {
        return p.id == id && p.connectionState == ConnectionState::unsupported;
    });
    co_return id == ProviderID::claudeCode && unsupported ? ConnectOutcome::freePlan : ConnectOutcome::failed;
}

void LocalCommandTarget::watch()
{
    connect(&m_monitor, &AllowanceMonitor::changed, this, [this] {
        const QJsonObject report = statusJson(m_monitor);
        if (report == m_lastReport)
            return;
        m_lastReport = report;
        Q_EMIT reportChanged(report);
    });
}

} // namespace quelta
