#include "HistoryStore.h"

#include "SamplingRule.h"

#include <QHash>
#include <QSqlError>
#include <QSqlQuery>
#include <QTimeZone>
#include <QVariant>

#include <algorithm>

namespace quelta {

namespace {

const QString prunedAtKey = QStringLiteral("pruned_at");

QVariant nullInteger()
{
    return QVariant(QMetaType::fromType<qint64>());
}

// A null text binds as SQL NULL; an absent account is the empty name.
QString text(const QString &value)
{
    return value.isNull() ? QStringLiteral("") : value;
}

QVariant timeValue(const std::optional<QDateTime> &time)
{
    return time ? QVariant(time->toMSecsSinceEpoch()) : nullInteger();
}

std::optional<QDateTime> timeFrom(const QVariant &value)
{
    if (value.isNull())
        return std::nullopt;
    return QDateTime::fromMSecsSinceEpoch(value.toLongLong(), Qt::UTC);
}

// The WHERE conditions for a query, each with its one value in order.
struct Filter {
    QString clause;
    QVariantList values;
};

Filter filterFor(const HistoryQuery &query, const QString &timeColumn)
{
    QStringList conditions;
    Filter filter;
    auto add = [&](const QString &condition, const QVariant &value) {
        conditions << condition;
        filter.values << value;
    };
    if (query.provider)
        add(QStringLiteral("series.provider = ?"), *query.provider);
    if (query.account)
        add(QStringLiteral("series.account = ?"), text(*query.account));
    if (query.limitID)
        add(QStringLiteral("series.limit_id = ?"), *query.limitID);
    if (query.since)
        add(timeColumn + QStringLiteral(" >= ?"), query.since->toMSecsSinceEpoch());
    if (!conditions.isEmpty())
        filter.clause = QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND "));
    return filter;
}

void bind(QSqlQuery &query, const QVariantList &values)
{
    for (const QVariant &value : values)
        query.addBindValue(value);
}

HistorySeries seriesFrom(const QSqlQuery &query, int first)
{
    return {query.value(first).toString(), query.value(first + 1).toString(), query.value(first + 2).toString()};
}

} // namespace

HistoryStore::HistoryStore(const QString &path)
    : m_database(path)
{
}

bool HistoryStore::fail(const QSqlQuery &query)
{
    m_database.markUnavailable(query.lastError().text());
    return false;
}

bool HistoryStore::inWriteTransaction(const std::function<bool()> &work)
{
    if (!isAvailable())
        return false;
    QSqlQuery query(m_database.connection());
    // Immediate: the write lock is taken before anything is read, so that what is decided on
    // the stored record still holds when it is written.
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return fail(query);
    if (!work()) {
        query.exec(QStringLiteral("ROLLBACK"));
        // Identities made in the transaction are gone with it.
        m_seriesIDs.clear();
        return false;
    }
    if (!query.exec(QStringLiteral("COMMIT"))) {
        fail(query);
        query.exec(QStringLiteral("ROLLBACK"));
        m_seriesIDs.clear();
        return false;
    }
    return true;
}

std::optional<qint64> HistoryStore::seriesID(const HistorySample &sample)
{
    const QString key = QStringList{sample.series.provider, sample.series.account, sample.series.limitID}.join(QChar(0));
    if (const auto known = m_seriesIDs.constFind(key); known != m_seriesIDs.cend())
        return *known;
    QSqlQuery query(m_database.connection());
    // The name and window length are the latest seen; the identity never changes.
    query.prepare(QStringLiteral("INSERT INTO series (provider, account, limit_id, limit_name, window_seconds) VALUES (?, ?, ?, ?, ?)"
                                 " ON CONFLICT (provider, account, limit_id) DO UPDATE SET limit_name = excluded.limit_name,"
                                 " window_seconds = excluded.window_seconds RETURNING id"));
    query.addBindValue(text(sample.series.provider));
    query.addBindValue(text(sample.series.account));
    query.addBindValue(text(sample.series.limitID));
    query.addBindValue(text(sample.limitName));
    query.addBindValue(sample.windowSeconds ? QVariant(*sample.windowSeconds) : nullInteger());
    if (!query.exec() || !query.next()) {
        fail(query);
        return std::nullopt;
    }
    const qint64 id = query.value(0).toLongLong();
    m_seriesIDs.insert(key, id);
    return id;
}

bool HistoryStore::record(const QList<HistorySample> &samples)
{
    return inWriteTransaction([&] {
        for (const HistorySample &sample : samples) {
            const std::optional<qint64> series = seriesID(sample);
            if (!series)
                return false;
            const std::optional<HistorySample> last = neighbour(*series, sample, Side::before);
            const std::optional<HistorySample> next = neighbour(*series, sample, Side::after);
            if (!isAvailable())
                return false;
            if (!samplingRule::isWorthStoring(last, sample))
                continue;
            if (last && samplingRule::startsNewWindow(*last, sample) && !insertReset(*series, *last, sample.takenAt))
                return false;
            if (!insertSample(*series, sample))
                return false;
            // Another process got there later with the same figure: this sample is the one to keep.
            if (next && !samplingRule::isWorthStoring(sample, *next) && !removeSample(*series, *next))
                return false;
        }
        return true;
    });
}

std::optional<int> HistoryStore::import(const QList<HistorySample> &samples)
{
    struct Span {
        HistorySample identity;
        QDateTime from;
        QDateTime to;
    };
    int added = 0;
    const bool written = inWriteTransaction([&] {
        QHash<qint64, Span> spans;
        for (const HistorySample &sample : samples) {
            const std::optional<qint64> series = seriesID(sample);
            bool isNew = false;
            if (!series || !insertSample(*series, sample, &isNew))
                return false;
            added += isNew ? 1 : 0;
            const auto span = spans.find(*series);
            if (span == spans.end()) {
                spans.insert(*series, {sample, sample.takenAt, sample.takenAt});
                continue;
            }
            span->from = std::min(span->from, sample.takenAt);
            span->to = std::max(span->to, sample.takenAt);
        }
        for (auto span = spans.cbegin(); span != spans.cend(); ++span) {
            if (!noteResetsAround(span.key(), span->identity, span->from, span->to))
                return false;
        }
        return true;
    });
    return written ? std::optional(added) : std::nullopt;
}

bool HistoryStore::noteResetsAround(qint64 series, const HistorySample &identity, const QDateTime &from, const QDateTime &to)
{
    // From the sample before the span to the one after it: a window that ended there is an
    // event, as when recorded; one already noted is not noted again.
    QSqlQuery query(m_database.connection());
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT taken_at, used_percent, resets_at FROM samples WHERE series_id = ?"
                                 " AND taken_at >= coalesce((SELECT MAX(taken_at) FROM samples WHERE series_id = ? AND taken_at < ?), ?)"
                                 " AND taken_at <= coalesce((SELECT MIN(taken_at) FROM samples WHERE series_id = ? AND taken_at > ?), ?)"
                                 " ORDER BY taken_at"));
    const qint64 first = from.toMSecsSinceEpoch();
    const qint64 last = to.toMSecsSinceEpoch();
    for (const qint64 value : {series, series, first, first, series, last, last})
        query.addBindValue(value);
    if (!query.exec())
        return fail(query);
    QList<std::pair<HistorySample, QDateTime>> ended;
    std::optional<HistorySample> previous;
    while (query.next()) {
        HistorySample sample = identity;
        sample.takenAt = *timeFrom(query.value(0));
        sample.usedPercent = query.value(1).toInt();
        sample.resetsAt = timeFrom(query.value(2));
        if (previous && samplingRule::startsNewWindow(*previous, sample))
            ended.append({*previous, sample.takenAt});
        previous = sample;
    }
    return std::ranges::all_of(ended, [&](const auto &end) { return insertReset(series, end.first, end.second); });
}

