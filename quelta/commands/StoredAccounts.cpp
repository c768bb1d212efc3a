#include "StoredAccounts.h"

#include "core/AllowanceStore.h"

namespace quelta {

StoredAccounts::StoredAccounts(AccountRegistry &registry, SettingsStore &settings)
    : m_registry(registry)
    , m_settings(settings)
{
}

bool StoredAccounts::isTracked(const AccountID &id) const
{
    return allowanceStore::loadEnabledProviders(m_settings).contains(id);
}

std::optional<AccountRegistry::Problem> StoredAccounts::add(ProviderID provider, const QString &folder, const QString &name)
{
    return m_registry.add(provider, folder, name);
}

std::optional<AccountRegistry::Problem> StoredAccounts::remove(const AccountID &id)
{
    const std::optional<AccountFolder> folder = m_registry.folderOf(id);
    if (folder && folder->origin == AccountFolder::Origin::added && isTracked(id) && !track(id, false))
        return AccountRegistry::Problem::lastTracked;
    return m_registry.remove(id);
}

bool StoredAccounts::track(const AccountID &id, bool on)
{
    AccountSet enabled = allowanceStore::loadEnabledProviders(m_settings);
    if (!on && enabled.size() < 2 && enabled.contains(id))
        return false;
    if (on) {
        enabled.insert(id);
        // A found account is tracked with the sign-in its folder holds.
        AccountSet authorized = allowanceStore::loadAuthorizedProviders(m_settings);
        authorized.insert(id);
        allowanceStore::saveAuthorizedProviders(m_settings, authorized);
    } else {
        enabled.remove(id);
    }
    allowanceStore::saveEnabledProviders(m_settings, enabled);
    return true;
}

} // namespace quelta
