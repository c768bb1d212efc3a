#pragma once

#include <QString>

#include <stdexcept>

namespace telemetrydeck {

class TelemetryError : public std::runtime_error
{
public:
    static TelemetryError encodeFailed(const QString &underlying)
    {
        return TelemetryError(QStringLiteral("Failed to encode signal batch: ") + underlying);
    }
    static TelemetryError invalidEndpointUrl() { return TelemetryError(QStringLiteral("Invalid endpoint URL")); }

private:
    explicit TelemetryError(const QString &message)
        : std::runtime_error(message.toStdString())
    {
    }
};

} // namespace telemetrydeck
