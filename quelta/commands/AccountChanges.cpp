#include "AccountChanges.h"

#include "core/AllowanceMonitor.h"

namespace quelta {

namespace {

QList<AccountID> idsOf(const FoundAccounts &found)
{
    QList<AccountID> ids;
    for (const AccountFolder &account : found.accounts)
        ids << account.id;
    return ids;
}

} // namespace

AccountChanges::AccountChanges(AccountRegistry &registry, AllowanceMonitor &monitor, QObject *parent)
    : QObject(parent)
    , m_registry(registry)
    , m_monitor(monitor)
{
    connect(&m_registry, &AccountRegistry::accountsChanged, &m_monitor, [this] { m_monitor.setAccounts(idsOf(m_registry.found())); });
}

bool AccountChanges::isTracked(const AccountID &id) const
{
    return m_monitor.enabledProviderIDs().contains(id);
}

std::optional<AccountRegistry::Problem> AccountChanges::add(ProviderID provider, const QString &folder, const QString &name)
{
    const QList<AccountID> before = idsOf(m_registry.found());
    if (const std::optional<AccountRegistry::Problem> problem = m_registry.add(provider, folder, name))
        return problem;
    for (const AccountID &id : idsOf(m_registry.found())) {
        if (!before.contains(id))
            m_monitor.setProvider(id, true);
    }
    return std::nullopt;
}

std::optional<AccountRegistry::Problem> AccountChanges::remove(const AccountID &id)
{
    // Untracked first: a folder added again later starts untracked, like any other.
    if (m_registry.folderOf(id) && m_registry.folderOf(id)->origin == AccountFolder::Origin::added)
        m_monitor.setProvider(id, false);
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
