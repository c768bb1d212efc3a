#pragma once

#include "ProviderConnection.h"

#include <QCoroTask>
#include <QJsonObject>
#include <QObject>

#include <functional>
#include <optional>

namespace quelta {

class AllowanceMonitor;

// What the commands act on: a monitor of this process, or the running Quelta, so that two
// monitors never refresh side by side.
class CommandTarget : public QObject
{
    Q_OBJECT
public:
    // The status document (see statusJson), after a manual refresh when asked.
    virtual QCoro::Task<QJsonObject> report(bool refreshFirst) = 0;
    // Enables the account when it is off, signs in and loads it.
    virtual QCoro::Task<ConnectOutcome> connectProvider(AccountID id) = 0;
    // The provider's tool (for Framer, the web helper) where the target looks for it; absent
    // when it is not installed there.
    virtual QCoro::Task<std::optional<QString>> providerTool(ProviderID id) = 0;
    // From now on, announce every change of the status document through reportChanged.
    virtual void watch() = 0;

Q_SIGNALS:
    void reportChanged(const QJsonObject &report);
    // Nothing is left that could tell the changes: the watch ends with `reason`.
    void watchFailed(const QString &reason);
};

// A monitor of this process, connected to through the application's one connect flow.
class LocalCommandTarget final : public CommandTarget
{
    Q_OBJECT
public:
    using ToolLookup = std::function<std::optional<QString>(ProviderID)>;

    LocalCommandTarget(AllowanceMonitor &monitor, ProviderConnection &connection, ToolLookup toolLookup);

    QCoro::Task<QJsonObject> report(bool refreshFirst) override;
    QCoro::Task<ConnectOutcome> connectProvider(AccountID id) override;
    QCoro::Task<std::optional<QString>> providerTool(ProviderID id) override;
    void watch() override;

private:
    AllowanceMonitor &m_monitor;
    ProviderConnection &m_connection;
    ToolLookup m_toolLookup;
    QJsonObject m_lastReport;
};

} // namespace quelta
