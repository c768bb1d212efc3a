#include "HistoryRecorder.h"

#include "RecentPace.h"

#include "core/AllowanceMonitor.h"
#include "platform/Clock.h"
#include "platform/SettingsStore.h"

namespace quelta {

std::optional<HistorySample> historySample(ProviderID provider, const QString &account, const ProviderLimit &limit, const QDateTime &now)
{
    if (!limit.percentage)
        return std::nullopt;
    HistorySample sample;
    sample.takenAt = now;
    sample.series = {toRawValue(provider), account, limit.id};
    sample.limitName = limit.name;
    const int percentage = std::clamp(*limit.percentage, 0, 100);
    sample.usedPercent = limit.percentageStyle == AllowancePercentageStyle::used ? percentage : 100 - percentage;
    sample.resetsAt = limit.resetsAt;
    if (limit.windowDuration)
        sample.windowSeconds = qint64(*limit.windowDuration);
    return sample;
}

QList<HistorySample> historySamples(const ProviderAllowance &provider, const QString &account, const QDateTime &now)
{
    QList<HistorySample> samples;
    for (const ProviderLimit &limit : provider.limits) {
        if (const std::optional<HistorySample> sample = historySample(provider.id, account, limit, now))
            samples << *sample;
    }
    return samples;
}

HistoryRecorder::HistoryRecorder(AllowanceMonitor &monitor, SettingsStore &settings, const QString &path, QObject *parent)
    : QObject(parent)
    , m_monitor(monitor)
    , m_settings(settings)
    , m_clock(monitor.clock())
    , m_path(path)
{
    connect(&m_monitor, &AllowanceMonitor::providerRefreshed, this, &HistoryRecorder::record);
    m_monitor.setUsageHistory(this);
}

HistoryStore &HistoryRecorder::store()
{
    if (!m_store) {
        m_store = std::make_unique<HistoryStore>(m_path);
        noteAvailability();
    }
    return *m_store;
}

HistoryRecorder::~HistoryRecorder()
{
    m_monitor.setUsageHistory(nullptr);
}

HistoryRetention HistoryRecorder::retention() const
{
    return historyRetention::stored(m_settings);
}

void HistoryRecorder::setRetention(HistoryRetention retention)
{
    if (retention == this->retention())
        return;
    historyRetention::store(m_settings, retention);
    Q_EMIT retentionChanged();
    // A shorter keep takes effect at once, not at the next daily pruning.
    store().pruneNow(m_clock.now(), historyRetention::period(retention));
    Q_EMIT recordChanged();
}

bool HistoryRecorder::clear()
{
    const bool cleared = store().clear();
    noteAvailability();
    Q_EMIT recordChanged();
    return cleared;
}

std::optional<double> HistoryRecorder::recentUsageRate(const ProviderAllowance &provider, const ProviderLimit &limit, const QDateTime &now)
{
    const std::optional<HistorySample> current = historySample(provider.id, provider.accountName, limit, now);
    if (!current || !current->windowSeconds || !store().isAvailable())
        return std::nullopt;
    const HistorySample &sample = *current;
    // The lookback and the silence allowed before it.
    const auto reach = recentPace::lookback(std::chrono::seconds(*sample.windowSeconds)) + std::chrono::hours(2);
    HistoryQuery query{sample.series.provider, sample.series.account, sample.series.limitID, now.addSecs(-reach.count())};
    return recentPace::usageRate(store().samples(query), sample);
}

void HistoryRecorder::record(const AccountID &id)
{
    const auto provider = std::ranges::find(m_monitor.providers(), id, &accountOf);
    if (provider == m_monitor.providers().end() || !store().isAvailable())
        return;
    const QDateTime now = m_clock.now();
    if (m_store->record(historySamples(*provider, id.name, now)))
        Q_EMIT recordChanged();
    m_store->pruneIfDue(now, historyRetention::period(retention()));
    noteAvailability();
}

void HistoryRecorder::noteAvailability()
{
    m_monitor.setHistoryUnavailable(!m_store->isAvailable());
}

} // namespace quelta
