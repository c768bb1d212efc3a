#pragma once

#include "connectors/AccountRegistry.h"

#include <optional>

namespace quelta {

// What `quelta accounts` and the settings read and change: the stored settings of a run without
// Quelta (StoredAccounts), or the running Quelta's own accounts and monitor (AccountChanges).
class AccountBook
{
public:
    virtual ~AccountBook() = default;

    virtual const AccountRegistry &registry() const = 0;
    virtual bool isTracked(const AccountID &id) const = 0;
    // Added untracked, as a found folder is.
    virtual std::optional<AccountRegistry::Problem> add(ProviderID provider, const QString &folder, const QString &name) = 0;
    // Untracks the account first, so that nothing tracked is left without a folder.
    virtual std::optional<AccountRegistry::Problem> remove(const AccountID &id) = 0;
    // False when the account is the last one tracked: one always stays.
    virtual bool track(const AccountID &id, bool on) = 0;
};

} // namespace quelta
