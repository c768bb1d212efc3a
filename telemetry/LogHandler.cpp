#include "LogHandler.h"

#include <cstdio>

namespace telemetrydeck {

void LogHandler::log(LogLevel level, const QString &message) const
{
    if (level >= logLevel && handler)
        handler(level, message);
}

LogHandler LogHandler::standardError(LogLevel level)
{
    return LogHandler{level, [](LogLevel messageLevel, const QString &message) {
                          const QByteArray line = QStringLiteral("[TelemetryDeck: %1] %2\n").arg(levelName(messageLevel), message).toUtf8();
                          std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
                      }};
}

QString levelName(LogLevel level)
{
    switch (level) {
    case LogLevel::debug:
        return QStringLiteral("DEBUG");
    case LogLevel::info:
        return QStringLiteral("INFO");
    case LogLevel::error:
        return QStringLiteral("ERROR");
    }
    return {};
}

} // namespace telemetrydeck
