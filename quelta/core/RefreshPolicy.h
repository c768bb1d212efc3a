#pragma once

#include "ProviderAllowance.h"

#include <QDateTime>

#include <chrono>
#include <optional>

namespace quelta {

// When a provider is loaded again, as plain rules over dates: the monitor keeps the dates, these
// decide. Stored dates come from any Quelta process and any clock, so each rule distrusts dates
// that lie too far ahead.
namespace refreshPolicy {

using std::chrono::seconds;

// Claude's usage endpoint limits callers hard: loads stay this far apart, asked for or not.
inline constexpr seconds claudeSpacing{1800};
// A rate limit waits at least this long, even when the service suggests less.
inline constexpr seconds claudeRateLimitFloor{1800};
inline constexpr seconds rateLimitFloor{60};
// A longer suggested delay is not believed: the floor applies instead.
inline constexpr seconds longestSuggestedDelay{7 * 24 * 3600};
// Dates further ahead than this came from a clock that was set ahead and corrected since.
inline constexpr seconds futureTolerance{60};
// Opening the popover reloads figures older than this.
inline constexpr seconds staleAge{60};

// The background loop sleeps less while someone is looking.
inline constexpr seconds activeInterval{120};
inline constexpr seconds activeWindow{600};
inline constexpr seconds recentInterval{300};
inline constexpr seconds recentWindow{3600};
inline constexpr seconds idleInterval{900};
// Usage alerts need figures no older than this, looked at or not.
inline constexpr seconds alertsInterval{300};

// What is known of one provider's loads.
struct RefreshDates {
    std::optional<QDateTime> retry;
    std::optional<QDateTime> lastAttempt;
    std::optional<QDateTime> lastSuccess;
};

// A stored retry date still ahead and within the longest believable delay.
bool isBelievableRetry(const QDateTime &retry, const QDateTime &now);
// A rate limit holds the provider back until its retry date.
bool isHeldBackByRetry(const RefreshDates &dates, const QDateTime &now);
// Claude's spacing counts from the last attempt of any process, first load or not.
bool isHeldBackBySpacing(ProviderID id, const RefreshDates &dates, const QDateTime &now);
// Neither a rate limit nor the spacing holds it back.
bool isDue(ProviderID id, const RefreshDates &dates, const QDateTime &now);
// Due, and its last attempt or success is older than `maxAge` (or Claude's spacing).
bool isStale(ProviderID id, const RefreshDates &dates, const QDateTime &now, seconds maxAge);
// How long a rate-limited provider waits, from the delay its service suggested.
std::chrono::milliseconds rateLimitDelay(ProviderID id, std::optional<double> suggestedSeconds);
// How long the background loop sleeps.
seconds loopInterval(bool alertsWantFrequentRefresh, const std::optional<QDateTime> &lastInteraction, const QDateTime &now);

} // namespace refreshPolicy

} // namespace quelta
