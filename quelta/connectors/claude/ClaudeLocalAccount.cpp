#include "ClaudeLocalAccount.h"

#include "core/ReferenceDate.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include <cmath>

namespace quelta {

namespace {

constexpr double recentUsageWindow = 86'400;

bool hasRecentCachedUsage(const QJsonObject &root, const QDateTime &now)
{
    const QJsonValue cached = root.value(QLatin1String("cachedUsageUtilization"));
    if (!cached.isObject())
        return false;
    const QJsonValue fetchedAt = cached.toObject().value(QLatin1String("fetchedAtMs"));
    if (!fetchedAt.isDouble())
        return false;
    const double seconds = fetchedAt.toDouble() / 1000.0;
    return std::abs(secondsSince1970(now) - seconds) < recentUsageWindow;
}

bool isFreeAccount(const QJsonObject &root)
{
    const QJsonValue subscription = root.value(QLatin1String("hasAvailableSubscription"));
    if (!subscription.isBool() || subscription.toBool())
        return false;
    const QJsonValue account = root.value(QLatin1String("oauthAccount"));
    if (!account.isObject())
        return false;
    const QJsonValue billing = account.toObject().value(QLatin1String("billingType"));
    const QJsonValue seat = account.toObject().value(QLatin1String("seatTier"));
    if (!billing.isString() || billing.toString().compare(QLatin1String("none"), Qt::CaseInsensitive) != 0)
        return false;
    return !seat.isString() || seat.toString().isEmpty();
}

} // namespace

std::optional<ClaudeLocalAccount> ClaudeLocalAccount::read(const QString &path, const QDateTime &now)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return fromJson(file.readAll(), now);
}

std::optional<ClaudeLocalAccount> ClaudeLocalAccount::fromJson(const QByteArray &json, const QDateTime &now)
{
    const QJsonDocument document = QJsonDocument::fromJson(json);
    if (!document.isObject())
        return std::nullopt;
    const QJsonObject root = document.object();

    ClaudeLocalAccount account;
    account.isFree = isFreeAccount(root);
    const QJsonValue subscription = root.value(QLatin1String("hasAvailableSubscription"));
    account.hasSubscription = subscription.isBool() ? subscription.toBool() : hasRecentCachedUsage(root, now);
    return account;
}

} // namespace quelta
