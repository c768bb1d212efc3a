#pragma once

#include "LogHandler.h"

#include <QMap>
#include <QString>
#include <QUrl>
#include <QUuid>

#include <functional>
#include <memory>
#include <optional>

class QNetworkAccessManager;

namespace telemetrydeck {
class ApplicationPresence;
}

namespace telemetrydeck {

class TelemetryClock;

using Parameters = QMap<QString, QString>;

// How the client behaves; shared by the manager and its parts, and changed in place.
struct TelemetryManagerConfiguration {
    explicit TelemetryManagerConfiguration(QString appID, QString salt = {},
                                           QUrl baseURL = QUrl(QStringLiteral("https://nom.telemetrydeck.com/")),
                                           std::optional<QString> namespaceName = std::nullopt);

    QString telemetryAppID;
    QUrl apiBaseURL;
    std::optional<QString> namespaceName;
    QString salt;
    std::optional<QString> defaultUser;
    std::optional<QString> defaultSignalPrefix;
    std::optional<QString> defaultParameterPrefix;
    // The application's build version ("buildNumber"); the application version when empty.
    QString buildVersion;
    std::function<Parameters()> defaultParameters = [] { return Parameters{}; };
    bool sendNewSessionBeganSignal = true;
    QUuid sessionID = QUuid::createUuid();
    // Not owned; the client makes its own when absent.
    QNetworkAccessManager *network = nullptr;
    int cacheLimit = 10'000;
    double transmitInterval = 10;
    double maxBackoffInterval = 300;
    std::optional<bool> testMode;
    std::optional<bool> previewMode;
    bool analyticsDisabled = false;
    bool reservedParameterWarningsEnabled = true;
    bool sessionStatsEnabled = true;
    std::optional<LogHandler> logHandler = LogHandler::standardError();
    QList<std::function<Parameters()>> metadataEnrichers;

    // Where the client keeps its user identifier, sessions and signal cache.
    QString storageDirectory;
    QString cacheDirectory;
    TelemetryClock *clock = nullptr;
    // The host's windows: screen facts and focus. None: no screen facts, active throughout.
    std::shared_ptr<ApplicationPresence> presence;

    // Preview mode as set, else from XCODE_RUNNING_FOR_PREVIEWS.
    bool isPreviewMode() const;
    bool isTestMode() const { return testMode.value_or(false); }
    // The base URL followed by "v2/" or "v2/namespace/<name>/"; invalid when it cannot be built.
    QUrl endpointURL() const;
    void log(LogLevel level, const QString &message) const;
};

using SharedConfiguration = std::shared_ptr<TelemetryManagerConfiguration>;

} // namespace telemetrydeck
