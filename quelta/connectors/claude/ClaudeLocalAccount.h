#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

namespace quelta {

// Subscription hints from Claude Code's own account file.
struct ClaudeLocalAccount {
    bool hasSubscription = false;
    bool isFree = false;

    bool operator==(const ClaudeLocalAccount &) const = default;

    // Absent when the file is missing, unreadable, not JSON or not an object.
    static std::optional<ClaudeLocalAccount> read(const QString &path, const QDateTime &now);
    static std::optional<ClaudeLocalAccount> fromJson(const QByteArray &json, const QDateTime &now);
};

} // namespace quelta
