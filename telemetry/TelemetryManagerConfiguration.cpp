#include "TelemetryManagerConfiguration.h"

#include "TelemetryClock.h"

#include <QStandardPaths>

namespace telemetrydeck {

TelemetryManagerConfiguration::TelemetryManagerConfiguration(QString appID, QString salt, QUrl baseURL,
                                                             std::optional<QString> namespaceName)
    : telemetryAppID(std::move(appID))
    , apiBaseURL(std::move(baseURL))
    , namespaceName(std::move(namespaceName))
    , salt(std::move(salt))
    , storageDirectory(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1String("/telemetrydeck"))
    , cacheDirectory(QStandardPaths::writableLocation(QStandardPaths::CacheLocation))
    , clock(&TelemetryClock::system())
{
}

bool TelemetryManagerConfiguration::isPreviewMode() const
{
    return previewMode.value_or(qEnvironmentVariable("XCODE_RUNNING_FOR_PREVIEWS") == QLatin1String("1"));
}

QUrl TelemetryManagerConfiguration::endpointURL() const
{
    QString text = apiBaseURL.toString();
    if (!text.endsWith(QLatin1Char('/')))
        text += QLatin1Char('/');
    text += QLatin1String("v2/");
    if (namespaceName && !namespaceName->isEmpty())
        text += QLatin1String("namespace/") + *namespaceName + QLatin1Char('/');
    return QUrl(text, QUrl::StrictMode);
}

void TelemetryManagerConfiguration::log(LogLevel level, const QString &message) const
{
    if (logHandler)
        logHandler->log(level, message);
}

} // namespace telemetrydeck
