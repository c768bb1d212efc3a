#pragma once

#include <QString>

#include <functional>

namespace telemetrydeck {

enum class LogLevel { debug, info, error };

// Receives the client's log lines at or above `logLevel`.
struct LogHandler {
    LogLevel logLevel = LogLevel::info;
    std::function<void(LogLevel, const QString &)> handler;

    void log(LogLevel level, const QString &message) const;

    // Writes "[TelemetryDeck: LEVEL] message" to standard error.
    static LogHandler standardError(LogLevel level = LogLevel::info);
};

QString levelName(LogLevel level);

} // namespace telemetrydeck
