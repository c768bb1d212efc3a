#pragma once

#include "core/ProviderAllowance.h"

#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QString>

#include <optional>

namespace quelta {

// One rate-limit window of the Codex app-server's snapshot.
struct CodexWindow {
    QString id;
    QString name;
    int remaining = 100;
    std::optional<QDateTime> resetsAt;
    std::optional<double> windowDuration;

    bool operator==(const CodexWindow &) const = default;
};

// "5-hour limit", "Daily limit", "Weekly limit", "2-day limit", "2-hour limit" or "Usage limit".
QString codexWindowName(int minutes);

// The primary and secondary windows of one snapshot, under `limitId`.
QList<CodexWindow> codexWindows(const QJsonObject &snapshot, const QString &limitId);

// The ChatGPT allowance from the `result` of the rate-limits reply. Throws invalidResponse when
// it holds no snapshot at all.
ProviderAllowance codexAllowance(const QJsonObject &result, const QDateTime &now);

} // namespace quelta
