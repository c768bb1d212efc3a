#include "AllowanceMonitor.h"

#include "CoreLogging.h"
#include "ProviderConnectorError.h"
#include "RefreshStatusText.h"

#include "platform/Clock.h"
#include "platform/DetachedTask.h"
#include "platform/OperationCancelled.h"
#include "platform/SettingsStore.h"

#include <QCoroSignal>

#include <algorithm>
#include <cmath>

namespace quelta {

namespace {

using Kind = ProviderConnectorError::Kind;

constexpr double claudeSpacing = 1800;
constexpr double longestSuggestedDelay = 604'800;
// Dates further ahead than this came from a clock that was set ahead and corrected since.
constexpr qint64 futureToleranceSeconds = 60;
const QString genericFailure = QStringLiteral("Allowance unavailable");

double rateLimitFloor(ProviderID id)
{
    return id == ProviderID::claudeCode ? 1800 : 60;
}

ProviderAllowance failureRecord(ProviderID id, Kind kind)
{
    switch (kind) {
    case Kind::rateLimited:
        return ProviderAllowance::failure(id, QStringLiteral("Temporarily rate limited"), ConnectionState::unavailable);
    case Kind::connectionRequired:
    case Kind::executableMissing:
        return ProviderAllowance::failure(id, QStringLiteral("Requires connection"), ConnectionState::needsConnection);
    case Kind::unsupportedPlan:
        return ProviderAllowance::failure(id, QStringLiteral("Claude Free doesn’t include Claude Code"), ConnectionState::unsupported,
                                          QStringLiteral("Free"));
    case Kind::usageAccessExpired:
        return ProviderAllowance::failure(id, QStringLiteral("Open Claude Code to renew access"), ConnectionState::unavailable);
    case Kind::invalidResponse:
    case Kind::processFailed:
    case Kind::timedOut:
        break;
    }
    return ProviderAllowance::failure(id, genericFailure, ConnectionState::unavailable);
}

} // namespace

AllowanceMonitor::AllowanceMonitor(SettingsStore &settings, Clock &clock, Services services, QObject *parent)
    : QObject(parent)
    , m_settings(settings)
    , m_clock(clock)
    , m_services(std::move(services))
{
    const QDateTime now = m_clock.now();
    m_authorizedProviderIDs = allowanceStore::loadAuthorizedProviders(m_settings);
    const ProviderSnapshots loaded = allowanceStore::loadSnapshots(m_settings, now);
    m_claudeTrackedLimit = allowanceStore::loadClaudeTrackedLimit(m_settings);
    const QDateTime latestRetry = now.addSecs(qint64(longestSuggestedDelay) + futureToleranceSeconds);
    for (auto [id, date] : allowanceStore::loadDates(m_settings, allowanceStore::retryDatesKey).asKeyValueRange()) {
        if (date > now && date <= latestRetry)
            m_retryDates.insert(id, date);
    }
    for (auto [id, snapshot] : loaded.asKeyValueRange()) {
        const std::optional<ProviderAllowance> allowance = ProviderAllowance::fromSnapshot(snapshot);
        if (m_authorizedProviderIDs.contains(id) && allowance && allowance->connectionState == ConnectionState::connected)
            m_snapshots.insert(id, snapshot);
    }
    if (!m_snapshots.isEmpty() && m_services.analytics)
        m_services.analytics->setFirstConnectionObserved();
    for (auto [id, snapshot] : m_snapshots.asKeyValueRange())
        m_lastSuccessfulAt.insert(id, snapshot.savedAt);
    m_lastAttemptDates = allowanceStore::loadDates(m_settings, allowanceStore::lastAttemptDatesKey);
    m_enabledProviderIDs = allowanceStore::loadEnabledProviders(m_settings);

    for (ProviderID id : displayOrder) {
        ProviderAllowance record;
        if (m_snapshots.contains(id))
            record = *ProviderAllowance::fromSnapshot(m_snapshots.value(id));
        else if (m_retryDates.contains(id))
            record = ProviderAllowance::rateLimited(id);
        else if (m_authorizedProviderIDs.contains(id) && isHeldBackBySpacing(id, now))
            // Another process loaded it lately without keeping figures: it failed there.
            record = ProviderAllowance::failure(id, genericFailure, ConnectionState::unavailable);
        else if (m_authorizedProviderIDs.contains(id))
            record = ProviderAllowance::checking(id);
        else
            record = ProviderAllowance::requiringConnection(id);
        m_providers.append(record.applyingTrackedLimit(m_claudeTrackedLimit));
    }
    m_staleProviderIDs = ProviderSet(m_snapshots.keyBegin(), m_snapshots.keyEnd());
    for (auto [id, snapshot] : m_snapshots.asKeyValueRange()) {
        if (m_enabledProviderIDs.contains(id) && (!m_lastUpdated || snapshot.savedAt < *m_lastUpdated))
            m_lastUpdated = snapshot.savedAt;
    }
}

AllowanceMonitor::~AllowanceMonitor()
{
    if (m_loopStop)
        m_loopStop->request_stop();
}

ProviderConnectionAttemptState AllowanceMonitor::connectionAttemptState(ProviderID id) const
{
    return m_connectionAttemptStates.value(id, ProviderConnectionAttemptState::idle);
}

void AllowanceMonitor::setConnectionAttemptState(ProviderID id, ProviderConnectionAttemptState state)
{
    m_connectionAttemptStates.insert(id, state);
    Q_EMIT changed();
}

const ProviderAllowance &AllowanceMonitor::record(ProviderID id) const
{
    return *std::find_if(m_providers.begin(), m_providers.end(), [id](const ProviderAllowance &p) { return p.id == id; });
}

void AllowanceMonitor::refresh(bool manual)
{
    QList<ProviderID> enabled;
    for (ProviderID id : displayOrder) {
        if (m_enabledProviderIDs.contains(id))
            enabled.append(id);
    }
    startRefresh(enabled, manual, manual ? RefreshSource::manual : RefreshSource::background);
}

void AllowanceMonitor::refreshStaleProviders(double olderThanSeconds)
{
    const QDateTime now = m_clock.now();
    QList<ProviderID> stale;
    for (ProviderID id : displayOrder) {
        if (needsRefresh(id, now, olderThanSeconds))
            stale.append(id);
    }
    startRefresh(stale, false, RefreshSource::foreground);
}

std::optional<QDateTime> AllowanceMonitor::lastAttempt(ProviderID id, const QDateTime &now) const
{
    const auto attempt = m_lastAttemptDates.constFind(id);
    if (attempt == m_lastAttemptDates.constEnd() || *attempt > now.addSecs(futureToleranceSeconds))
        return std::nullopt;
    return *attempt;
}

bool AllowanceMonitor::isHeldBackBySpacing(ProviderID id, const QDateTime &now) const
{
    const std::optional<QDateTime> attempt = id == ProviderID::claudeCode ? lastAttempt(id, now) : std::nullopt;
    return attempt && double(attempt->msecsTo(now)) / 1000.0 < claudeSpacing;
}

bool AllowanceMonitor::isDue(ProviderID id, const QDateTime &now) const
{
    // Claude's spacing counts from the stored attempt in every process, first load or not.
    const auto retry = m_retryDates.constFind(id);
    const bool heldBack = retry != m_retryDates.constEnd() && *retry > now;
    return !heldBack && !isHeldBackBySpacing(id, now);
}

bool AllowanceMonitor::needsRefresh(ProviderID id, const QDateTime &now, double maxAge) const
{
    if (!m_enabledProviderIDs.contains(id))
        return false;
    if (const auto retry = m_retryDates.constFind(id); retry != m_retryDates.constEnd() && *retry > now)
        return false;
    const double threshold = std::max(maxAge, id == ProviderID::claudeCode ? claudeSpacing : 0.0);
    std::optional<QDateTime> reference = lastAttempt(id, now);
    if (const auto success = m_lastSuccessfulAt.constFind(id); success != m_lastSuccessfulAt.constEnd() && (!reference || *success > *reference))
        reference = *success;
    return !reference || double(reference->msecsTo(now)) / 1000.0 >= threshold;
}

void AllowanceMonitor::persistDates()
{
    allowanceStore::saveDates(m_settings, m_retryDates, allowanceStore::retryDatesKey);
    allowanceStore::saveDates(m_settings, m_lastAttemptDates, allowanceStore::lastAttemptDatesKey);
}

void AllowanceMonitor::startRefresh(const QList<ProviderID> &providerIDs, bool showsManualRefresh, RefreshSource source)
{
    if (m_isRefreshing) {
        if (showsManualRefresh) {
            m_isShowingManualRefresh = true;
            Q_EMIT changed();
        }
        return;
    }
    QList<ProviderID> eligible;
    for (ProviderID id : providerIDs) {
        if (m_enabledProviderIDs.contains(id) && m_authorizedProviderIDs.contains(id)
            && connectionAttemptState(id) != ProviderConnectionAttemptState::connecting)
            eligible.append(id);
    }
    if (eligible.isEmpty())
        return;

    const QDateTime now = m_clock.now();
    const qsizetype before = m_retryDates.size();
    m_retryDates.removeIf([&](const auto &entry) { return entry.value() <= now; });
    if (m_retryDates.size() != before)
        persistDates();

    QList<ProviderID> due;
    for (ProviderID id : eligible) {
        if (isDue(id, now))
            due.append(id);
    }
    m_lastRefreshFailed = false;
    m_refreshSource = source;
    m_isShowingManualRefresh = showsManualRefresh;
    m_isRefreshing = !due.isEmpty();
    m_pendingProviderIDs = ProviderSet(due.begin(), due.end());
    m_successfulProviderIDs.clear();
    m_failedProviderIDs.clear();
    if (due.isEmpty()) {
        m_isShowingManualRefresh = false;
        Q_EMIT changed();
        return;
    }
    for (ProviderID id : due)
        m_lastAttemptDates.insert(id, now);
    persistDates();
    Q_EMIT changed();
    for (ProviderID id : due)
        startDetached(load(id), lcCore, "a provider load");
}

ProviderLoadResult AllowanceMonitor::resultForError(ProviderID id, std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const ProviderConnectorError &connectorError) {
        qCInfo(lcCore) << "loading" << toRawValue(id) << "failed:" << connectorError.what();
        ProviderLoadResult result{failureRecord(id, connectorError.kind()), std::nullopt};
        if (connectorError.kind() != Kind::rateLimited)
            return result;
        const std::optional<double> suggested = connectorError.retryAfter();
        const bool counts = suggested && std::isfinite(*suggested) && *suggested > 0 && *suggested <= longestSuggestedDelay;
        result.retryAfter = std::max(rateLimitFloor(id), counts ? *suggested : 0.0);
        return result;
    } catch (const std::exception &other) {
        qCInfo(lcCore) << "loading" << toRawValue(id) << "failed:" << other.what();
    } catch (...) {
        qCInfo(lcCore) << "loading" << toRawValue(id) << "failed";
    }
    return ProviderLoadResult{failureRecord(id, Kind::invalidResponse), std::nullopt};
}

