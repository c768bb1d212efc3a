#include "AllowanceMonitor.h"

#include "CoreLogging.h"
#include "ProviderLoadResult.h"
#include "RefreshPolicy.h"
#include "RefreshStatusText.h"

#include "platform/Clock.h"
#include "platform/DetachedTask.h"
#include "platform/NextSignal.h"
#include "platform/OperationCancelled.h"
#include "platform/SettingsStore.h"


#include <algorithm>

namespace quelta {

namespace {

bool sendsAlerts(const MonitorDependencies &dependencies)
{
    return !dependencies.isSubstituteLoader && dependencies.alerts;
}

} // namespace

AllowanceMonitor::AllowanceMonitor(SettingsStore &settings, Clock &clock, Dependencies dependencies, QObject *parent)
    : QObject(parent)
    , m_settings(settings)
    , m_clock(clock)
    , m_dependencies(std::move(dependencies))
    , m_state(settings, clock.now(), m_dependencies.accounts)
{
    if (m_state.hasSnapshots() && m_dependencies.analytics)
        m_dependencies.analytics->setFirstConnectionObserved();
    // Every operation that saves ends by announcing a change.
    QObject::connect(this, &AllowanceMonitor::changed, this, &AllowanceMonitor::announceSaveOutcome);
}

AllowanceMonitor::~AllowanceMonitor()
{
    if (m_loopStop)
        m_loopStop->request_stop();
}

void AllowanceMonitor::setConnectionAttemptState(const AccountID &id, ProviderConnectionAttemptState state)
{
    m_state.setAttemptState(id, state);
    Q_EMIT providerChanged(id);
    Q_EMIT changed();
}

void AllowanceMonitor::refresh(bool manual)
{
    QList<AccountID> enabled;
    for (const ProviderAllowance &provider : m_state.providers()) {
        if (m_state.enabled().contains(accountOf(provider)))
            enabled.append(accountOf(provider));
    }
    startRefresh(enabled, manual, manual ? RefreshSource::manual : RefreshSource::background);
}

void AllowanceMonitor::refreshStaleProviders(std::chrono::seconds olderThan)
{
    const QDateTime now = m_clock.now();
    QList<AccountID> stale;
    for (const ProviderAllowance &provider : m_state.providers()) {
        const AccountID id = accountOf(provider);
        if (m_state.enabled().contains(id) && refreshPolicy::isStale(id.provider, m_state.datesOf(id), now, olderThan))
            stale.append(id);
    }
    startRefresh(stale, false, RefreshSource::foreground);
}

void AllowanceMonitor::startRefresh(const QList<AccountID> &providerIDs, bool showsManualRefresh, RefreshSource source)
{
    if (m_round.isRunning) {
        if (showsManualRefresh) {
            m_round.showsManualRefresh = true;
            Q_EMIT refreshStateChanged();
            Q_EMIT changed();
        }
        return;
    }
    QList<AccountID> eligible;
    for (const AccountID &id : providerIDs) {
        // A provider being connected is loaded by its attempt alone.
        if (m_state.isKnown(id) && m_state.enabled().contains(id) && m_state.authorized().contains(id)
            && (source == RefreshSource::connection || m_state.attemptState(id) != ProviderConnectionAttemptState::connecting))
            eligible.append(id);
    }
    if (eligible.isEmpty())
        return;

    const QDateTime now = m_clock.now();
    SettingsStore::Batch batch(m_settings);
    m_state.dropPassedRetryDates(now);

    QList<AccountID> due;
    for (const AccountID &id : eligible) {
        if (refreshPolicy::isDue(id.provider, m_state.datesOf(id), now))
            due.append(id);
    }
    m_round.start(due, showsManualRefresh, source);
    if (due.isEmpty()) {
        Q_EMIT refreshStateChanged();
        Q_EMIT changed();
        return;
    }
    m_state.noteAttempts(due, now);
    Q_EMIT refreshStateChanged();
    Q_EMIT changed();
    for (const AccountID &id : due)
        startDetached(load(id), lcCore, "a provider load");
}

QCoro::Task<void> AllowanceMonitor::load(AccountID id)
{
    const std::stop_token lifetime = m_lifetime.token();
    ProviderLoader loader = m_dependencies.connectors;
    const ClaudeTrackedLimit tracked = m_state.trackedLimit();
    std::optional<ProviderLoadResult> result;
    std::exception_ptr error;
    try {
        const ProviderAllowance provider = co_await loader(id, tracked, lifetime);
        result = ProviderLoadResult{provider, std::nullopt};
    } catch (...) {
        error = std::current_exception();
    }
    if (lifetime.stop_requested())
        co_return;
    handle(id, result ? *result : loadResultForError(id, error));
}

void AllowanceMonitor::handle(const AccountID &id, const ProviderLoadResult &result)
{
    if (!m_round.pending.contains(id))
        return;
    if (m_state.isKnown(id) && m_state.enabled().contains(id)) {
        // One write for all a result changes, made before anyone hears of it.
        SettingsStore::Batch batch(m_settings);
        const bool wasConnected = m_state.isConnected(id);
        if (result.retryAfter) {
            m_state.setRetryDate(id, m_clock.now().addMSecs(result.retryAfter->count()));
            m_round.failed.insert(id);
            m_state.setStale(id, true);
            if (!wasConnected)
                m_state.replaceRecord(result.provider);
        } else {
            switch (result.provider.connectionState) {
            case ConnectionState::loading:
                m_state.replaceRecord(result.provider);
                break;
            case ConnectionState::connected:
                applyConnected(id, result.provider);
                break;
            case ConnectionState::needsConnection:
                applyNeedsConnection(id, result.provider, wasConnected);
                break;
            case ConnectionState::unsupported:
                applyUnsupported(id, result.provider);
                break;
            case ConnectionState::unavailable:
                applyUnavailable(id, result.provider);
                break;
            }
            if (result.provider.connectionState != ConnectionState::loading)
                m_state.noteLoadState(id, result.provider.connectionState);
        }
    }
    m_round.pending.remove(id);
    if (m_round.succeeded.contains(id) && m_state.isConnected(id))
        Q_EMIT providerRefreshed(id);
    Q_EMIT providerChanged(id);
    if (m_round.pending.isEmpty()) {
        finishRefresh();
        Q_EMIT refreshStateChanged();
    }
    Q_EMIT changed();
}

void AllowanceMonitor::applyConnected(const AccountID &id, const ProviderAllowance &provider)
{
    // Connected since an attempt failed; an attempt still running is its caller's to finish.
    if (m_state.attemptState(id) == ProviderConnectionAttemptState::failed)
        m_state.setAttemptState(id, ProviderConnectionAttemptState::idle);
    m_state.clearRetryDate(id);
    m_round.succeeded.insert(id);
    m_state.setStale(id, false);
    m_state.setRefreshIssue(id, std::nullopt);
    m_state.replaceRecord(provider);
    m_state.keepSnapshot(provider, m_clock.now());
    if (m_dependencies.analytics && !m_dependencies.analytics->firstConnectionObserved()) {
        m_dependencies.analytics->setFirstConnectionObserved();
        m_dependencies.analytics->trackFirstConnection();
    }
    if (sendsAlerts(m_dependencies))
        m_dependencies.alerts->recordUsage(provider);
}


void AllowanceMonitor::applyNeedsConnection(const AccountID &id, const ProviderAllowance &provider, bool wasConnected)
{
    m_state.setRefreshIssue(id, std::nullopt);
    m_state.clearRetryDate(id);
    m_state.setStale(id, false);
    m_round.failed.insert(id);
    if (wasConnected && sendsAlerts(m_dependencies))
        m_dependencies.alerts->providerDidDisconnect(provider);
    m_state.replaceRecord(provider);
    m_state.dropSnapshot(id);
}

void AllowanceMonitor::applyUnsupported(const AccountID &id, const ProviderAllowance &provider)
{
    m_state.setRefreshIssue(id, std::nullopt);
    m_state.clearRetryDate(id);
    m_round.succeeded.insert(id);
    m_state.setStale(id, false);
    m_state.replaceRecord(provider);
    m_state.dropSnapshot(id);
}

void AllowanceMonitor::applyUnavailable(const AccountID &id, const ProviderAllowance &provider)
{
    // The generic failure is no issue of its own: the status line has nothing better to say.
    m_state.setRefreshIssue(id, provider.detail == genericLoadFailure() ? std::nullopt : std::optional(provider.detail));
    m_round.failed.insert(id);
    m_state.setStale(id, true);
    if (!m_state.isConnected(id))
        m_state.replaceRecord(provider);
}

void AllowanceMonitor::finishRefresh()
{
    const bool wasManual = m_round.showsManualRefresh;
    const bool someSuccess = std::ranges::any_of(m_round.succeeded, [this](const AccountID &id) { return m_state.isConnected(id); });
    const RefreshResult outcome = m_round.finish(someSuccess);
    m_state.updateLastUpdated();
    if (!m_dependencies.analytics)
        return;
    if (wasManual)
        m_dependencies.analytics->trackManualRefreshCompleted(outcome);
    if (m_round.source == RefreshSource::background && (someSuccess || m_round.lastFailed))
        m_dependencies.analytics->recordBackgroundRefresh(outcome);
}

void AllowanceMonitor::beginConnecting(const AccountID &id)
{
    m_state.authorize(id);
    m_state.clearBackoff(id);
    setConnectionAttemptState(id, ProviderConnectionAttemptState::connecting);
}

void AllowanceMonitor::finishConnecting(const AccountID &id, bool connected)
{
    setConnectionAttemptState(id, connected ? ProviderConnectionAttemptState::idle : ProviderConnectionAttemptState::failed);
}

QCoro::Task<bool> AllowanceMonitor::connect(AccountID id)
{
    // Every change of the refresh state is announced: wait for those instead of polling.
    while (m_round.isRunning)
        co_await NextSignal(this, &AllowanceMonitor::changed);
    m_state.clearBackoff(id);
    startRefresh({id}, false, RefreshSource::connection);
    while (m_round.pending.contains(id))
        co_await NextSignal(this, &AllowanceMonitor::changed);
    co_return m_round.succeeded.contains(id) && m_state.isConnected(id);
}

void AllowanceMonitor::setProvider(const AccountID &id, bool enabled)
{
    if (!m_state.setEnabled(id, enabled))
        return;
    // A found account is turned on for the sign-in its folder already holds.
    if (enabled && !id.isDefault())
        m_state.authorize(id);
    Q_EMIT enabledProvidersChanged();
    Q_EMIT refreshStateChanged();
    Q_EMIT changed();
    if (!m_round.isRunning)
        refresh(false);
}

void AllowanceMonitor::setClaudeTrackedLimit(ClaudeTrackedLimit limit)
{
    if (limit == m_state.trackedLimit())
        return;
    m_state.setTrackedLimit(limit);
    for (const ProviderAllowance &provider : m_state.providers()) {
        if (provider.id == ProviderID::claudeCode)
            Q_EMIT providerChanged(accountOf(provider));
    }
    Q_EMIT changed();
}

void AllowanceMonitor::setAccounts(const QList<AccountID> &accounts)
{
    m_state.setAccounts(accounts, m_clock.now());
    Q_EMIT enabledProvidersChanged();
    Q_EMIT changed();
}

void AllowanceMonitor::setPanelAllowance(const PanelAllowance &panel)
{
    if (panel == m_state.panelAllowance())
        return;
    m_state.setPanelAllowance(panel);
    Q_EMIT panelAllowanceChanged();
    Q_EMIT changed();
}

std::chrono::seconds AllowanceMonitor::automaticRefreshInterval() const
{
    const bool frequent = m_dependencies.alerts && m_dependencies.alerts->wantsFrequentRefresh();
    return refreshPolicy::loopInterval(frequent, m_lastInteractionAt, m_clock.now());
}

void AllowanceMonitor::scheduleAutomaticRefresh()
{
    if (m_loopStop)
        return;
    m_loopStop.emplace();
    startDetached(runAutomaticRefresh(m_loopStop->get_token()), lcCore, "the refresh loop");
}

void AllowanceMonitor::restartAutomaticRefresh()
{
    if (m_loopStop)
        m_loopStop->request_stop();
    m_loopStop.reset();
    scheduleAutomaticRefresh();
}

QCoro::Task<void> AllowanceMonitor::runAutomaticRefresh(std::stop_token token)
{
    // The monitor's destruction triggers the token: a cancelled sleep ends the loop untouched.
    while (!token.stop_requested()) {
        try {
            co_await m_clock.sleep(automaticRefreshInterval(), token);
        } catch (const OperationCancelled &) {
            co_return;
        }
        if (token.stop_requested())
            co_return;
        refresh(false);
    }
}

void AllowanceMonitor::noteInteraction()
{
    m_lastInteractionAt = m_clock.now();
    if (m_loopStop)
        restartAutomaticRefresh();
}

bool AllowanceMonitor::lastSaveFailed() const
{
    return m_settings.hasUnsavedChanges();
}

void AllowanceMonitor::announceSaveOutcome()
{
    if (lastSaveFailed() == m_announcedSaveFailure)
        return;
    m_announcedSaveFailure = lastSaveFailed();
    Q_EMIT refreshStateChanged();
}

void AllowanceMonitor::setHistoryUnavailable(bool unavailable)
{
    if (std::exchange(m_historyUnavailable, unavailable) != unavailable)
        Q_EMIT refreshStateChanged();
}

std::optional<double> AllowanceMonitor::recentUsageRate(const ProviderAllowance &provider, const ProviderLimit &limit) const
{
    return m_history ? m_history->recentUsageRate(provider, limit, m_clock.now()) : std::nullopt;
}

QString AllowanceMonitor::statusText() const
{
    return refreshStatusText({m_round.showsManualRefresh, m_round.isRunning, m_round.lastFailed, m_state.lastUpdated(), m_state.enabled(),
                              m_state.retryDates(), lastSaveFailed(), m_historyUnavailable},
                             m_clock.now());
}

} // namespace quelta
