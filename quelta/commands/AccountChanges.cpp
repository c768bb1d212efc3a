#include "AccountChanges.h"

#include "core/AllowanceMonitor.h"

namespace quelta {

AccountChanges::AccountChanges(AccountRegistry &registry, AllowanceMonitor &monitor, QObject *parent)
    : QObject(parent)
    , m_registry(registry)
    , m_monitor(monitor)
{
    connect(&m_registry, &AccountRegistry::accountsChanged, &m_monitor, [this] {
        QList<AccountID> ids;
        for (const AccountFolder &account : m_registry.found().accounts)
            ids << account.id;
        m_monitor.setAccounts(ids);
    });
}

bool AccountChanges::isTracked(const AccountID &id) const
{
    return m_monitor.enabledProviderIDs().contains(id);
}

std::optional<AccountRegistry::Problem> AccountChanges::add(ProviderID provider, const QString &folder, const QString &name)
{
    return m_registry.add(provider, folder, name);
}

std::optional<AccountRegistry::Problem> AccountChanges::remove(const AccountID &id)
{
    const std::optional<AccountFolder> folder = m_registry.folderOf(id);
    if (folder && folder->origin == AccountFolder::Origin::added && isTracked(id) && !track(id, false))
        return AccountRegistry::Problem::lastTracked;
    return m_registry.remove(id);
}

bool AccountChanges::track(const AccountID &id, bool on)
{
    if (!on && isTracked(id) && m_monitor.enabledProviderIDs().size() < 2)
        return false;
    m_monitor.setProvider(id, on);
    return true;
}

} // namespace quelta
