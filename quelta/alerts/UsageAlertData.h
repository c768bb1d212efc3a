#pragma once

#include "core/AccountID.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

#include <optional>

namespace quelta {

// One history point of one metric.
struct UsageSample {
    QString metricKey;
    int remaining = 0;
    QDateTime timestamp;

    bool operator==(const UsageSample &) const = default;
};

// What the rules remember about one metric between refreshes.
struct MetricState {
    std::optional<int> lastRemaining;
    std::optional<QDateTime> lastResetAt;
    QSet<int> deliveredLowThresholds;
    std::optional<QDateTime> lastRapidAlertAt;
    std::optional<int> consecutiveRiskChecks;
    std::optional<int> consecutiveRecoveryChecks;
    std::optional<bool> deliveredPaceAlert;

    bool operator==(const MetricState &) const = default;
};

// What the rules hand to delivery.
struct UsageAlert {
    QString title;
    QString body;
    AccountID account;
    // Shown as critical, where the desktop distinguishes: the allowance is almost gone.
    bool critical = false;

    bool operator==(const UsageAlert &) const = default;
};

using MetricStates = QHash<QString, MetricState>;
using Snoozes = QHash<QString, QDateTime>;

// The stored forms: compact JSON, dates as seconds since 2001-01-01. Anything undecodable gives
// nothing, so that the caller starts empty.
QByteArray encodeSamples(const QList<UsageSample> &samples);
std::optional<QList<UsageSample>> decodeSamples(const QByteArray &data);
QByteArray encodeMetricStates(const MetricStates &states);
std::optional<MetricStates> decodeMetricStates(const QByteArray &data);
QByteArray encodeSnoozes(const Snoozes &snoozes);
std::optional<Snoozes> decodeSnoozes(const QByteArray &data);

} // namespace quelta
