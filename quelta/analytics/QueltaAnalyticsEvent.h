#pragma once

#include "core/RefreshResult.h"

#include <QMap>
#include <QString>

namespace quelta {

// The application's analytics events. Parameters are counts and outcome words only.
struct QueltaAnalyticsEvent {
    enum class Kind {
        backgroundRefreshSummary,
        manualRefreshCompleted,
        onboardingStarted,
        onboardingCompleted,
        firstConnectionSucceeded,
        menuOpenedToday,
        settingsOpened,
        manualRefreshRequested,
        updateCheckRequested,
    };

    Kind kind = Kind::settingsOpened;
    int successCount = 0;
    int partialCount = 0;
    int failedCount = 0;
    RefreshResult result = RefreshResult::success;

    bool operator==(const QueltaAnalyticsEvent &) const = default;

    static QueltaAnalyticsEvent backgroundRefreshSummary(int successes, int partials, int failures)
    {
        return {Kind::backgroundRefreshSummary, successes, partials, failures, RefreshResult::success};
    }
    static QueltaAnalyticsEvent manualRefreshCompleted(RefreshResult result)
    {
        return {Kind::manualRefreshCompleted, 0, 0, 0, result};
    }
    static QueltaAnalyticsEvent of(Kind kind) { return {kind, 0, 0, 0, RefreshResult::success}; }

    QString name() const;
    QMap<QString, QString> parameters() const;
};

} // namespace quelta
