#pragma once

#include "HistoryDatabase.h"
#include "HistoryQuery.h"
#include "HistorySample.h"

#include <QDateTime>
#include <QHash>
#include <QList>

#include <chrono>
#include <functional>
#include <optional>

namespace quelta {

// The record of figures kept in the history file. Every failure leaves the store unavailable
// with a reason, and every later call a harmless no-op: history never stops the monitor.
class HistoryStore final
{
public:
    explicit HistoryStore(const QString &path);

    bool isAvailable() const { return m_database.isOpen(); }
    std::optional<QString> problem() const { return m_database.problem(); }
    const HistoryDatabase &database() const { return m_database; }

    // Stores those of a refresh's samples that the sampling rule keeps, and a reset for each
    // series whose window moved on. Decided inside one write transaction against what is stored,
    // so that two processes never store the same sample twice. False when nothing could be written.
    bool record(const QList<HistorySample> &samples);

    // Adds samples as they are (a restored export), skipping any already stored; the count added,
    // absent when the file could not be written.
    std::optional<int> import(const QList<HistorySample> &samples);

    QList<HistorySample> samples(const HistoryQuery &query);
    QList<WindowReset> resets(const HistoryQuery &query);

    // Drops what is older than the retention allows, at most once a day; forever keeps all.
    void pruneIfDue(const QDateTime &now, std::optional<std::chrono::days> retention);
    // The same at once, as when the person has just chosen a shorter retention.
    void pruneNow(const QDateTime &now, std::optional<std::chrono::days> retention);

    // Forgets everything, leaving no trace of the figures in the file.
    bool clear();

private:
    enum class Side { before, after };
    // The stored row of the sample's series, made on first use.
    std::optional<qint64> seriesID(const HistorySample &sample);
    // The series' stored sample nearest to `sample` on that side (at the same time counts as before).
    std::optional<HistorySample> neighbour(qint64 series, const HistorySample &sample, Side side);
    bool insertSample(qint64 series, const HistorySample &sample, bool *added = nullptr);
    bool removeSample(qint64 series, const HistorySample &sample);
    bool insertReset(qint64 series, const HistorySample &last, const QDateTime &noticedAt);
    bool noteResetsAround(qint64 series, const HistorySample &identity, const QDateTime &from, const QDateTime &to);
    bool fail(const class QSqlQuery &query);
    enum class Pruning { ifDue, now };
    void prune(const QDateTime &now, std::optional<std::chrono::days> retention, Pruning when);
    bool inWriteTransaction(const std::function<bool()> &work);

    HistoryDatabase m_database;
    QHash<QString, qint64> m_seriesIDs;
};

} // namespace quelta
