#include "ReservedNames.h"

#include <QSet>

namespace telemetrydeck {

namespace {

const QString ownPrefix = QStringLiteral("TelemetryDeck.");

const QSet<QString> &reservedNames()
{
    static const QSet<QString> names = [] {
        const QStringList list{
            QStringLiteral("type"), QStringLiteral("clientUser"), QStringLiteral("appID"), QStringLiteral("sessionID"),
            QStringLiteral("floatValue"), QStringLiteral("newSessionBegan"), QStringLiteral("platform"),
            QStringLiteral("systemVersion"), QStringLiteral("majorSystemVersion"), QStringLiteral("majorMinorSystemVersion"),
            QStringLiteral("appVersion"), QStringLiteral("buildNumber"), QStringLiteral("isSimulator"), QStringLiteral("isDebug"),
            QStringLiteral("isTestFlight"), QStringLiteral("isAppStore"), QStringLiteral("modelName"),
            QStringLiteral("architecture"), QStringLiteral("operatingSystem"), QStringLiteral("targetEnvironment"),
            QStringLiteral("locale"), QStringLiteral("region"), QStringLiteral("appLanguage"),
            QStringLiteral("preferredLanguage"), QStringLiteral("telemetryClientVersion")};
        QSet<QString> lower;
        for (const QString &name : list)
            lower.insert(name.toLower());
        return lower;
    }();
    return names;
}

bool hasOwnPrefix(const QString &name)
{
    return name.toLower().startsWith(ownPrefix.toLower());
}

} // namespace

Parameters prefixedParameters(const Parameters &parameters, const std::optional<QString> &prefix)
{
    if (!prefix)
        return parameters;
    Parameters prefixed;
    for (auto it = parameters.begin(); it != parameters.end(); ++it)
        prefixed.insert(it.key().startsWith(ownPrefix) ? it.key() : *prefix + it.key(), it.value());
    return prefixed;
}

QStringList reservedTypeWarnings(const QString &type)
{
    if (hasOwnPrefix(type))
        return {QStringLiteral("Sending signal with reserved prefix 'TelemetryDeck.' will cause unexpected behavior. Please use another prefix instead.")};
    if (reservedNames().contains(type.toLower()))
        return {QStringLiteral("Sending signal with reserved name '%1' will cause unexpected behavior. Please use another name instead.").arg(type)};
    return {};
}

QStringList reservedKeyWarnings(const Parameters &parameters)
{
    QStringList warnings;
    for (auto it = parameters.begin(); it != parameters.end(); ++it) {
        if (hasOwnPrefix(it.key()))
            warnings << QStringLiteral("Sending parameter with reserved key prefix 'TelemetryDeck.' will cause unexpected behavior. Please use another prefix instead.");
        else if (reservedNames().contains(it.key().toLower()))
            warnings << QStringLiteral("Sending parameter with reserved key '%1' will cause unexpected behavior. Please use another key instead.").arg(it.key());
    }
    return warnings;
}

} // namespace telemetrydeck
