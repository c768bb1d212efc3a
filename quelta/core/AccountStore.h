#pragma once

#include "AccountFolder.h"

#include <QList>

namespace quelta {

class SettingsStore;

// Folders added by hand, kept in the settings. No read fails: unreadable entries are left out.
namespace accountStore {

inline constexpr const char *addedAccountsKey = "addedAccounts.v1";

QList<AccountFolder> loadAddedAccounts(const SettingsStore &store);
// False when the change could not be written.
bool saveAddedAccounts(SettingsStore &store, const QList<AccountFolder> &accounts);

} // namespace accountStore

} // namespace quelta
