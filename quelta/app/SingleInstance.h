#pragma once

#include <QDBusConnection>

#include <chrono>

namespace quelta::singleInstance {

// Who asks for the name: the tray app keeps it for good; a command yields it to a tray app that
// starts meanwhile, so that a status bar's watch never keeps the app from starting.
enum class Claimant { app, command };

// Claims app.quelta.Quelta on `bus` for this process. The bus decides: of two processes that try
// at once, exactly one gets it, and only the holder runs a monitor.
bool claim(QDBusConnection bus, Claimant claimant);

// For a launch that could not claim the name: waits in line for it and asks its holder to show
// its popover (or onboarding). True once the holder has answered, or `patience` has passed
// without an answer (a command holds the name): this process should exit. False when the holder
// went and the name came to this process instead: it runs.
bool handOver(QDBusConnection bus, std::chrono::milliseconds patience = std::chrono::seconds(30));

} // namespace quelta::singleInstance
