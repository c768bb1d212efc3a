#pragma once

#include "core/AccountID.h"
#include "core/ProviderAllowance.h"

#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QString>

#include <optional>

namespace quelta {

// A limit whose forecast is at risk, and what to say about it.
struct LimitAtRisk {
    QString limitName;
    // "At this pace it runs out in 2h 10m, 1h 5m before it resets."
    QString sentence;

    bool operator==(const LimitAtRisk &) const = default;
};

// One provider of the status document (see statusJson) as the command line's outputs show it.
// The document may come from the running app, so it is read, not rebuilt from a monitor.
struct StatusRow {
    ProviderID id = ProviderID::codex;
    QString name;
    QString percentText;
    QString subtitle;
    // Percent of the allowance left, 0 to 100; absent without a figure.
    std::optional<int> remainingShare;
    bool isStale = false;
    bool needsConnection = false;
    // A refresh failed, or the provider cannot be read.
    bool hasError = false;
    QList<LimitAtRisk> limitsAtRisk;

    bool operator==(const StatusRow &) const = default;
};

// The document's providers, with sentences told at `now`.
QList<StatusRow> statusRows(const QJsonObject &report, const QDateTime &now);
// The document with only the accounts `id` means: every account of its provider for a default
// account, else only that one.
QJsonObject keepingAccounts(const QJsonObject &report, const AccountID &id);

} // namespace quelta
