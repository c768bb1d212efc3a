#pragma once

#include "HistoryRetention.h"
#include "HistorySample.h"
#include "HistoryStore.h"

#include "core/AccountID.h"
#include "core/ProviderAllowance.h"
#include "core/UsageHistory.h"

#include <QObject>

#include <memory>

namespace quelta {

class AllowanceMonitor;
class Clock;
class SettingsStore;

// A limit's figure as a sample taken at `now`; absent without a percentage.
std::optional<HistorySample> historySample(ProviderID provider, const QString &account, const ProviderLimit &limit, const QDateTime &now);
// A refresh's figures as samples: one per limit that has a percentage.
QList<HistorySample> historySamples(const ProviderAllowance &provider, const QString &account, const QDateTime &now);

// Keeps the record beside the monitor: each refresh's figures go to the history file, old ones
// are pruned, and a file that cannot be used turns history off for this run, which the
// monitor's status line tells.
class HistoryRecorder final : public QObject, public UsageHistory
{
    Q_OBJECT
public:
    HistoryRecorder(AllowanceMonitor &monitor, SettingsStore &settings, const QString &path, QObject *parent = nullptr);
    ~HistoryRecorder() override;

    // Opened at the first figure to keep or read: a tray with nothing to record never loads the
    // database.
    HistoryStore &store();
    HistoryRetention retention() const;
    void setRetention(HistoryRetention retention);
    // Forgets every figure; false when the file could not be cleared.
    bool clear();

    std::optional<double> recentUsageRate(const ProviderAllowance &provider, const ProviderLimit &limit, const QDateTime &now) override;

Q_SIGNALS:
    void retentionChanged();
    // Samples were added or removed.
    void recordChanged();

private:
    void record(const AccountID &id);
    void noteAvailability();

    AllowanceMonitor &m_monitor;
    SettingsStore &m_settings;
    Clock &m_clock;
    QString m_path;
    std::unique_ptr<HistoryStore> m_store;
};

} // namespace quelta
