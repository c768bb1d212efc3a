#pragma once

#include "AccountID.h"
#include "CachedProviderSnapshot.h"
#include "ClaudeTrackedLimit.h"
#include "PanelAllowance.h"
#include "ProviderAllowance.h"

#include <QDateTime>
#include <QMap>
#include <QSet>

namespace quelta {

class SettingsStore;

using AccountSet = QSet<AccountID>;
using AccountDates = QMap<AccountID, QDateTime>;
using AccountSnapshots = QMap<AccountID, CachedProviderSnapshot>;

// The monitor's persisted state. No read fails: anything unreadable degrades to the default.
// Every entry is keyed by the account's raw value: the default accounts keep the keys older
// versions read, and those versions pass over the named accounts' entries.
namespace allowanceStore {

inline constexpr const char *enabledProvidersKey = "enabledProviders.v1";
inline constexpr const char *authorizedProvidersKey = "authorizedProviders.v1";
inline constexpr const char *snapshotsKey = "allowanceSnapshots.v1";
inline constexpr const char *claudeTrackedLimitKey = "claudeTrackedLimit.v1";
inline constexpr const char *retryDatesKey = "providerRetryDates.v1";
inline constexpr const char *lastAttemptDatesKey = "providerLastAttemptDates.v1";
// How each provider's last load ended, for processes that are not due to load it again.
inline constexpr const char *lastLoadStatesKey = "providerLastLoadStates.v1";
inline constexpr const char *hasCompletedOnboardingKey = "hasCompletedOnboarding.v1";
inline constexpr const char *panelAllowanceShownKey = "panelAllowanceShown.v1";
inline constexpr const char *panelAllowanceTrackedKey = "panelAllowanceTracked.v1";

AccountSet loadEnabledProviders(const SettingsStore &store);
void saveEnabledProviders(SettingsStore &store, const AccountSet &enabled);
AccountSet loadAuthorizedProviders(const SettingsStore &store);
void saveAuthorizedProviders(SettingsStore &store, const AccountSet &authorized);

// Snapshots of known providers not saved more than 60 s after `now`; the latest per provider.
AccountSnapshots loadSnapshots(const SettingsStore &store, const QDateTime &now);
// The same from the stored bytes.
AccountSnapshots snapshotsFromData(const QByteArray &data, const QDateTime &now);
void persistSnapshots(SettingsStore &store, const AccountSnapshots &snapshots);
CachedProviderSnapshot makeSnapshot(const ProviderAllowance &allowance, const QDateTime &savedAt);

// Dates kept as seconds since 1970.
AccountDates loadDates(const SettingsStore &store, const char *key);
void saveDates(SettingsStore &store, const AccountDates &dates, const char *key);
using AccountStates = QMap<AccountID, ConnectionState>;
AccountStates loadLastLoadStates(const SettingsStore &store);
void saveLastLoadStates(SettingsStore &store, const AccountStates &states);

// Onboarding ends once; connections made before they were tracked count from it.
bool hasCompletedOnboarding(const SettingsStore &store);
void setCompletedOnboarding(SettingsStore &store);

ClaudeTrackedLimit loadClaudeTrackedLimit(const SettingsStore &store);
void saveClaudeTrackedLimit(SettingsStore &store, ClaudeTrackedLimit limit);

// Off, and following the tightest allowance, unless stored otherwise.
PanelAllowance loadPanelAllowance(const SettingsStore &store);
void savePanelAllowance(SettingsStore &store, const PanelAllowance &panel);

} // namespace allowanceStore

} // namespace quelta
