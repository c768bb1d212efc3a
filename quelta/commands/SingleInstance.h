#pragma once

#include <QDBusConnection>

#include <chrono>

namespace quelta::singleInstance {

// Claims app.quelta.Quelta on `bus` for this tray app, for good. The bus decides: of two that try
// at once, exactly one gets it. Only the tray app ever holds the name, and it answers the whole
// interface on it; commands only ask its holder.
bool claim(QDBusConnection bus);

// For a launch that could not claim the name: waits in line for it and asks its holder to show
// its popover (or onboarding). True once the holder has answered, or `patience` has passed
// without an answer (the holder hangs): this process should exit. False when the holder
// went and the name came to this process instead: it runs.
bool handOver(QDBusConnection bus, std::chrono::milliseconds patience = std::chrono::seconds(30));

} // namespace quelta::singleInstance
