#include "CommandOptions.h"

namespace quelta {

bool isOption(const QString &argument, QLatin1StringView name)
{
    return argument == name || argument.startsWith(name + QLatin1Char('='));
}

std::optional<QString> optionValue(const QStringList &arguments, qsizetype &index)
{
    const QString &argument = arguments[index];
    const qsizetype equals = argument.indexOf(QLatin1Char('='));
    if (equals >= 0)
        return argument.mid(equals + 1);
    if (index + 1 >= arguments.size())
        return std::nullopt;
    return arguments[++index];
}

} // namespace quelta
