#pragma once

#include "AccountDiscovery.h"

#include <QObject>

#include <optional>

namespace quelta {

class SettingsStore;

// The accounts found on this computer and those added by hand, kept up to date for every view
// and command. Added folders are kept in the settings.
class AccountRegistry final : public QObject
{
    Q_OBJECT
public:
    // lastTracked: removing the folder would leave nothing tracked (the account books' answer).
    enum class Problem { folderMissing, noSignIn, nameInvalid, nameTaken, unknownAccount, notAdded, lastTracked };

    // `places` without added folders: those come from the settings.
    AccountRegistry(SettingsStore &settings, AccountSearchPlaces places, QObject *parent = nullptr);

    const FoundAccounts &found() const { return m_found; }
    std::optional<AccountFolder> folderOf(const AccountID &id) const { return m_found.folderOf(id); }
    const QString &home() const { return m_places.home; }

    // Looks through the folders again.
    void rediscover();
    // Adds the folder under `name`, or under the name its folder suggests when that is empty.
    std::optional<Problem> add(ProviderID provider, const QString &folder, const QString &name);
    std::optional<Problem> remove(const AccountID &id);

    // "work" for ~/.claude-work or ~/work; empty when the folder's name makes no account name.
    static QString suggestedName(const QString &folder);

Q_SIGNALS:
    void accountsChanged();

private:
    SettingsStore &m_settings;
    AccountSearchPlaces m_places;
    FoundAccounts m_found;
};

} // namespace quelta
