#pragma once

#include "AccountBook.h"

namespace quelta {

class SettingsStore;

// The accounts as the settings hold them, for a command run while no Quelta runs.
class StoredAccounts final : public AccountBook
{
public:
    StoredAccounts(AccountRegistry &registry, SettingsStore &settings);

    const AccountRegistry &registry() const override { return m_registry; }
    bool isTracked(const AccountID &id) const override;
    std::optional<AccountRegistry::Problem> add(ProviderID provider, const QString &folder, const QString &name) override;
    std::optional<AccountRegistry::Problem> remove(const AccountID &id) override;
    bool track(const AccountID &id, bool on) override;

private:
    AccountRegistry &m_registry;
    SettingsStore &m_settings;
};

} // namespace quelta
