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

} // namespace

MonitorState::MonitorState(SettingsStore &settings, const QDateTime &now)
    : m_settings(settings)
    , m_enabled(allowanceStore::loadEnabledProviders(settings))
    , m_authorized(allowanceStore::loadAuthorizedProviders(settings))
    , m_trackedLimit(allowanceStore::loadClaudeTrackedLimit(settings))
    , m_panelAllowance(allowanceStore::loadPanelAllowance(settings))
    , m_lastAttemptDates(allowanceStore::loadDates(settings, allowanceStore::lastAttemptDatesKey))
    , m_lastLoadStates(allowanceStore::loadLastLoadStates(settings))
{
    for (auto [id, date] : allowanceStore::loadDates(settings, allowanceStore::retryDatesKey).asKeyValueRange()) {
        if (refreshPolicy::isBelievableRetry(date, now))
            m_retryDates.insert(id, date);
    }
    for (auto [id, snapshot] : allowanceStore::loadSnapshots(settings, now).asKeyValueRange()) {
        const std::optional<ProviderAllowance> allowance = ProviderAllowance::fromSnapshot(snapshot);
        if (!m_authorized.contains(id) || !allowance || allowance->connectionState != ConnectionState::connected)
            continue;
        m_snapshots.insert(id, snapshot);
        m_lastSuccessfulAt.insert(id, snapshot.savedAt);
        m_stale.insert(id);
    }
    for (ProviderID id : displayOrder)
        m_providers.append(restoredRecord(id, now).applyingTrackedLimit(m_trackedLimit));
    updateLastUpdated();
}

