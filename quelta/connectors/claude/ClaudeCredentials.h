#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace quelta {

// The Claude Code sign-in borrowed for the usage request. The token is never logged or stored.
struct ClaudeCredentials {
    QString accessToken;
    QString planName;

    // Absent unless `text` is a JSON object whose `claudeAiOauth` holds a non-empty token.
    static std::optional<ClaudeCredentials> parse(const QByteArray &text);
};

// "max" becomes "Max", "team plan" becomes "Team Plan".
QString capitalizedWords(const QString &text);

} // namespace quelta
