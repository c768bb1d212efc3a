#pragma once

#include "TelemetryManagerConfiguration.h"

#include <optional>

namespace telemetrydeck {

class TelemetryManager;

// The client's entry points. `signal` may be called from any thread; the work happens on the
// thread that called `initialize`.
namespace TelemetryDeck {

void initialize(SharedConfiguration configuration);
void signal(const QString &name, const Parameters &parameters = {}, std::optional<double> floatValue = std::nullopt,
            std::optional<QString> customUserID = std::nullopt);
void terminate();

// The current manager, for the application's own checks; null when not initialised.
TelemetryManager *currentManager();

} // namespace TelemetryDeck

} // namespace telemetrydeck
