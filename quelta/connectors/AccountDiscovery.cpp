#include "AccountDiscovery.h"

#include "AccountIdentity.h"

#include "platform/Quelta.h"

#include <QDir>
#include <QProcessEnvironment>

namespace quelta {

namespace {

struct ToolFolders {
    ProviderID provider;
    const char *environmentVariable;
    const char *folderName;
};

constexpr std::array toolFolders{
    ToolFolders{ProviderID::codex, "CODEX_HOME", ".codex"},
    ToolFolders{ProviderID::claudeCode, "CLAUDE_CONFIG_DIR", ".claude"},
};

QList<AccountFolder> foldersOf(const ToolFolders &tool, const AccountSearchPlaces &places)
{
    const QString configured = places.environment.value(QLatin1String(tool.environmentVariable));
    const QString standard = configured.isEmpty() ? places.home + QLatin1Char('/') + QLatin1String(tool.folderName) : configured;
    QList<AccountFolder> folders{{AccountID(tool.provider), standard, AccountFolder::Origin::standard, std::nullopt}};

    const QString prefix = QLatin1String(tool.folderName) + QLatin1Char('-');
    const QDir home(places.home);
    // Filtered by hand: a name filter would load the pattern engine into every start.
    const QStringList entries = home.entryList(QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString &entry : entries) {
        if (!entry.startsWith(prefix))
            continue;
        const QString name = entry.mid(prefix.size());
        const QString folder = home.filePath(entry);
        if (!isValidAccountName(name) || folder == standard || !QFileInfo(signInFilePath(tool.provider, folder)).isFile())
            continue;
        folders.append({AccountID(tool.provider, name), folder, AccountFolder::Origin::found, std::nullopt});
    }
    return folders;
}

QString foldingReason(const AccountFolder &kept)
{
    switch (kept.origin) {
    case AccountFolder::Origin::standard:
        return Quelta::tr("the same account as the default folder %1, which is kept").arg(kept.folder);
    case AccountFolder::Origin::found:
    case AccountFolder::Origin::added:
        break;
    }
    return Quelta::tr("the same account as %1, which was found first and is kept").arg(kept.folder);
}

// Keeps the first folder of each identity; folders without one cannot be matched and stay.
FoundAccounts folded(const QList<AccountFolder> &candidates)
{
    FoundAccounts found;
    QMap<std::pair<ProviderID, QString>, AccountFolder> keptByIdentity;
    for (const AccountFolder &folder : candidates) {
        if (folder.identity) {
            const auto key = std::pair(folder.id.provider, *folder.identity);
            if (const auto kept = keptByIdentity.constFind(key); kept != keptByIdentity.constEnd()) {
                found.folded.append({folder, kept->folder, foldingReason(*kept)});
                continue;
            }
            keptByIdentity.insert(key, folder);
        }
        found.accounts.append(folder);
    }
    return found;
}

} // namespace

AccountSearchPlaces AccountSearchPlaces::current(QList<AccountFolder> added)
{
    const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    QMap<QString, QString> variables;
    for (const ToolFolders &tool : toolFolders) {
        const QString name = QLatin1String(tool.environmentVariable);
        if (environment.contains(name))
            variables.insert(name, environment.value(name));
    }
    return {QDir::homePath(), variables, std::move(added)};
}

std::optional<AccountFolder> FoundAccounts::folderOf(const AccountID &id) const
{
    for (const AccountFolder &account : accounts) {
        if (account.id == id)
            return account;
    }
    return std::nullopt;
}

QString signInFilePath(ProviderID provider, const QString &folder)
{
    return folder + (provider == ProviderID::claudeCode ? QLatin1String("/.credentials.json") : QLatin1String("/auth.json"));
}

std::optional<QString> identityOf(ProviderID provider, const QString &folder, const QString &home)
{
    switch (provider) {
    case ProviderID::claudeCode:
        return accountIdentity::claude(accountIdentity::claudeAccountFilePath(folder, home));
    case ProviderID::codex:
        return accountIdentity::codex(folder);
    case ProviderID::framer:
        break;
    }
    return std::nullopt;
}

FoundAccounts discoverAccounts(const AccountSearchPlaces &places)
{
    QList<AccountFolder> candidates{{AccountID(ProviderID::framer), {}, AccountFolder::Origin::standard, std::nullopt}};
    for (const ToolFolders &tool : toolFolders)
        candidates += foldersOf(tool, places);
    for (const AccountFolder &added : places.added) {
        const bool nameTaken = std::any_of(candidates.begin(), candidates.end(), [&](const AccountFolder &c) { return c.id == added.id; });
        if (!nameTaken)
            candidates.append(added);
    }
    for (AccountFolder &candidate : candidates)
        candidate.identity = identityOf(candidate.id.provider, candidate.folder, places.home);
    // Defaults first, so that a default folder is always the one kept.
    std::stable_sort(candidates.begin(), candidates.end(), [](const AccountFolder &a, const AccountFolder &b) {
        if (a.id.isDefault() != b.id.isDefault())
            return a.id.isDefault();
        return a.origin < b.origin;
    });
    FoundAccounts found = folded(candidates);
    std::stable_sort(found.accounts.begin(), found.accounts.end(), [](const AccountFolder &a, const AccountFolder &b) { return a.id < b.id; });
    return found;
}

} // namespace quelta
