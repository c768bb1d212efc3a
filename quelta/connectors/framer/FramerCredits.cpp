#include "FramerCredits.h"

#include "connectors/InternetDateTime.h"
#include "connectors/JsonArrays.h"
#include "core/ProviderConnectorError.h"
#include "platform/Quelta.h"

#include <QJsonArray>

#include <algorithm>
#include <cmath>

namespace quelta {

namespace {

using Kind = ProviderConnectorError::Kind;

constexpr double largestCount = 9'223'372'036'854'775'808.0; // 2^63

std::optional<double> numberAt(const QJsonObject &object, const char *key)
{
    const QJsonValue value = object.value(QLatin1String(key));
    return value.isDouble() ? std::optional(value.toDouble()) : std::nullopt;
}

std::optional<CreditGrant> readGrant(const QJsonObject &object)
{
    const std::optional<double> allocated = numberAt(object, "allocatedCredits");
    if (!allocated || !std::isfinite(*allocated) || *allocated < 0)
        return std::nullopt;
    const double consumed = numberAt(object, "consumedCredits").value_or(0);
    CreditGrant grant;
    grant.allocatedCredits = *allocated;
    grant.remainingCredits = numberAt(object, "remainingCredits").value_or(std::max(*allocated - consumed, 0.0));
    grant.validAt = parseInternetDateTime(object.value(QLatin1String("validAt")));
    grant.expiresAt = parseInternetDateTime(object.value(QLatin1String("expiresAt")));
    return grant;
}

std::optional<CreditFund> readFund(const QJsonObject &object, const QDateTime &now)
{
    const QJsonValue grants = object.value(QLatin1String("grants"));
    if (!isArrayOfObjects(grants))
        return std::nullopt;
    CreditFund fund;
    fund.type = object.value(QLatin1String("type")).toString();
    fund.renewsAt = parseInternetDateTime(object.value(QLatin1String("renewsAt")));
    for (const QJsonValue &entry : grants.toArray()) {
        const std::optional<CreditGrant> grant = readGrant(entry.toObject());
        if (grant && grant->isActive(now))
            fund.activeGrants.append(*grant);
    }
    return fund;
}

double largestAllocation(const CreditFund &fund)
{
    double largest = 0;
    for (const CreditGrant &grant : fund.activeGrants)
        largest = std::max(largest, grant.allocatedCredits);
    return largest;
}

// The project fund that renews next with the largest allocation; the first on a tie.
const CreditFund *selectedFund(const QList<CreditFund> &funds, const QDateTime &now)
{
    const CreditFund *selected = nullptr;
    for (const CreditFund &fund : funds) {
        if (fund.type != QLatin1String("project") || !fund.renewsAt || *fund.renewsAt <= now)
            continue;
        if (!selected || largestAllocation(fund) > largestAllocation(*selected))
            selected = &fund;
    }
    return selected;
}

std::optional<QDateTime> resetDateOf(const CreditFund *fund)
{
    if (!fund)
        return std::nullopt;
    if (fund->renewsAt)
        return fund->renewsAt;
    std::optional<QDateTime> earliest;
    for (const CreditGrant &grant : fund->activeGrants) {
        if (grant.expiresAt && (!earliest || *grant.expiresAt < *earliest))
            earliest = grant.expiresAt;
    }
    return earliest;
}

std::optional<double> windowDurationOf(const CreditFund *fund)
{
    if (!fund || !fund->renewsAt)
        return std::nullopt;
    std::optional<QDateTime> latestStart;
    for (const CreditGrant &grant : fund->activeGrants) {
        if (grant.validAt && (!latestStart || *grant.validAt > *latestStart))
            latestStart = grant.validAt;
    }
    if (!latestStart)
        return std::nullopt;
    return double(latestStart->msecsTo(*fund->renewsAt)) / 1000.0;
}

} // namespace

bool CreditGrant::isActive(const QDateTime &now) const
{
    return (!validAt || *validAt <= now) && (!expiresAt || *expiresAt > now);
}

QList<CreditFund> readCreditFunds(const QJsonObject &result, const QDateTime &now)
{
    const QJsonValue funds = result.value(QLatin1String("funds"));
    if (!isArrayOfObjects(funds))
        throw ProviderConnectorError(Kind::processFailed);
    QList<CreditFund> readable;
    for (const QJsonValue &entry : funds.toArray()) {
        if (std::optional<CreditFund> fund = readFund(entry.toObject(), now))
            readable.append(*fund);
    }
    return readable;
}

int wholePercentage(double part, double whole)
{
    // Floating-point division first would show 28 % for 29 of 100.
    if (std::trunc(part) == part && std::trunc(whole) == whole) {
        __extension__ using Wide = unsigned __int128;
        return int(Wide(quint64(part)) * 100 / Wide(quint64(whole)));
    }
    return std::clamp(int(std::floor(static_cast<long double>(part) * 100 / whole)), 0, 100);
}

ProviderAllowance framerAllowance(const QJsonObject &result, const QDateTime &now, const QLocale &locale)
{
    const QList<CreditFund> funds = readCreditFunds(result, now);
    const CreditFund *selected = selectedFund(funds, now);

    double total = 0;
    if (selected) {
        total = largestAllocation(*selected);
    } else {
        for (const CreditFund &fund : funds)
            total = std::max(total, largestAllocation(fund));
    }
    if (!(total > 0))
        throw ProviderConnectorError(Kind::processFailed);

    double remaining = 0;
    for (const CreditFund &fund : funds) {
        for (const CreditGrant &grant : fund.activeGrants)
            remaining += grant.remainingCredits;
    }
    remaining = numberAt(result, "availableCredits").value_or(remaining);

    const double shown = std::max(remaining, 0.0);
    if (!std::isfinite(total) || !std::isfinite(shown) || !(total < largestCount) || !(shown < largestCount))
        throw ProviderConnectorError(Kind::invalidResponse);
    const double base = std::min(shown, total);
    const int percentage = wholePercentage(base, total);
    const qint64 count = qint64(std::trunc(shown));

    const std::optional<QDateTime> resetDate = resetDateOf(selected);
    const QString detail = resetDate
        ? Quelta::tr("Resets on %1")
              .arg(QLocale().toString(resetDate->toLocalTime().date(), Quelta::tr("d MMM", "day and month")))
        : Quelta::tr("Reset time unavailable");

    ProviderLimit limit;
    limit.id = QStringLiteral("credits-left");
    limit.name = QStringLiteral("Credits left");
    limit.value = locale.toString(count);
    limit.percentage = percentage;
    limit.percentageStyle = AllowancePercentageStyle::remaining;
    limit.detail = detail;
    limit.resetsAt = resetDate;
    limit.windowDuration = windowDurationOf(selected);

    ProviderAllowance allowance = ProviderAllowance::failure(ProviderID::framer, detail, ConnectionState::connected);
    allowance.remaining = percentage;
    allowance.limits = {limit};
    return allowance;
}

} // namespace quelta
