#pragma once

#include "ProviderAllowance.h"

#include <QHashFunctions>
#include <QString>

#include <optional>

namespace quelta {

// One account of a provider. The default account has no name; a provider alone means it, so a
// ProviderID converts to its default account.
struct AccountID {
    ProviderID provider = ProviderID::codex;
    // Empty for the default account.
    QString name;

    AccountID() = default;
    AccountID(ProviderID provider, QString name = {}) // NOLINT(google-explicit-constructor)
        : provider(provider)
        , name(std::move(name))
    {
    }

    bool isDefault() const { return name.isEmpty(); }
    bool operator==(const AccountID &) const = default;
    // Display order of the provider, then the default account, then by name.
    bool operator<(const AccountID &other) const;

    // The persisted form: the provider's raw value, then ":name" for a named account. Older
    // versions read only the bare provider, so they keep the default accounts' entries.
    QString rawValue() const;
    static std::optional<AccountID> fromRawValue(QStringView raw);
};

// The default account of every provider, in display order.
QList<AccountID> defaultAccounts();

// Letters, digits, "-", "_" and "."; nothing else, so a name never clashes with the separator.
bool isValidAccountName(QStringView name);

// "Claude" for the default account, "Claude · work" for a named one.
QString displayName(const AccountID &account);

inline AccountID accountOf(const ProviderAllowance &record)
{
    return {record.id, record.accountName};
}

inline size_t qHash(const AccountID &account, size_t seed = 0)
{
    return qHashMulti(seed, int(account.provider), account.name);
}

} // namespace quelta
