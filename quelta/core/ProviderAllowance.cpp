#include "ProviderAllowance.h"

#include "AccountID.h"

#include "platform/Quelta.h"

#include <algorithm>

namespace quelta {

QString displayName(ProviderID id)
{
    switch (id) {
    case ProviderID::codex:
        return QStringLiteral("ChatGPT");
    case ProviderID::claudeCode:
        return QStringLiteral("Claude");
    case ProviderID::framer:
        return QStringLiteral("Framer");
    }
    return {};
}

QString assetName(ProviderID id)
{
    switch (id) {
    case ProviderID::codex:
        return QStringLiteral("Codex");
    case ProviderID::claudeCode:
        return QStringLiteral("Anthropic");
    case ProviderID::framer:
        return QStringLiteral("Framer");
    }
    return {};
}

std::optional<ProviderLimit> ProviderAllowance::displayedLimit() const
{
    if (displayedLimitID && !limits.isEmpty()) {
        const auto found = std::find_if(limits.begin(), limits.end(),
                                        [&](const ProviderLimit &limit) { return limit.id == *displayedLimitID; });
        if (found != limits.end())
            return *found;
    }

    const std::optional<int> target = displayPercentage ? displayPercentage : remaining;
    QList<ProviderLimit> candidates;
    std::copy_if(limits.begin(), limits.end(), std::back_inserter(candidates), [&](const ProviderLimit &limit) {
        return limit.percentage == target && limit.percentageStyle == percentageStyle;
    });
    if (candidates.isEmpty())
        return std::nullopt;
    const auto sameDetail = std::find_if(candidates.begin(), candidates.end(),
                                         [&](const ProviderLimit &limit) { return limit.detail == detail; });
    return sameDetail != candidates.end() ? *sameDetail : candidates.first();
}

ProviderAllowance ProviderAllowance::applyingTrackedLimit(ClaudeTrackedLimit tracked) const
{
    if (id != ProviderID::claudeCode || connectionState != ConnectionState::connected)
        return *this;

    ProviderAllowance result = *this;
    result.percentageStyle = AllowancePercentageStyle::remaining;
    result.connectionState = ConnectionState::connected;

    const auto match = std::find_if(limits.begin(), limits.end(), [&](const ProviderLimit &limit) {
        return claudeTrackedLimitMatches(tracked, limit.name);
    });
    if (match == limits.end()) {
        result.detail = claudeTrackedLimitUnavailableDetail(tracked);
        result.remaining.reset();
        result.displayPercentage.reset();
        result.displayedLimitID.reset();
        return result;
    }

    std::optional<int> percent = match->percentage;
    if (percent && match->percentageStyle == AllowancePercentageStyle::used)
        percent = 100 - *percent;
    if (match->detail)
        result.detail = *match->detail;
    else
        result.detail = percent == 100 ? Quelta::tr("No usage yet") : Quelta::tr("Reset time unavailable");
    result.remaining = percent;
    result.displayPercentage = percent;
    result.displayedLimitID = match->id;
    return result;
}

ProviderAllowance ProviderAllowance::forAccount(const QString &account) const
{
    ProviderAllowance named = *this;
    named.accountName = account;
    named.name = displayName(AccountID(id, account));
    return named;
}

std::optional<ProviderAllowance> ProviderAllowance::fromSnapshot(const CachedProviderSnapshot &snapshot)
{
    const std::optional<AccountID> account = AccountID::fromRawValue(snapshot.id);
    if (!account)
        return std::nullopt;
    const std::optional<ProviderID> provider = account->provider;
    const bool freeClaude = *provider == ProviderID::claudeCode && snapshot.planName == QStringLiteral("Free");

    ProviderAllowance allowance;
    allowance.id = *provider;
    allowance.name = displayName(*provider);
    allowance.assetName = quelta::assetName(*provider);
    allowance.detail = freeClaude ? Quelta::tr("Claude Free doesn’t include Claude Code") : snapshot.detail;
    allowance.remaining = snapshot.remaining;
    allowance.displayPercentage = snapshot.displayPercentage;
    allowance.percentageStyle = snapshot.percentageStyle.value_or(AllowancePercentageStyle::remaining);
    allowance.displayedLimitID = snapshot.displayedLimitID;
    allowance.limits = snapshot.limits.value_or(QList<ProviderLimit>());
    allowance.planName = snapshot.planName;
    allowance.connectionState = freeClaude ? ConnectionState::unsupported : ConnectionState::connected;
    return allowance.forAccount(account->name);
}

ProviderAllowance ProviderAllowance::failure(ProviderID id, const QString &detail, ConnectionState state,
                                             const std::optional<QString> &planName)
{
    ProviderAllowance allowance;
    allowance.id = id;
    allowance.name = displayName(id);
    allowance.assetName = quelta::assetName(id);
    allowance.detail = detail;
    allowance.planName = planName;
    allowance.connectionState = state;
    return allowance;
}

ProviderAllowance ProviderAllowance::checking(ProviderID id)
{
    return failure(id, Quelta::tr("Checking…"), ConnectionState::loading);
}

ProviderAllowance ProviderAllowance::requiringConnection(ProviderID id)
{
    return failure(id, Quelta::tr("Requires connection"), ConnectionState::needsConnection);
}

ProviderAllowance ProviderAllowance::rateLimited(ProviderID id)
{
    return failure(id, Quelta::tr("Temporarily rate limited"), ConnectionState::unavailable);
}

} // namespace quelta
