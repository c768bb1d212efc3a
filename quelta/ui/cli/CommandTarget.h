#pragma once

#include "core/ProviderAllowance.h"

#include <QCoroTask>
#include <QJsonObject>
#include <QObject>

#include <functional>
#include <optional>

namespace quelta {

class AllowanceMonitor;

// How `quelta connect` ended.
enum class ConnectOutcome { connected, freePlan, failed };

template <>
struct RawValues<ConnectOutcome> {
    static constexpr std::array<std::pair<ConnectOutcome, std::string_view>, 3> table{{
        {ConnectOutcome::connected, "connected"},
        {ConnectOutcome::freePlan, "freePlan"},
        {ConnectOutcome::failed, "failed"},
    }};
};

// What the commands act on: a monitor of this process, or the running Quelta, so that two
// monitors never refresh side by side.
class CommandTarget : public QObject
{
    Q_OBJECT
public:
    // The status document (see statusJson), after a manual refresh when asked.
    virtual QCoro::Task<QJsonObject> report(bool refreshFirst) = 0;
    // Enables the provider when it is off, signs in and loads it.
    virtual QCoro::Task<ConnectOutcome> connectProvider(ProviderID id) = 0;
    // From now on, announce every change of the status document through reportChanged.
    virtual void watch() = 0;

Q_SIGNALS:
    void reportChanged(const QJsonObject &report);
};

// A monitor of this process, with the vendors' sign-ins.
class LocalCommandTarget final : public CommandTarget
{
    Q_OBJECT
public:
    // Runs the provider's own sign-in (Claude Code, Codex, or the Framer window); throws when it fails.
    using SignIn = std::function<QCoro::Task<void>(ProviderID)>;

    LocalCommandTarget(AllowanceMonitor &monitor, SignIn signIn);

    QCoro::Task<QJsonObject> report(bool refreshFirst) override;
    QCoro::Task<ConnectOutcome> connectProvider(ProviderID id) override;
    void watch() override;

private:
    AllowanceMonitor &m_monitor;
    SignIn m_signIn;
    QJsonObject m_lastReport;
};

// Waits until the monitor has no refresh in flight.
QCoro::Task<void> waitForRefresh(AllowanceMonitor &monitor);

} // namespace quelta
