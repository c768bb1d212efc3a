#include "CodexRateLimits.h"

#include "connectors/NumericValue.h"
#include "connectors/ResetCountdownText.h"
#include "core/ProviderConnectorError.h"
#include "core/ReferenceDate.h"
#include "platform/Quelta.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace quelta {

namespace {

constexpr double latestResetSeconds = 253'402'300'799; // 9999-12-31T23:59:59Z
constexpr double minutesPerYear = 525'600;
constexpr double resetCreditsCeiling = 1'000'000;

std::optional<QDateTime> resetTimeOf(const QJsonValue &value)
{
    if (!value.isDouble())
        return std::nullopt;
    const double seconds = value.toDouble();
    if (!(seconds >= 0 && seconds <= latestResetSeconds))
        return std::nullopt;
    return dateFromSecondsSince1970(seconds);
}

std::optional<int> minutesOf(const QJsonValue &value)
{
    if (!value.isDouble())
        return std::nullopt;
    const double minutes = value.toDouble();
    // Truncated to whole minutes, a window under one minute would read as a 0-day limit.
    if (!(minutes >= 1 && minutes < minutesPerYear))
        return std::nullopt;
    return int(std::trunc(minutes));
}

int remainingOf(double used)
{
    if (!(used > 0))
        return 100;
    return int(std::trunc(100.0 - std::min(used, 100.0)));
}

std::optional<CodexWindow> windowOf(const QJsonObject &snapshot, const QString &key, const QString &limitId)
{
    const QJsonValue value = snapshot.value(key);
    if (!value.isObject())
        return std::nullopt;
    const QJsonObject window = value.toObject();
    const std::optional<double> used = numericValue(window.value(QLatin1String("usedPercent")));
    if (!used)
        return std::nullopt;

    CodexWindow result;
    result.id = limitId + QLatin1Char('-') + key;
    result.remaining = remainingOf(*used);
    result.resetsAt = resetTimeOf(window.value(QLatin1String("resetsAt")));
    const std::optional<int> minutes = minutesOf(window.value(QLatin1String("windowDurationMins")));
    result.name = minutes ? codexWindowName(*minutes) : QStringLiteral("Usage limit");
    if (minutes)
        result.windowDuration = double(*minutes) * 60;
    const QJsonValue limitName = snapshot.value(QLatin1String("limitName"));
    if (limitName.isString())
        result.name = limitName.toString() + QStringLiteral(" · ") + result.name;
    return result;
}

ProviderLimit providerLimitOf(const CodexWindow &window, const QDateTime &now)
{
    const std::optional<QString> detail =
        window.resetsAt ? std::optional(resetCountdownText(*window.resetsAt, now)) : std::nullopt;
    return ProviderLimit::remainingPercent(window.id, window.name, window.remaining, detail, window.resetsAt,
                                           window.windowDuration);
}

std::optional<ProviderLimit> resetCreditsLimit(const QJsonObject &result)
{
    const QJsonValue credits = result.value(QLatin1String("rateLimitResetCredits"));
    if (!credits.isObject())
        return std::nullopt;
    const QJsonValue count = credits.toObject().value(QLatin1String("availableCount"));
    if (!count.isDouble())
        return std::nullopt;
    const double available = count.toDouble();
    if (!(available >= 0 && available < resetCreditsCeiling) || int(std::trunc(available)) <= 0)
        return std::nullopt;
    ProviderLimit limit;
    limit.id = QStringLiteral("full-resets");
    limit.name = QStringLiteral("Full resets available");
    limit.value = QString::number(int(std::trunc(available)));
    return limit;
}

ProviderAllowance chatGptAllowance(const QString &detail)
{
    return ProviderAllowance::failure(ProviderID::codex, detail, ConnectionState::connected);
}

QList<CodexWindow> windowsOfResult(const QJsonObject &result)
{
    const QJsonValue defaultValue = result.value(QLatin1String("rateLimits"));
    const QJsonObject defaultSnapshot = defaultValue.isObject() ? defaultValue.toObject() : QJsonObject();
    const QJsonValue byLimitId = result.value(QLatin1String("rateLimitsByLimitId"));
    if (defaultSnapshot.isEmpty() && !byLimitId.isObject())
        throw ProviderConnectorError(ProviderConnectorError::Kind::invalidResponse);

    if (byLimitId.isObject() && !byLimitId.toObject().isEmpty()) {
        // QJsonObject keeps its keys in ascending order.
        QList<CodexWindow> windows;
        const QJsonObject snapshots = byLimitId.toObject();
        for (auto it = snapshots.begin(); it != snapshots.end(); ++it) {
            if (it.value().isObject())
                windows += codexWindows(it.value().toObject(), it.key());
        }
        return windows;
    }
    const QJsonValue limitId = defaultSnapshot.value(QLatin1String("limitId"));
    return codexWindows(defaultSnapshot, limitId.isString() ? limitId.toString() : QStringLiteral("codex"));
}

} // namespace

QString codexWindowName(int minutes)
{
    if (minutes == 300)
        return QStringLiteral("5-hour limit");
    if (minutes == 1440)
        return QStringLiteral("Daily limit");
    if (minutes == 10080)
        return QStringLiteral("Weekly limit");
    if (minutes % 1440 == 0)
        return QString::number(minutes / 1440) + QStringLiteral("-day limit");
    if (minutes % 60 == 0)
        return QString::number(minutes / 60) + QStringLiteral("-hour limit");
    return QStringLiteral("Usage limit");
}

QList<CodexWindow> codexWindows(const QJsonObject &snapshot, const QString &limitId)
{
    QList<CodexWindow> windows;
    for (const QString &key : {QStringLiteral("primary"), QStringLiteral("secondary")}) {
        if (std::optional<CodexWindow> window = windowOf(snapshot, key, limitId))
            windows.append(*window);
    }
    return windows;
}

ProviderAllowance codexAllowance(const QJsonObject &result, const QDateTime &now)
{
    const QList<CodexWindow> windows = windowsOfResult(result);
    if (windows.isEmpty())
        return chatGptAllowance(Quelta::tr("Connected · limits not reported yet"));

    // The tightest window leads; on a tie the earlier one.
    const CodexWindow &headline = *std::min_element(windows.begin(), windows.end(), [](const CodexWindow &a, const CodexWindow &b) {
        return a.remaining < b.remaining;
    });
    ProviderAllowance allowance = chatGptAllowance(
        headline.resetsAt ? resetCountdownText(*headline.resetsAt, now) : Quelta::tr("Connected · reset time unavailable"));
    allowance.remaining = headline.remaining;
    for (const CodexWindow &window : windows)
        allowance.limits.append(providerLimitOf(window, now));
    if (std::optional<ProviderLimit> credits = resetCreditsLimit(result))
        allowance.limits.append(*credits);
    return allowance;
}

} // namespace quelta
