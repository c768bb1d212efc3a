#include "MonitorState.h"

#include "ProviderConnectorError.h"
#include "ProviderLoadResult.h"

#include <algorithm>

namespace quelta {

namespace {

std::optional<QDateTime> dateOf(const AccountDates &dates, const AccountID &id)
{
    const auto found = dates.constFind(id);
    return found == dates.constEnd() ? std::nullopt : std::optional(*found);
}

} // namespace

MonitorState::MonitorState(SettingsStore &settings, const QDateTime &now, const QList<AccountID> &accounts)
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
    m_storedSnapshots = allowanceStore::loadSnapshots(settings, now);
    setAccounts(accounts, now);
}

void MonitorState::restoreSnapshot(const AccountID &id, const CachedProviderSnapshot &snapshot)
{
    const std::optional<ProviderAllowance> allowance = ProviderAllowance::fromSnapshot(snapshot);
    if (!m_authorized.contains(id) || !allowance || allowance->connectionState != ConnectionState::connected)
        return;
    m_snapshots.insert(id, snapshot);
    m_lastSuccessfulAt.insert(id, snapshot.savedAt);
    m_stale.insert(id);
}

bool MonitorState::isKnown(const AccountID &id) const
{
    return std::any_of(m_providers.begin(), m_providers.end(), [&](const ProviderAllowance &p) { return accountOf(p) == id; });
}

void MonitorState::setAccounts(const QList<AccountID> &accounts, const QDateTime &now)
{
    QList<AccountID> ordered = accounts;
    std::sort(ordered.begin(), ordered.end());
    QList<ProviderAllowance> records;
    for (const AccountID &id : ordered) {
        if (isKnown(id)) {
            records.append(record(id));
            continue;
        }
        if (const auto stored = m_storedSnapshots.constFind(id); stored != m_storedSnapshots.constEnd())
            restoreSnapshot(id, *stored);
        records.append(restoredRecord(id, now).applyingTrackedLimit(m_trackedLimit));
    }
    m_providers = records;
    updateLastUpdated();
}

ProviderAllowance MonitorState::restoredRecord(const AccountID &id, const QDateTime &now) const
{
    if (m_snapshots.contains(id))
        return *ProviderAllowance::fromSnapshot(m_snapshots.value(id));
    return placeholderRecord(id, now).forAccount(id.name);
}

ProviderAllowance MonitorState::placeholderRecord(const AccountID &id, const QDateTime &now) const
{
    if (m_retryDates.contains(id))
        return ProviderAllowance::rateLimited(id.provider);
    if (!m_authorized.contains(id))
        return ProviderAllowance::requiringConnection(id.provider);
    // Another process loaded it lately without keeping figures: show what that load found.
    if (refreshPolicy::isHeldBackBySpacing(id.provider, datesOf(id), now)) {
        switch (m_lastLoadStates.value(id, ConnectionState::unavailable)) {
        case ConnectionState::needsConnection:
            return ProviderAllowance::requiringConnection(id.provider);
        case ConnectionState::unsupported:
            return loadResultForError(id, std::make_exception_ptr(ProviderConnectorError(ProviderConnectorError::Kind::unsupportedPlan))).provider;
        case ConnectionState::loading:
        case ConnectionState::connected:
        case ConnectionState::unavailable:
            break;
        }
        return ProviderAllowance::failure(id.provider, genericLoadFailure(), ConnectionState::unavailable);
    }
    return ProviderAllowance::checking(id.provider);
}

const ProviderAllowance &MonitorState::record(const AccountID &id) const
{
    return *std::find_if(m_providers.begin(), m_providers.end(), [&id](const ProviderAllowance &p) { return accountOf(p) == id; });
}

bool MonitorState::isConnected(const AccountID &id) const
{
    return record(id).connectionState == ConnectionState::connected;
}

ProviderConnectionAttemptState MonitorState::attemptState(const AccountID &id) const
{
    return m_attempts.value(id, ProviderConnectionAttemptState::idle);
}

QList<ProviderAllowance> MonitorState::visibleProviders() const
{
    QList<ProviderAllowance> visible;
    for (const ProviderAllowance &provider : m_providers) {
        if (m_enabled.contains(accountOf(provider)))
            visible.append(provider);
    }
    return visible;
}

