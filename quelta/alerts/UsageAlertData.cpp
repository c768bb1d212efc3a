#include "UsageAlertData.h"

#include "core/JsonObjectReader.h"
#include "core/ReferenceDate.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace quelta {

namespace {

QByteArray compact(const QJsonDocument &document)
{
    return document.toJson(QJsonDocument::Compact);
}

std::optional<QDateTime> optionalDate(JsonObjectReader &reader, const QString &key)
{
    const std::optional<double> seconds = reader.optionalNumber(key);
    return seconds ? readableDateSinceReferenceDate(*seconds) : std::nullopt;
}

QJsonObject stateObject(const MetricState &state)
{
    QJsonObject object;
    if (state.lastRemaining)
        object.insert(QStringLiteral("lastRemaining"), *state.lastRemaining);
    if (state.lastResetAt)
        object.insert(QStringLiteral("lastResetAt"), secondsSinceReferenceDate(*state.lastResetAt));
    QList<int> thresholds = state.deliveredLowThresholds.values();
    std::sort(thresholds.begin(), thresholds.end());
    QJsonArray delivered;
    for (int threshold : thresholds)
        delivered.append(threshold);
    object.insert(QStringLiteral("deliveredLowThresholds"), delivered);
    if (state.lastRapidAlertAt)
        object.insert(QStringLiteral("lastRapidAlertAt"), secondsSinceReferenceDate(*state.lastRapidAlertAt));
    if (state.consecutiveRiskChecks)
        object.insert(QStringLiteral("consecutiveRiskChecks"), *state.consecutiveRiskChecks);
    if (state.consecutiveRecoveryChecks)
        object.insert(QStringLiteral("consecutiveRecoveryChecks"), *state.consecutiveRecoveryChecks);
    if (state.deliveredPaceAlert)
        object.insert(QStringLiteral("deliveredPaceAlert"), *state.deliveredPaceAlert);
    return object;
}

std::optional<MetricState> stateFrom(const QJsonValue &value)
{
    if (!value.isObject())
        return std::nullopt;
    const QJsonObject object = value.toObject();
    const QJsonValue delivered = object.value(QLatin1String("deliveredLowThresholds"));
    if (!delivered.isArray())
        return std::nullopt;
    MetricState state;
    for (const QJsonValue &threshold : delivered.toArray()) {
        if (!threshold.isDouble() || threshold.toDouble() != double(threshold.toInt()))
            return std::nullopt;
        state.deliveredLowThresholds.insert(threshold.toInt());
    }
    JsonObjectReader reader(object);
    state.lastRemaining = reader.optionalInteger(QStringLiteral("lastRemaining"));
    state.lastResetAt = optionalDate(reader, QStringLiteral("lastResetAt"));
    state.lastRapidAlertAt = optionalDate(reader, QStringLiteral("lastRapidAlertAt"));
    state.consecutiveRiskChecks = reader.optionalInteger(QStringLiteral("consecutiveRiskChecks"));
    state.consecutiveRecoveryChecks = reader.optionalInteger(QStringLiteral("consecutiveRecoveryChecks"));
    const QJsonValue pace = object.value(QLatin1String("deliveredPaceAlert"));
    if (!pace.isUndefined() && !pace.isBool())
        return std::nullopt;
    if (pace.isBool())
        state.deliveredPaceAlert = pace.toBool();
    if (!reader.isValid())
        return std::nullopt;
    return state;
}

} // namespace

QByteArray encodeSamples(const QList<UsageSample> &samples)
{
    QJsonArray array;
    for (const UsageSample &sample : samples) {
        array.append(QJsonObject{{QStringLiteral("metricKey"), sample.metricKey},
                                 {QStringLiteral("remaining"), sample.remaining},
                                 {QStringLiteral("timestamp"), secondsSinceReferenceDate(sample.timestamp)}});
    }
    return compact(QJsonDocument(array));
}

std::optional<QList<UsageSample>> decodeSamples(const QByteArray &data)
{
    const QJsonDocument document = QJsonDocument::fromJson(data);
    if (!document.isArray())
        return std::nullopt;
    QList<UsageSample> samples;
    for (const QJsonValue &value : document.array()) {
        if (!value.isObject())
            return std::nullopt;
        JsonObjectReader reader(value.toObject());
        UsageSample sample;
        sample.metricKey = reader.requiredString(QStringLiteral("metricKey"));
        const std::optional<int> remaining = reader.optionalInteger(QStringLiteral("remaining"));
        const std::optional<QDateTime> timestamp = readableDateSinceReferenceDate(reader.requiredNumber(QStringLiteral("timestamp")));
        if (!reader.isValid() || !remaining || !timestamp)
            return std::nullopt;
        sample.timestamp = *timestamp;
        sample.remaining = *remaining;
        samples.append(sample);
    }
    return samples;
}

QByteArray encodeMetricStates(const MetricStates &states)
{
    QJsonObject object;
    for (auto it = states.begin(); it != states.end(); ++it)
        object.insert(it.key(), stateObject(it.value()));
    return compact(QJsonDocument(object));
}

std::optional<MetricStates> decodeMetricStates(const QByteArray &data)
{
    const QJsonDocument document = QJsonDocument::fromJson(data);
    if (!document.isObject())
        return std::nullopt;
    MetricStates states;
    const QJsonObject object = document.object();
    for (auto it = object.begin(); it != object.end(); ++it) {
        std::optional<MetricState> state = stateFrom(it.value());
        if (!state)
            return std::nullopt;
        states.insert(it.key(), *state);
    }
    return states;
}

QByteArray encodeSnoozes(const Snoozes &snoozes)
{
    QJsonObject object;
    for (auto it = snoozes.begin(); it != snoozes.end(); ++it)
        object.insert(it.key(), secondsSinceReferenceDate(it.value()));
    return compact(QJsonDocument(object));
}

std::optional<Snoozes> decodeSnoozes(const QByteArray &data)
{
    const QJsonDocument document = QJsonDocument::fromJson(data);
    if (!document.isObject())
        return std::nullopt;
    Snoozes snoozes;
    const QJsonObject object = document.object();
    for (auto it = object.begin(); it != object.end(); ++it) {
        const std::optional<QDateTime> until = it.value().isDouble() ? readableDateSinceReferenceDate(it.value().toDouble()) : std::nullopt;
        if (!until)
            return std::nullopt;
        snoozes.insert(it.key(), *until);
    }
    return snoozes;
}

} // namespace quelta
