#pragma once

#include "UsageEvaluation.h"

#include <QSet>

namespace quelta {

class SettingsStore;

// What the alerts remember across launches: the rules' history and the snoozes, always written
// together (samples, metric states, snoozes) and read back whole or not at all.
class AlertMemory
{
public:
    static constexpr const char *samplesKey = "usageNotifications.samples.v1";
    static constexpr const char *metricStatesKey = "usageNotifications.metricStates.v1";
    static constexpr const char *snoozesKey = "usageNotifications.snoozes.v1";

    explicit AlertMemory(SettingsStore &settings);

    const AlertHistory &history() const { return m_history; }
    const Snoozes &snoozedUntil() const { return m_snoozedUntil; }
    bool isSnoozed(const AccountID &account, const QDateTime &now) const;

    void setHistory(AlertHistory history);
    // Puts the metrics of `keys` back as `before` held them, the rest as it is now.
    void restoreMetrics(const QSet<QString> &keys, const AlertHistory &before);
    // The raw identifier is kept as given, known account or not.
    void snooze(const QString &accountRawID, const QDateTime &until);
    void persist();

private:
    SettingsStore &m_settings;
    AlertHistory m_history;
    Snoozes m_snoozedUntil;
};

} // namespace quelta
