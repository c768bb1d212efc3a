#pragma once

#include "TelemetryManagerConfiguration.h"

#include <QDateTime>

namespace telemetrydeck {

class ApplicationPresence;

// What the client knows of the machine and the application, read once per client.
struct SystemFacts {
    QString systemVersion;       // "12"
    QString appVersion;
    QString buildNumber;
    QString modelName;
    QString architecture;
    QString locale;              // "en_GB"
    QString region;              // "GB"
    QString language;            // "en"
    QString preferredLanguage;
    QString timeZone;
    QString screenWidth;
    QString screenHeight;
    QString screenScale;
    bool darkColorScheme = false;
    bool rightToLeft = false;
    bool reduceMotion = false;

    // Facts of this process and desktop; the screen's only from a host with windows.
    static SystemFacts current(const ApplicationPresence *presence);
};

inline constexpr const char *clientVersion = "2.14.2";
inline constexpr const char *clientName = "QueltaTelemetryDeckClient";

// The parameters every signal carries, before enrichers and the signal's own.
Parameters defaultPayload(const SystemFacts &facts, const QDateTime &now);

} // namespace telemetrydeck
