#include "AlertMemory.h"

#include "platform/SettingsStore.h"

#include <algorithm>
#include <iterator>

namespace quelta {

AlertMemory::AlertMemory(SettingsStore &settings)
    : m_settings(settings)
{
    if (const std::optional<QByteArray> data = m_settings.dataValue(QLatin1String(samplesKey)))
        m_history.samples = decodeSamples(*data).value_or(QList<UsageSample>{});
    if (const std::optional<QByteArray> data = m_settings.dataValue(QLatin1String(metricStatesKey)))
        m_history.metricStates = decodeMetricStates(*data).value_or(MetricStates{});
    if (const std::optional<QByteArray> data = m_settings.dataValue(QLatin1String(snoozesKey)))
        m_snoozedUntil = decodeSnoozes(*data).value_or(Snoozes{});
}

bool AlertMemory::isSnoozed(const AccountID &account, const QDateTime &now) const
{
    const auto snoozed = m_snoozedUntil.constFind(account.rawValue());
    return snoozed != m_snoozedUntil.constEnd() && *snoozed > now;
}

void AlertMemory::setHistory(AlertHistory history)
{
    m_history = std::move(history);
    persist();
}

void AlertMemory::restoreMetrics(const QSet<QString> &keys, const AlertHistory &before)
{
    const auto ofKeys = [&](const UsageSample &sample) { return keys.contains(sample.metricKey); };
    QList<UsageSample> &samples = m_history.samples;
    samples.erase(std::remove_if(samples.begin(), samples.end(), ofKeys), samples.end());
    std::copy_if(before.samples.cbegin(), before.samples.cend(), std::back_inserter(samples), ofKeys);
    for (const QString &key : keys) {
        m_history.metricStates.remove(key);
        if (before.metricStates.contains(key))
            m_history.metricStates.insert(key, before.metricStates.value(key));
    }
    persist();
}

void AlertMemory::snooze(const QString &accountRawID, const QDateTime &until)
{
    m_snoozedUntil.insert(accountRawID, until);
    persist();
}

void AlertMemory::persist()
{
    m_settings.setData(QLatin1String(samplesKey), encodeSamples(m_history.samples));
    m_settings.setData(QLatin1String(metricStatesKey), encodeMetricStates(m_history.metricStates));
    m_settings.setData(QLatin1String(snoozesKey), encodeSnoozes(m_snoozedUntil));
}

} // namespace quelta
