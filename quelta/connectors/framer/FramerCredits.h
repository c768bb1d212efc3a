#pragma once

#include "core/ProviderAllowance.h"

#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QLocale>
#include <QString>

#include <optional>

namespace quelta {

struct CreditGrant {
    double allocatedCredits = 0;
    double remainingCredits = 0;
    std::optional<QDateTime> validAt;
    std::optional<QDateTime> expiresAt;

    bool operator==(const CreditGrant &) const = default;
    bool isActive(const QDateTime &now) const;
};

struct CreditFund {
    QString type;
    std::optional<QDateTime> renewsAt;
    // Only the grants active when the fund was read.
    QList<CreditGrant> activeGrants;

    bool operator==(const CreditFund &) const = default;
};

// The readable funds of a credits answer; throws processFailed when `funds` is not an array of
// objects.
QList<CreditFund> readCreditFunds(const QJsonObject &result, const QDateTime &now);

// ⌊part × 100 ÷ whole⌋, exact for whole figures; `part` lies between 0 and `whole` (> 0), both below 2^63.
int wholePercentage(double part, double whole);

// The Framer allowance from the page script's answer. Counts are grouped per `locale`.
ProviderAllowance framerAllowance(const QJsonObject &result, const QDateTime &now, const QLocale &locale = QLocale());

} // namespace quelta