refreshPolicy::RefreshDates MonitorState::datesOf(const AccountID &id) const
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

void MonitorState::setAttemptState(const AccountID &id, ProviderConnectionAttemptState state)
{
    m_attempts.insert(id, state);
}

void MonitorState::setStale(const AccountID &id, bool stale)
{
    if (stale)
        m_stale.insert(id);
    else
        m_stale.remove(id);
}

void MonitorState::setRefreshIssue(const AccountID &id, const std::optional<QString> &issue)
{
    if (issue)
        m_refreshIssues.insert(id, *issue);
    else
        m_refreshIssues.remove(id);
}

void MonitorState::replaceRecord(const ProviderAllowance &provider)
{
    for (ProviderAllowance &entry : m_providers) {
        if (accountOf(entry) == accountOf(provider))
            entry = provider.applyingTrackedLimit(m_trackedLimit);
    }
}

bool MonitorState::setEnabled(const AccountID &id, bool enabled)
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

void MonitorState::authorize(const AccountID &id)
{
    m_authorized.insert(id);
    allowanceStore::saveAuthorizedProviders(m_settings, m_authorized);
}

void MonitorState::setTrackedLimit(ClaudeTrackedLimit limit)
{
    m_trackedLimit = limit;
    allowanceStore::saveClaudeTrackedLimit(m_settings, limit);
    for (const ProviderAllowance &provider : QList(m_providers)) {
        const AccountID id = accountOf(provider);
        if (id.provider != ProviderID::claudeCode)
            continue;
        const ProviderAllowance transformed = provider.applyingTrackedLimit(limit);
        replaceRecord(transformed);
        if (m_snapshots.contains(id))
            storeSnapshot(id, allowanceStore::makeSnapshot(transformed, m_snapshots.value(id).savedAt));
    }
}

void MonitorState::storeSnapshot(const AccountID &id, const std::optional<CachedProviderSnapshot> &snapshot)
{
    if (snapshot) {
        m_snapshots.insert(id, *snapshot);
        m_storedSnapshots.insert(id, *snapshot);
    } else {
        m_snapshots.remove(id);
        m_storedSnapshots.remove(id);
    }
    // Those of accounts not known now stay for when they are again.
    allowanceStore::persistSnapshots(m_settings, m_storedSnapshots);
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

void MonitorState::noteAttempts(const QList<AccountID> &ids, const QDateTime &now)
{
    for (const AccountID &id : ids)
        m_lastAttemptDates.insert(id, now);
    persistDates();
}

void MonitorState::setRetryDate(const AccountID &id, const QDateTime &retry)
{
    m_retryDates.insert(id, retry);
    persistDates();
}

void MonitorState::clearRetryDate(const AccountID &id)
{
    if (m_retryDates.remove(id) == 0)
        return;
    persistDates();
}

void MonitorState::clearBackoff(const AccountID &id)
{
    m_retryDates.remove(id);
    m_lastAttemptDates.remove(id);
    persistDates();
}

void MonitorState::noteLoadState(const AccountID &id, ConnectionState state)
{
    if (m_lastLoadStates.value(id) == state && m_lastLoadStates.contains(id))
        return;
    m_lastLoadStates.insert(id, state);
    allowanceStore::saveLastLoadStates(m_settings, m_lastLoadStates);
}

void MonitorState::keepSnapshot(const ProviderAllowance &provider, const QDateTime &now)
{
    m_lastSuccessfulAt.insert(accountOf(provider), now);
    storeSnapshot(accountOf(provider), allowanceStore::makeSnapshot(provider, now));
}

void MonitorState::dropSnapshot(const AccountID &id)
{
    m_lastSuccessfulAt.remove(id);
    storeSnapshot(id, std::nullopt);
}

void MonitorState::persistDates()
{
    allowanceStore::saveDates(m_settings, m_retryDates, allowanceStore::retryDatesKey);
    allowanceStore::saveDates(m_settings, m_lastAttemptDates, allowanceStore::lastAttemptDatesKey);
}

} // namespace quelta