QCoro::Task<void> AllowanceMonitor::load(ProviderID id)
{
    QPointer<AllowanceMonitor> self(this);
    ProviderLoader loader = m_services.connectors;
    const ClaudeTrackedLimit tracked = m_claudeTrackedLimit;
    std::optional<ProviderLoadResult> result;
    std::exception_ptr error;
    try {
        const ProviderAllowance provider = co_await loader(id, tracked);
        result = ProviderLoadResult{provider, std::nullopt};
    } catch (...) {
        error = std::current_exception();
    }
    if (!self)
        co_return;
    handle(id, result ? *result : resultForError(id, error));
}

void AllowanceMonitor::replaceRecord(const ProviderAllowance &provider)
{
    for (ProviderAllowance &entry : m_providers) {
        if (entry.id == provider.id)
            entry = provider.applyingTrackedLimit(m_claudeTrackedLimit);
    }
}

void AllowanceMonitor::clearRetryDate(ProviderID id)
{
    m_retryDates.remove(id);
    persistDates();
}

void AllowanceMonitor::dropSnapshot(ProviderID id)
{
    m_snapshots.remove(id);
    m_lastSuccessfulAt.remove(id);
    allowanceStore::persistSnapshots(m_settings, m_snapshots);
}

void AllowanceMonitor::handle(ProviderID id, const ProviderLoadResult &result)
{
    if (!m_pendingProviderIDs.contains(id))
        return;
    if (m_enabledProviderIDs.contains(id)) {
        const bool wasConnected = record(id).connectionState == ConnectionState::connected;
        if (result.retryAfter) {
            m_retryDates.insert(id, m_clock.now().addMSecs(qint64(*result.retryAfter * 1000)));
            persistDates();
            m_failedProviderIDs.insert(id);
            m_staleProviderIDs.insert(id);
            if (!wasConnected)
                replaceRecord(result.provider);
        } else {
            switch (result.provider.connectionState) {
            case ConnectionState::loading:
                replaceRecord(result.provider);
                break;
            case ConnectionState::connected:
                applyConnected(id, result.provider, wasConnected);
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
        }
    }
    m_pendingProviderIDs.remove(id);
    finishRefreshIfComplete();
    Q_EMIT changed();
}

void AllowanceMonitor::applyConnected(ProviderID id, const ProviderAllowance &provider, bool)
{
    m_connectionAttemptStates.insert(id, ProviderConnectionAttemptState::idle);
    clearRetryDate(id);
    m_successfulProviderIDs.insert(id);
    m_staleProviderIDs.remove(id);
    m_refreshIssues.remove(id);
    replaceRecord(provider);
    const QDateTime now = m_clock.now();
    m_snapshots.insert(id, allowanceStore::makeSnapshot(provider, now));
    m_lastSuccessfulAt.insert(id, now);
    allowanceStore::persistSnapshots(m_settings, m_snapshots);
    if (m_services.analytics && !m_services.analytics->firstConnectionObserved()) {
        m_services.analytics->setFirstConnectionObserved();
        m_services.analytics->trackFirstConnection();
    }
    if (!m_services.isSubstituteLoader && m_services.alerts)
        m_services.alerts->recordUsage(provider);
}

void AllowanceMonitor::applyNeedsConnection(ProviderID id, const ProviderAllowance &provider, bool wasConnected)
{
    m_refreshIssues.remove(id);
    clearRetryDate(id);
    m_staleProviderIDs.remove(id);
    m_failedProviderIDs.insert(id);
    if (wasConnected && !m_services.isSubstituteLoader && m_services.alerts)
        m_services.alerts->providerDidDisconnect(provider);
    replaceRecord(provider);
    dropSnapshot(id);
}

void AllowanceMonitor::applyUnsupported(ProviderID id, const ProviderAllowance &provider)
{
    m_refreshIssues.remove(id);
    clearRetryDate(id);
    m_successfulProviderIDs.insert(id);
    m_staleProviderIDs.remove(id);
    replaceRecord(provider);
    dropSnapshot(id);
}

void AllowanceMonitor::applyUnavailable(ProviderID id, const ProviderAllowance &provider)
{
    if (provider.detail == genericFailure)
        m_refreshIssues.remove(id);
    else
        m_refreshIssues.insert(id, provider.detail);
    m_failedProviderIDs.insert(id);
    m_staleProviderIDs.insert(id);
    if (record(id).connectionState != ConnectionState::connected)
        replaceRecord(provider);
}

void AllowanceMonitor::updateLastUpdated()
{
    m_lastUpdated.reset();
    for (auto [id, date] : m_lastSuccessfulAt.asKeyValueRange()) {
        if (m_enabledProviderIDs.contains(id) && (!m_lastUpdated || date < *m_lastUpdated))
            m_lastUpdated = date;
    }
}

void AllowanceMonitor::finishRefreshIfComplete()
{
    if (!m_pendingProviderIDs.isEmpty())
        return;
    const bool wasManual = m_isShowingManualRefresh;
    const bool someSuccess = std::any_of(m_successfulProviderIDs.begin(), m_successfulProviderIDs.end(), [this](ProviderID id) {
        return record(id).connectionState == ConnectionState::connected;
    });
    const bool failures = !m_failedProviderIDs.isEmpty();
    const RefreshResult outcome = !failures ? RefreshResult::success : someSuccess ? RefreshResult::partial : RefreshResult::failed;
    // Figures left stale by a provider that simply was not due are no failure "Try again" could mend.
    m_lastRefreshFailed = failures;
    updateLastUpdated();
    m_isRefreshing = false;
    m_isShowingManualRefresh = false;
    if (!m_services.analytics)
        return;
    if (wasManual)
        m_services.analytics->trackManualRefreshCompleted(outcome);
    if (m_refreshSource == RefreshSource::background && (someSuccess || failures))
        m_services.analytics->recordBackgroundRefresh(outcome);
}

void AllowanceMonitor::beginConnecting(ProviderID id)
{
    m_authorizedProviderIDs.insert(id);
    allowanceStore::saveAuthorizedProviders(m_settings, m_authorizedProviderIDs);
    m_retryDates.remove(id);
    m_lastAttemptDates.remove(id);
    persistDates();
    setConnectionAttemptState(id, ProviderConnectionAttemptState::connecting);
}

QCoro::Task<bool> AllowanceMonitor::connect(ProviderID id)
{
    // Every change of the refresh state is announced: wait for those instead of polling.
    QPointer<AllowanceMonitor> self(this);
    while (self && m_isRefreshing)
        co_await qCoro(this, &AllowanceMonitor::changed);
    if (!self)
        co_return false;
    m_connectionAttemptStates.insert(id, ProviderConnectionAttemptState::idle);
    m_lastAttemptDates.remove(id);
    m_retryDates.remove(id);
    startRefresh({id}, false, RefreshSource::connection);
    while (self && m_pendingProviderIDs.contains(id))
        co_await qCoro(this, &AllowanceMonitor::changed);
    co_return self && m_successfulProviderIDs.contains(id) && record(id).connectionState == ConnectionState::connected;
}

void AllowanceMonitor::setProvider(ProviderID id, bool enabled)
{
    if (enabled) {
        m_enabledProviderIDs.insert(id);
        if (m_snapshots.contains(id))
            m_staleProviderIDs.insert(id);
    } else {
        if (m_enabledProviderIDs.size() < 2)
            return;
        m_enabledProviderIDs.remove(id);
        m_staleProviderIDs.remove(id);
    }
    allowanceStore::saveEnabledProviders(m_settings, m_enabledProviderIDs);
    updateLastUpdated();
    Q_EMIT changed();
    if (!m_isRefreshing)
        refresh(false);
}

void AllowanceMonitor::setClaudeTrackedLimit(ClaudeTrackedLimit limit)
{
    if (limit == m_claudeTrackedLimit)
        return;
    m_claudeTrackedLimit = limit;
    allowanceStore::saveClaudeTrackedLimit(m_settings, limit);
    const ProviderAllowance transformed = record(ProviderID::claudeCode).applyingTrackedLimit(limit);
    replaceRecord(transformed);
    if (m_snapshots.contains(ProviderID::claudeCode)) {
        m_snapshots.insert(ProviderID::claudeCode,
                           allowanceStore::makeSnapshot(transformed, m_snapshots.value(ProviderID::claudeCode).savedAt));
        allowanceStore::persistSnapshots(m_settings, m_snapshots);
    }
    Q_EMIT changed();
}

double AllowanceMonitor::automaticRefreshInterval() const
{
    if (m_services.alerts && m_services.alerts->wantsFrequentRefresh())
        return 300;
    if (!m_lastInteractionAt)
        return 900;
    const double since = double(m_lastInteractionAt->msecsTo(m_clock.now())) / 1000.0;
    if (since <= 600)
        return 120;
    if (since <= 3600)
        return 300;
    return 900;
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
    QPointer<AllowanceMonitor> self(this);
    Clock &clock = m_clock;
    while (self && !token.stop_requested()) {
        const auto interval = std::chrono::milliseconds(qint64(automaticRefreshInterval() * 1000));
        try {
            co_await clock.sleep(interval, token);
        } catch (const OperationCancelled &) {
            co_return;
        }
        if (!self || token.stop_requested())
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

QList<ProviderAllowance> AllowanceMonitor::visibleProviders() const
{
    QList<ProviderAllowance> visible;
    for (const ProviderAllowance &provider : m_providers) {
        if (m_enabledProviderIDs.contains(provider.id))
            visible.append(provider);
    }
    return visible;
}

QString AllowanceMonitor::statusText() const
{
    return refreshStatusText({m_isShowingManualRefresh, m_isRefreshing, m_lastRefreshFailed, m_lastUpdated, m_enabledProviderIDs,
                              m_retryDates},
                             m_clock.now());
}

} // namespace quelta