std::optional<HistorySample> HistoryStore::neighbour(qint64 series, const HistorySample &sample, Side side)
{
    QSqlQuery query(m_database.connection());
    query.prepare(QStringLiteral("SELECT taken_at, used_percent, resets_at FROM samples WHERE series_id = ? AND taken_at %1 ?"
                                 " ORDER BY taken_at %2 LIMIT 1")
                      .arg(side == Side::before ? QStringLiteral("<=") : QStringLiteral(">"),
                           side == Side::before ? QStringLiteral("DESC") : QStringLiteral("ASC")));
    query.addBindValue(series);
    query.addBindValue(sample.takenAt.toMSecsSinceEpoch());
    if (!query.exec()) {
        fail(query);
        return std::nullopt;
    }
    if (!query.next())
        return std::nullopt;
    HistorySample found = sample;
    found.takenAt = *timeFrom(query.value(0));
    found.usedPercent = query.value(1).toInt();
    found.resetsAt = timeFrom(query.value(2));
    return found;
}

bool HistoryStore::insertSample(qint64 series, const HistorySample &sample, bool *added)
{
    QSqlQuery query(m_database.connection());
    query.prepare(QStringLiteral("INSERT OR IGNORE INTO samples (series_id, taken_at, used_percent, resets_at) VALUES (?, ?, ?, ?)"));
    query.addBindValue(series);
    query.addBindValue(sample.takenAt.toMSecsSinceEpoch());
    query.addBindValue(sample.usedPercent);
    query.addBindValue(timeValue(sample.resetsAt));
    if (!query.exec())
        return fail(query);
    if (added)
        *added = query.numRowsAffected() > 0;
    return true;
}

