#include "CommandTarget.h"

#include "StatusReport.h"

#include "core/AllowanceMonitor.h"
#include "core/RefreshWait.h"
#include "platform/OperationCancelled.h"

#include <QPointer>

namespace quelta {

LocalCommandTarget::LocalCommandTarget(AllowanceMonitor &monitor, ProviderConnection &connection, ToolLookup toolLookup)
    : m_monitor(monitor)
    , m_connection(connection)
    , m_toolLookup(std::move(toolLookup))
{
}

QCoro::Task<std::optional<QString>> LocalCommandTarget::providerTool(ProviderID id)
{
    co_return m_toolLookup ? m_toolLookup(id) : std::nullopt;
}

QCoro::Task<QJsonObject> LocalCommandTarget::report(bool refreshFirst)
{
    if (refreshFirst) {
        QPointer<LocalCommandTarget> self(this);
        m_monitor.refresh(true);
        co_await waitForRefresh(m_monitor);
        // Its owner may have let it go while the refresh ran.
        if (!self)
            throw OperationCancelled();
    }
    co_return statusJson(m_monitor);
}

QCoro::Task<ConnectOutcome> LocalCommandTarget::connectProvider(AccountID id)
{
    return m_connection.connect(id);
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
