#pragma once

#include "AccountBook.h"

#include <QObject>

namespace quelta {

class AllowanceMonitor;

// The accounts of the running Quelta: added and removed folders reach its monitor at once, and
// tracking goes through the monitor, so that it starts or stops loading the account and its
// settings are never written behind its back.
class AccountChanges final : public QObject, public AccountBook
{
    Q_OBJECT
public:
    AccountChanges(AccountRegistry &registry, AllowanceMonitor &monitor, QObject *parent = nullptr);

    const AccountRegistry &registry() const override { return m_registry; }
    const AllowanceMonitor &monitor() const { return m_monitor; }
    bool isTracked(const AccountID &id) const override;
    std::optional<AccountRegistry::Problem> add(ProviderID provider, const QString &folder, const QString &name) override;
    std::optional<AccountRegistry::Problem> remove(const AccountID &id) override;
    bool track(const AccountID &id, bool on) override;

private:
    AccountRegistry &m_registry;
    AllowanceMonitor &m_monitor;
};

} // namespace quelta
