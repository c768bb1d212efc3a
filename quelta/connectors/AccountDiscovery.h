#pragma once

#include "core/AccountFolder.h"

#include <QList>
#include <QMap>
#include <QString>

namespace quelta {

// Where accounts are looked for: the user's home, the environment Quelta was started with, and
// the folders added by hand. `current()` is this process's; tests pass their own.
struct AccountSearchPlaces {
    QString home;
    QMap<QString, QString> environment;
    QList<AccountFolder> added;

    static AccountSearchPlaces current(QList<AccountFolder> added);
};

// A folder left out because another one signs in the same account.
struct FoldedAccount {
    AccountFolder folder;
    QString keptFolder;
    QString reason;

    bool operator==(const FoldedAccount &) const = default;
};

struct FoundAccounts {
    // Grouped by provider in display order, the default account first, the others by name.
    QList<AccountFolder> accounts;
    QList<FoldedAccount> folded;

    bool operator==(const FoundAccounts &) const = default;

    std::optional<AccountFolder> folderOf(const AccountID &id) const;
};

// Claude Code folders: $CLAUDE_CONFIG_DIR or ~/.claude, and every ~/.claude-<name> holding
// .credentials.json; Codex homes: $CODEX_HOME or ~/.codex, and every ~/.codex-<name> holding
// auth.json; Framer's one account; then the added folders whose names are still free. Of the
// folders that sign in one account, the default one is kept, else the one found first.
FoundAccounts discoverAccounts(const AccountSearchPlaces &places);

// The folder's sign-in file: Claude Code's .credentials.json, Codex's auth.json.
QString signInFilePath(ProviderID provider, const QString &folder);

// Reads who is signed in through the folder.
std::optional<QString> identityOf(ProviderID provider, const QString &folder, const QString &home);

} // namespace quelta