bool HistoryStore::removeSample(qint64 series, const HistorySample &sample)
{
    QSqlQuery query(m_database.connection());
    query.prepare(QStringLiteral("DELETE FROM samples WHERE series_id = ? AND taken_at = ?"));
    query.addBindValue(series);
    query.addBindValue(sample.takenAt.toMSecsSinceEpoch());
    return query.exec() || fail(query);
}

bool HistoryStore::insertReset(qint64 series, const HistorySample &last, const QDateTime &noticedAt)
{
    // The ended window is every stored sample that named the same reset, give or take the
    // seconds providers wobble by; a window already recorded is not recorded again.
    const qint64 reset = last.resetsAt->toMSecsSinceEpoch();
    const qint64 jitter = std::chrono::milliseconds(samplingRule::resetJitter).count();
    QSqlQuery query(m_database.connection());
    query.prepare(QStringLiteral("INSERT INTO window_resets (series_id, noticed_at, window_reset_at, peak_percent, ran_out_at)"
                                 " SELECT series_id, ?, ?, MAX(used_percent), MIN(CASE WHEN used_percent >= 100 THEN taken_at END)"
                                 " FROM samples WHERE series_id = ? AND resets_at BETWEEN ? AND ? GROUP BY series_id"
                                 " HAVING NOT EXISTS (SELECT 1 FROM window_resets WHERE series_id = ? AND window_reset_at BETWEEN ? AND ?)"));
    for (const QVariant &value : {QVariant(noticedAt.toMSecsSinceEpoch()), QVariant(reset), QVariant(series), QVariant(reset - jitter),
                                  QVariant(reset + jitter), QVariant(series), QVariant(reset - jitter), QVariant(reset + jitter)})
        query.addBindValue(value);
    return query.exec() || fail(query);
}

QList<HistorySample> HistoryStore::samples(const HistoryQuery &request)
{
    QList<HistorySample> found;
    if (!isAvailable())
        return found;
    // Each series' texts once, shared by its samples: a long export is mostly numbers.
    QHash<qint64, HistorySample> seriesByID;
    QSqlQuery query(m_database.connection());
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT id, provider, account, limit_id, limit_name, window_seconds FROM series"))) {
        fail(query);
        return found;
    }
    while (query.next()) {
        HistorySample identity;
        identity.series = seriesFrom(query, 1);
        identity.limitName = query.value(4).toString();
        if (!query.value(5).isNull())
            identity.windowSeconds = query.value(5).toLongLong();
        seriesByID.insert(query.value(0).toLongLong(), identity);
    }
    const Filter filter = filterFor(request, QStringLiteral("samples.taken_at"));
    query.prepare(QStringLiteral("SELECT samples.series_id, samples.taken_at, samples.used_percent, samples.resets_at"
                                 " FROM samples JOIN series ON series.id = samples.series_id%1"
                                 " ORDER BY samples.taken_at, samples.series_id")
                      .arg(filter.clause));
    bind(query, filter.values);
    if (!query.exec()) {
        fail(query);
        return found;
    }
    while (query.next()) {
        HistorySample sample = seriesByID.value(query.value(0).toLongLong());
        sample.takenAt = *timeFrom(query.value(1));
        sample.usedPercent = query.value(2).toInt();
        sample.resetsAt = timeFrom(query.value(3));
        found.append(std::move(sample));
    }
    return found;
}

