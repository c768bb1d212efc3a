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
