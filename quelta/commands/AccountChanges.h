#pragma once

#include "connectors/AccountRegistry.h"

#include <QObject>

#include <optional>

namespace quelta {

class AllowanceMonitor;

// The one way the accounts change while a monitor runs: added and removed folders reach the
// monitor at once, and tracking goes through it, so that it starts or stops loading the account
// and its settings are never written behind its back.
class AccountChanges final : public QObject
{
    Q_OBJECT
public:
    AccountChanges(AccountRegistry &registry, AllowanceMonitor &monitor, QObject *parent = nullptr);

    const AccountRegistry &registry() const { return m_registry; }
    const AllowanceMonitor &monitor() const { return m_monitor; }
    bool isTracked(const AccountID &id) const;

    // Adds the folder and tracks the account it signs in.
    std::optional<AccountRegistry::Problem> add(ProviderID provider, const QString &folder, const QString &name);
    std::optional<AccountRegistry::Problem> remove(const AccountID &id);
    // False when the account is the last one tracked: one always stays.
    bool track(const AccountID &id, bool on);

private:
    AccountRegistry &m_registry;
    AllowanceMonitor &m_monitor;
};

} // namespace quelta
