#include "HistoryDatabase.h"

#include "HistoryLogging.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSqlError>
#include <QSqlQuery>

#include <atomic>

namespace quelta {

namespace {

// SQLite's own codes for a file that is damaged or is no database at all.
constexpr int sqliteCorrupt = 11;
constexpr int sqliteNotADatabase = 26;
// Setting a file up takes milliseconds; a lock held longer is another Quelta stuck.
constexpr int setupLockTimeoutMs = 5000;

// Each schema version's statements, applied in order from the file's version on.
const QList<QStringList> migrations = {
    {
        // Each figure's identity once, so that a sample is a few numbers.
        QStringLiteral("CREATE TABLE series (id INTEGER PRIMARY KEY, provider TEXT NOT NULL, account TEXT NOT NULL,"
                       " limit_id TEXT NOT NULL, limit_name TEXT NOT NULL, window_seconds INTEGER,"
                       " UNIQUE (provider, account, limit_id))"),
        QStringLiteral("CREATE TABLE samples (series_id INTEGER NOT NULL REFERENCES series (id), taken_at INTEGER NOT NULL,"
                       " used_percent INTEGER NOT NULL, resets_at INTEGER, PRIMARY KEY (series_id, taken_at)) WITHOUT ROWID"),
    },
    {
        QStringLiteral("CREATE TABLE window_resets (series_id INTEGER NOT NULL REFERENCES series (id), noticed_at INTEGER NOT NULL,"
                       " window_reset_at INTEGER NOT NULL, peak_percent INTEGER NOT NULL, ran_out_at INTEGER,"
                       " PRIMARY KEY (series_id, window_reset_at)) WITHOUT ROWID"),
        QStringLiteral("CREATE TABLE meta (key TEXT PRIMARY KEY, value TEXT NOT NULL)"),
        // Reading a stretch of time reads in this order, without a sort.
        QStringLiteral("CREATE INDEX samples_by_time ON samples (taken_at, series_id)"),
    },
};
static_assert(HistoryDatabase::schemaVersion == 2);

bool isDamage(const QSqlError &error)
{
    const int code = error.nativeErrorCode().toInt();
    return code == sqliteCorrupt || code == sqliteNotADatabase;
}

QString uniqueConnectionName()
{
    static std::atomic<int> counter = 0;
    return QStringLiteral("quelta.history.%1").arg(counter++);
}

} // namespace

HistoryDatabase::HistoryDatabase(QString path)
    : m_path(std::move(path))
    , m_connectionName(uniqueConnectionName())
{
    if (!QDir().mkpath(QFileInfo(m_path).absolutePath())) {
        m_problem = QStringLiteral("can’t create the folder of %1").arg(m_path);
        return;
    }
    m_database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    // One Quelta at a time sets the file up: two switching a new file to WAL together both hold
    // a read lock, and SQLite refuses one at once whatever the busy timeout; two could also set
    // the same damaged file aside. Without the lock (an unwritable folder) opening goes on alone.
    QLockFile setup(m_path + QLatin1String(".lock"));
    setup.tryLock(setupLockTimeoutMs);
    Attempt attempt = tryOpen();
    if (attempt == Attempt::damaged && setAside())
        attempt = tryOpen();
    if (attempt != Attempt::opened)
        m_database.close();
}

HistoryDatabase::~HistoryDatabase()
{
    m_database.close();
    m_database = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connectionName);
}

void HistoryDatabase::markUnavailable(const QString &problem)
{
    if (m_problem)
        return;
    qCWarning(lcHistory) << "history unavailable:" << problem;
    m_problem = problem;
}

HistoryDatabase::Attempt HistoryDatabase::tryOpen()
{
    m_problem.reset();
    m_database.setDatabaseName(m_path);
    // Another Quelta may hold the write lock for a moment; wait rather than fail.
    m_database.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
    if (!m_database.open()) {
        markUnavailable(m_database.lastError().text());
        return Attempt::failed;
    }
    QSqlQuery query(m_database);
    if (!query.exec(QStringLiteral("PRAGMA journal_mode=WAL")) || !query.next()) {
        if (isDamage(query.lastError())) {
            m_database.close();
            return Attempt::damaged;
        }
        markUnavailable(query.lastError().text());
        return Attempt::failed;
    }
    if (query.value(0).toString() != QLatin1String("wal")) {
        markUnavailable(QStringLiteral("%1 can’t be written").arg(m_path));
        return Attempt::failed;
    }
    query.exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
    if (!migrate())
        return m_problem ? Attempt::failed : Attempt::damaged;
    return Attempt::opened;
}

std::optional<int> HistoryDatabase::storedVersion(bool *damaged)
{
    QSqlQuery query(m_database);
    if (query.exec(QStringLiteral("PRAGMA user_version")) && query.next())
        return query.value(0).toInt();
    *damaged = isDamage(query.lastError());
    if (!*damaged)
        markUnavailable(query.lastError().text());
    return std::nullopt;
}

bool HistoryDatabase::migrate()
{
    bool damaged = false;
    std::optional<int> version = storedVersion(&damaged);
    if (version == schemaVersion)
        return true;
    QSqlQuery query(m_database);
    // Under the write lock, read again: another Quelta may be bringing the same file up to date.
    if (!version || !query.exec(QStringLiteral("BEGIN IMMEDIATE")) || !(version = storedVersion(&damaged))) {
        if (!damaged && !m_problem)
            markUnavailable(query.lastError().text());
        return false;
    }
    if (*version > schemaVersion) {
        query.exec(QStringLiteral("ROLLBACK"));
        markUnavailable(QStringLiteral("%1 comes from a newer Quelta").arg(m_path));
        return false;
    }
    bool applied = true;
    for (int step = *version; step < schemaVersion && applied; ++step) {
        for (const QString &statement : migrations[step])
            applied = applied && query.exec(statement);
    }
    applied = applied && query.exec(QStringLiteral("PRAGMA user_version = %1").arg(schemaVersion)) && query.exec(QStringLiteral("COMMIT"));
    if (applied)
        return true;
    const QSqlError error = query.lastError();
    query.exec(QStringLiteral("ROLLBACK"));
    if (!isDamage(error))
        markUnavailable(error.text());
    return false;
}

bool HistoryDatabase::setAside()
{
    m_database.close();
    // Never over an earlier damaged file: each is kept for whoever wants to look.
    QString target = m_path + QLatin1String(".corrupt");
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = QStringLiteral("%1.corrupt-%2").arg(m_path).arg(n);
    if (!QFile::rename(m_path, target)) {
        markUnavailable(QStringLiteral("%1 is damaged and can’t be set aside").arg(m_path));
        return false;
    }
    // The journal belongs to the damaged file.
    for (const QLatin1String suffix : {QLatin1String("-wal"), QLatin1String("-shm")})
        QFile::rename(m_path + suffix, target + suffix);
    qCWarning(lcHistory) << "history file damaged; set aside as" << target;
    m_setAsidePath = target;
    return true;
}

} // namespace quelta
