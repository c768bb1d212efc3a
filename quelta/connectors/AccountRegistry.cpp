#include "AccountRegistry.h"

#include "core/AccountStore.h"
#include "platform/SettingsStore.h"

#include <QDir>
#include <QFileInfo>

namespace quelta {

AccountRegistry::AccountRegistry(SettingsStore &settings, AccountSearchPlaces places, QObject *parent)
    : QObject(parent)
    , m_settings(settings)
    , m_places(std::move(places))
{
    rediscover();
}

void AccountRegistry::rediscover()
{
    m_places.added = accountStore::loadAddedAccounts(m_settings);
    FoundAccounts found = discoverAccounts(m_places);
    if (found == m_found)
        return;
    m_found = std::move(found);
    Q_EMIT accountsChanged();
}

QString AccountRegistry::suggestedName(const QString &folder)
{
    QString name = QFileInfo(QDir::cleanPath(folder)).fileName();
    for (const QLatin1String prefix : {QLatin1String(".claude-"), QLatin1String(".codex-"), QLatin1String(".")}) {
        if (name.startsWith(prefix)) {
            name = name.mid(prefix.size());
            break;
        }
    }
    return isValidAccountName(name) ? name : QString();
}

std::optional<AccountRegistry::Problem> AccountRegistry::add(ProviderID provider, const QString &folder, const QString &name)
{
    const QString absolute = QDir::cleanPath(QDir(m_places.home).absoluteFilePath(folder));
    if (!QFileInfo(absolute).isDir())
        return Problem::folderMissing;
    if (!QFileInfo(signInFilePath(provider, absolute)).isFile())
        return Problem::noSignIn;
    const QString chosen = name.isEmpty() ? suggestedName(absolute) : name;
    if (!isValidAccountName(chosen))
        return Problem::nameInvalid;
    const AccountID id(provider, chosen);
    QList<AccountFolder> added = accountStore::loadAddedAccounts(m_settings);
    const bool taken = folderOf(id) || std::any_of(added.begin(), added.end(), [&](const AccountFolder &a) { return a.id == id; })
        || std::any_of(m_found.folded.begin(), m_found.folded.end(), [&](const FoldedAccount &f) { return f.folder.id == id; });
    if (taken)
        return Problem::nameTaken;
    added.append({id, absolute, AccountFolder::Origin::added, std::nullopt});
    accountStore::saveAddedAccounts(m_settings, added);
    rediscover();
    return std::nullopt;
}

std::optional<AccountRegistry::Problem> AccountRegistry::remove(const AccountID &id)
{
    QList<AccountFolder> added = accountStore::loadAddedAccounts(m_settings);
    if (added.removeIf([&](const AccountFolder &a) { return a.id == id; }) == 0)
        return folderOf(id) ? Problem::notAdded : Problem::unknownAccount;
    accountStore::saveAddedAccounts(m_settings, added);
    rediscover();
    return std::nullopt;
}

} // namespace quelta