QList<WindowReset> HistoryStore::resets(const HistoryQuery &request)
{
    QList<WindowReset> found;
    if (!isAvailable())
        return found;
    const Filter filter = filterFor(request, QStringLiteral("window_resets.noticed_at"));
    QSqlQuery query(m_database.connection());
    query.prepare(QStringLiteral("SELECT series.provider, series.account, series.limit_id, window_resets.noticed_at,"
                                 " window_resets.window_reset_at, window_resets.peak_percent, window_resets.ran_out_at"
                                 " FROM window_resets JOIN series ON series.id = window_resets.series_id%1"
                                 " ORDER BY window_resets.noticed_at")
                      .arg(filter.clause));
    bind(query, filter.values);
    if (!query.exec()) {
        fail(query);
        return found;
    }
    while (query.next()) {
        WindowReset reset;
        reset.series = seriesFrom(query, 0);
        reset.noticedAt = *timeFrom(query.value(3));
        reset.windowResetAt = timeFrom(query.value(4));
        reset.peakPercent = query.value(5).toInt();
        reset.ranOutAt = timeFrom(query.value(6));
        found.append(reset);
    }
    return found;
}

void HistoryStore::pruneIfDue(const QDateTime &now, std::optional<std::chrono::days> retention)
{
    prune(now, retention, Pruning::ifDue);
}

void HistoryStore::pruneNow(const QDateTime &now, std::optional<std::chrono::days> retention)
{
    prune(now, retention, Pruning::now);
}

void HistoryStore::prune(const QDateTime &now, std::optional<std::chrono::days> retention, Pruning when)
{
    if (!retention)
        return;
    inWriteTransaction([&] {
        QSqlQuery query(m_database.connection());
        query.prepare(QStringLiteral("SELECT value FROM meta WHERE key = ?"));
        query.addBindValue(prunedAtKey);
        if (!query.exec())
            return fail(query);
        const qint64 aDay = std::chrono::milliseconds(std::chrono::days(1)).count();
        if (when == Pruning::ifDue && query.next() && now.toMSecsSinceEpoch() - query.value(0).toLongLong() < aDay)
            return true;
        const qint64 cutoff = now.toMSecsSinceEpoch() - std::chrono::milliseconds(*retention).count();
        for (const QString &statement : {QStringLiteral("DELETE FROM samples WHERE taken_at < ?"),
                                         QStringLiteral("DELETE FROM window_resets WHERE noticed_at < ?")}) {
            query.prepare(statement);
            query.addBindValue(cutoff);
            if (!query.exec())
                return fail(query);
        }
        query.prepare(QStringLiteral("INSERT OR REPLACE INTO meta (key, value) VALUES (?, ?)"));
        query.addBindValue(prunedAtKey);
        query.addBindValue(QString::number(now.toMSecsSinceEpoch()));
        return query.exec() || fail(query);
    });
}

bool HistoryStore::clear()
{
    const bool cleared = inWriteTransaction([&] {
        QSqlQuery query(m_database.connection());
        for (const char *table : {"samples", "window_resets", "series"}) {
            if (!query.exec(QStringLiteral("DELETE FROM ") + QLatin1String(table)))
                return fail(query);
        }
        return true;
    });
    m_seriesIDs.clear();
    if (!cleared)
        return false;
    // Deleted rows linger in free pages and in the journal until these.
    QSqlQuery query(m_database.connection());
    return (query.exec(QStringLiteral("VACUUM")) && query.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"))) || fail(query);
}

} // namespace quelta
