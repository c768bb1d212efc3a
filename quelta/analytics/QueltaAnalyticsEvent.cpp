#include "QueltaAnalyticsEvent.h"

#include <algorithm>

namespace quelta {

namespace {

QString countText(int count)
{
    return QString::number(std::clamp(count, 0, 10'000));
}

} // namespace

QString QueltaAnalyticsEvent::name() const
{
    switch (kind) {
    case Kind::backgroundRefreshSummary:
        return QStringLiteral("Refresh.backgroundSummary");
    case Kind::manualRefreshCompleted:
        return QStringLiteral("Refresh.completed");
    case Kind::onboardingStarted:
        return QStringLiteral("Onboarding.started");
    case Kind::onboardingCompleted:
        return QStringLiteral("Onboarding.completed");
    case Kind::firstConnectionSucceeded:
        return QStringLiteral("Connection.firstSuccess");
    case Kind::menuOpenedToday:
        return QStringLiteral("Engagement.menuOpenedToday");
    case Kind::settingsOpened:
        return QStringLiteral("Settings.opened");
    case Kind::manualRefreshRequested:
        return QStringLiteral("Refresh.requested");
    case Kind::updateCheckRequested:
        return QStringLiteral("Updates.checkRequested");
    }
    return {};
}

QMap<QString, QString> QueltaAnalyticsEvent::parameters() const
{
    switch (kind) {
    case Kind::backgroundRefreshSummary:
        return {{QStringLiteral("successCount"), countText(successCount)},
                {QStringLiteral("partialCount"), countText(partialCount)},
                {QStringLiteral("failedCount"), countText(failedCount)}};
    case Kind::manualRefreshCompleted:
        return {{QStringLiteral("result"), toRawValue(result)}};
    default:
        return {};
    }
}

} // namespace quelta
