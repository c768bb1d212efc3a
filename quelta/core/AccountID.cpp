#include "AccountID.h"

#include <algorithm>

namespace quelta {

namespace {

constexpr QChar separator = QLatin1Char(':');

int orderOf(ProviderID id)
{
    return int(std::find(displayOrder.begin(), displayOrder.end(), id) - displayOrder.begin());
}

} // namespace

bool AccountID::operator<(const AccountID &other) const
{
    if (provider != other.provider)
        return orderOf(provider) < orderOf(other.provider);
    return name < other.name;
}

QString AccountID::rawValue() const
{
    const QString providerRaw = toRawValue(provider);
    return isDefault() ? providerRaw : providerRaw + separator + name;
}

std::optional<AccountID> AccountID::fromRawValue(QStringView raw)
{
    const qsizetype split = raw.indexOf(separator);
    const QStringView providerRaw = split < 0 ? raw : raw.left(split);
    const std::optional<ProviderID> provider = quelta::fromRawValue<ProviderID>(providerRaw);
    if (!provider)
        return std::nullopt;
    if (split < 0)
        return AccountID(*provider);
    const QStringView name = raw.mid(split + 1);
    if (name.isEmpty() || !isValidAccountName(name))
        return std::nullopt;
    return AccountID(*provider, name.toString());
}

QList<AccountID> defaultAccounts()
{
    return QList<AccountID>(displayOrder.begin(), displayOrder.end());
}

bool isValidAccountName(QStringView name)
{
    if (name.isEmpty() || name.size() > 64)
        return false;
    return std::all_of(name.begin(), name.end(), [](QChar c) {
        return (c.unicode() < 128 && c.isLetterOrNumber()) || c == QLatin1Char('-') || c == QLatin1Char('_') || c == QLatin1Char('.');
    });
}

QString displayName(const AccountID &account)
{
    const QString provider = displayName(account.provider);
    return account.isDefault() ? provider : provider + QStringLiteral(" \u00b7 ") + account.name;
}

} // namespace quelta