ProviderAllowance MonitorState::restoredRecord(ProviderID id, const QDateTime &now) const
{
    if (m_snapshots.contains(id))
        return *ProviderAllowance::fromSnapshot(m_snapshots.value(id));
    if (m_retryDates.contains(id))
        return ProviderAllowance::rateLimited(id);
    if (!m_authorized.contains(id))
        return ProviderAllowance::requiringConnection(id);
    // Another process loaded it lately without keeping figures: show what that load found.
    if (refreshPolicy::isHeldBackBySpacing(id, datesOf(id), now)) {
        switch (m_lastLoadStates.value(id, ConnectionState::unavailable)) {
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

const ProviderAllowance &MonitorState::record(ProviderID id) const
{
    return *std::find_if(m_providers.begin(), m_providers.end(), [id](const ProviderAllowance &p) { return p.id == id; });
}

bool MonitorState::isConnected(ProviderID id) const
{
    return record(id).connectionState == ConnectionState::connected;
}

ProviderConnectionAttemptState MonitorState::attemptState(ProviderID id) const
{
    return m_attempts.value(id, ProviderConnectionAttemptState::idle);
}

QList<ProviderAllowance> MonitorState::visibleProviders() const
{
    QList<ProviderAllowance> visible;
    for (const ProviderAllowance &provider : m_providers) {
        if (m_enabled.contains(provider.id))
            visible.append(provider);
    }
    return visible;
}

refreshPolicy::RefreshDates MonitorState::datesOf(ProviderID id) const
{
    return {dateOf(m_retryDates, id), dateOf(m_lastAttemptDates, id), dateOf(m_lastSuccessfulAt, id)};
}

void MonitorState::updateLastUpdated()
{
    m_lastUpdated.reset();
    for (auto [id, date] : m_lastSuccessfulAt.asKeyValueRange()) {
        if (m_enabled.contains(id) && (!m_lastUpdated || date < *m_lastUpdated))
            m_lastUpdated = date;
    }
}

void MonitorState::setAttemptState(ProviderID id, ProviderConnectionAttemptState state)
{
    m_attempts.insert(id, state);
}

void MonitorState::setStale(ProviderID id, bool stale)
{
    if (stale)
        m_stale.insert(id);
    else
        m_stale.remove(id);
}

void MonitorState::setRefreshIssue(ProviderID id, const std::optional<QString> &issue)
{
    if (issue)
        m_refreshIssues.insert(id, *issue);
    else
        m_refreshIssues.remove(id);
}

void MonitorState::replaceRecord(const ProviderAllowance &provider)
{
    for (ProviderAllowance &entry : m_providers) {
        if (entry.id == provider.id)
            entry = provider.applyingTrackedLimit(m_trackedLimit);
    }
}

bool MonitorState::setEnabled(ProviderID id, bool enabled)
{
    if (enabled) {
        m_enabled.insert(id);
        if (m_snapshots.contains(id))
            m_stale.insert(id);
    } else {
        if (m_enabled.size() < 2)
            return false;
        m_enabled.remove(id);
        m_stale.remove(id);
    }
    allowanceStore::saveEnabledProviders(m_settings, m_enabled);
    updateLastUpdated();
    return true;
}

void MonitorState::authorize(ProviderID id)
{
    m_authorized.insert(id);
    allowanceStore::saveAuthorizedProviders(m_settings, m_authorized);
}

void MonitorState::setTrackedLimit(ClaudeTrackedLimit limit)
{
    m_trackedLimit = limit;
    allowanceStore::saveClaudeTrackedLimit(m_settings, limit);
    const ProviderAllowance transformed = record(ProviderID::claudeCode).applyingTrackedLimit(limit);
    replaceRecord(transformed);
    if (!m_snapshots.contains(ProviderID::claudeCode))
        return;
    m_snapshots.insert(ProviderID::claudeCode, allowanceStore::makeSnapshot(transformed, m_snapshots.value(ProviderID::claudeCode).savedAt));
    allowanceStore::persistSnapshots(m_settings, m_snapshots);
}

void MonitorState::setPanelAllowance(const PanelAllowance &panel)
{
    m_panelAllowance = panel;
    allowanceStore::savePanelAllowance(m_settings, panel);
}

bool MonitorState::dropPassedRetryDates(const QDateTime &now)
{
    if (m_retryDates.removeIf([&](const auto &entry) { return entry.value() <= now; }) == 0)
        return false;
    persistDates();
    return true;
}

void MonitorState::noteAttempts(const QList<ProviderID> &ids, const QDateTime &now)
{
    for (ProviderID id : ids)
        m_lastAttemptDates.insert(id, now);
    persistDates();
}

void MonitorState::setRetryDate(ProviderID id, const QDateTime &retry)
{
    m_retryDates.insert(id, retry);
    persistDates();
}

void MonitorState::clearRetryDate(ProviderID id)
{
    m_retryDates.remove(id);
    persistDates();
}

void MonitorState::clearBackoff(ProviderID id)
{
    m_retryDates.remove(id);
    m_lastAttemptDates.remove(id);
    persistDates();
}

void MonitorState::noteLoadState(ProviderID id, ConnectionState state)
{
    m_lastLoadStates.insert(id, state);
    allowanceStore::saveLastLoadStates(m_settings, m_lastLoadStates);
}

void MonitorState::keepSnapshot(const ProviderAllowance &provider, const QDateTime &now)
{
    m_snapshots.insert(provider.id, allowanceStore::makeSnapshot(provider, now));
    m_lastSuccessfulAt.insert(provider.id, now);
    allowanceStore::persistSnapshots(m_settings, m_snapshots);
}

void MonitorState::dropSnapshot(ProviderID id)
{
    m_snapshots.remove(id);
    m_lastSuccessfulAt.remove(id);
    allowanceStore::persistSnapshots(m_settings, m_snapshots);
}

void MonitorState::persistDates()
{
    allowanceStore::saveDates(m_settings, m_retryDates, allowanceStore::retryDatesKey);
    allowanceStore::saveDates(m_settings, m_lastAttemptDates, allowanceStore::lastAttemptDatesKey);
}

} // namespace quelta
