#include "MonitorState.h"

#include "ProviderConnectorError.h"
#include "ProviderLoadResult.h"

#include <algorithm>

namespace quelta {

namespace {

std::optional<QDateTime> dateOf(const ProviderDates &dates, ProviderID id)
{
    const auto found = dates.constFind(id);
    return found == dates.constEnd() ? std::nullopt : std::optional(*found);
}

ProviderAllowance restoredRecord(const MonitorState &state, ProviderID id, const QDateTime &now)
{
    if (state.snapshots.contains(id))
        return *ProviderAllowance::fromSnapshot(state.snapshots.value(id));
    if (state.retryDates.contains(id))
        return ProviderAllowance::rateLimited(id);
    if (!state.authorized.contains(id))
        return ProviderAllowance::requiringConnection(id);
    // Another process loaded it lately without keeping figures: show what that load found.
    if (refreshPolicy::isHeldBackBySpacing(id, state.datesOf(id), now)) {
        switch (state.lastLoadStates.value(id, ConnectionState::unavailable)) {
        case ConnectionState::needsConnection:
            return ProviderAllowance::requiringConnection(id);
        case ConnectionState::unsupported:
            return loadResultForError(id, std::make_exception_ptr(ProviderConnectorError(ProviderConnectorError::Kind::unsupportedPlan))).provider;
        case ConnectionState::loading:
        case ConnectionState::connected:
        case ConnectionState::unavailable:
            break;
        }
        return ProviderAllowance::failure(id, genericLoadFailure(), ConnectionState::unavailable);
    }
    return ProviderAllowance::checking(id);
}

} // namespace

const ProviderAllowance &MonitorState::record(ProviderID id) const
{
    return *std::find_if(providers.begin(), providers.end(), [id](const ProviderAllowance &p) { return p.id == id; });
}

bool MonitorState::isConnected(ProviderID id) const
{
    return record(id).connectionState == ConnectionState::connected;
}

ProviderConnectionAttemptState MonitorState::attemptState(ProviderID id) const
{
    return attempts.value(id, ProviderConnectionAttemptState::idle);
}

QList<ProviderAllowance> MonitorState::visibleProviders() const
{
    QList<ProviderAllowance> visible;
    for (const ProviderAllowance &provider : providers) {
        if (enabled.contains(provider.id))
            visible.append(provider);
    }
    return visible;
}

void MonitorState::replaceRecord(const ProviderAllowance &provider)
{
    for (ProviderAllowance &entry : providers) {
        if (entry.id == provider.id)
            entry = provider.applyingTrackedLimit(trackedLimit);
    }
}

void MonitorState::dropSnapshot(ProviderID id)
{
    snapshots.remove(id);
    lastSuccessfulAt.remove(id);
}

refreshPolicy::RefreshDates MonitorState::datesOf(ProviderID id) const
{
    return {dateOf(retryDates, id), dateOf(lastAttemptDates, id), dateOf(lastSuccessfulAt, id)};
}

void MonitorState::updateLastUpdated()
{
    lastUpdated.reset();
    for (auto [id, date] : lastSuccessfulAt.asKeyValueRange()) {
        if (enabled.contains(id) && (!lastUpdated || date < *lastUpdated))
            lastUpdated = date;
    }
}

MonitorState restoreMonitorState(const SettingsStore &settings, const QDateTime &now)
{
    MonitorState state;
    state.authorized = allowanceStore::loadAuthorizedProviders(settings);
    state.enabled = allowanceStore::loadEnabledProviders(settings);
    state.trackedLimit = allowanceStore::loadClaudeTrackedLimit(settings);
    for (auto [id, date] : allowanceStore::loadDates(settings, allowanceStore::retryDatesKey).asKeyValueRange()) {
        if (refreshPolicy::isBelievableRetry(date, now))
            state.retryDates.insert(id, date);
    }
    state.lastAttemptDates = allowanceStore::loadDates(settings, allowanceStore::lastAttemptDatesKey);
    state.lastLoadStates = allowanceStore::loadLastLoadStates(settings);
    for (auto [id, snapshot] : allowanceStore::loadSnapshots(settings, now).asKeyValueRange()) {
        const std::optional<ProviderAllowance> allowance = ProviderAllowance::fromSnapshot(snapshot);
        if (!state.authorized.contains(id) || !allowance || allowance->connectionState != ConnectionState::connected)
            continue;
        state.snapshots.insert(id, snapshot);
        state.lastSuccessfulAt.insert(id, snapshot.savedAt);
        state.stale.insert(id);
    }
    for (ProviderID id : displayOrder)
        state.providers.append(restoredRecord(state, id, now).applyingTrackedLimit(state.trackedLimit));
    state.updateLastUpdated();
    return state;
}

void persistDates(SettingsStore &settings, const MonitorState &state)
{
    allowanceStore::saveDates(settings, state.retryDates, allowanceStore::retryDatesKey);
    allowanceStore::saveDates(settings, state.lastAttemptDates, allowanceStore::lastAttemptDatesKey);
}

} // namespace quelta
