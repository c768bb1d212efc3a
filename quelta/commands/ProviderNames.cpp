#include "ProviderNames.h"

#include <QStringList>

namespace quelta {

QString commandName(ProviderID id)
{
    switch (id) {
    case ProviderID::codex:
        return QStringLiteral("chatgpt");
    case ProviderID::claudeCode:
        return QStringLiteral("claude");
    case ProviderID::framer:
        break;
    }
    return QStringLiteral("framer");
}

std::optional<ProviderID> providerNamed(const QString &typed)
{
    const QString name = typed.toLower();
    for (const ProviderID id : allCases<ProviderID>()) {
        if (commandName(id) == name)
            return id;
    }
    return std::nullopt;
}

QString commandName(const AccountID &id)
{
    return id.isDefault() ? commandName(id.provider) : commandName(id.provider) + QLatin1Char(':') + id.name;
}

std::optional<AccountID> accountNamed(const QString &typed)
{
    const qsizetype split = typed.indexOf(QLatin1Char(':'));
    const std::optional<ProviderID> provider = providerNamed(split < 0 ? typed : typed.left(split));
    if (!provider)
        return std::nullopt;
    if (split < 0)
        return AccountID(*provider);
    const QString name = typed.mid(split + 1);
    if (!isValidAccountName(name) || *provider == ProviderID::framer)
        return std::nullopt;
    return AccountID(*provider, name);
}

QString commandNameChoices()
{
    QStringList names;
    for (const ProviderID id : allCases<ProviderID>())
        names << commandName(id);
    return choiceList(names);
}

QString choiceList(QStringList names)
{
    const QString last = names.takeLast();
    return names.join(QStringLiteral(", ")) + QStringLiteral(" or ") + last;
}

} // namespace quelta
