#pragma once

#include "TelemetryManagerConfiguration.h"

namespace telemetrydeck {

// Every key that does not begin with exactly "TelemetryDeck." gets `prefix` in front.
Parameters prefixedParameters(const Parameters &parameters, const std::optional<QString> &prefix);

// The warnings for a signal type and parameter keys that clash with the service's own names.
QStringList reservedTypeWarnings(const QString &type);
QStringList reservedKeyWarnings(const Parameters &parameters);

} // namespace telemetrydeck
