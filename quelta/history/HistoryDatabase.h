#pragma once

#include <QSqlDatabase>
#include <QString>

#include <optional>

namespace quelta {

// The history file opened, brought to the current schema, in WAL mode. A file that is not a
// database, or a damaged one, is set aside beside it and a new one started; a file that cannot
// be opened or written leaves the database unavailable, with the reason.
class HistoryDatabase final
{
public:
    static constexpr int schemaVersion = 2;

    explicit HistoryDatabase(QString path);
    ~HistoryDatabase();
    HistoryDatabase(const HistoryDatabase &) = delete;
    HistoryDatabase &operator=(const HistoryDatabase &) = delete;

    bool isOpen() const { return !m_problem && m_database.isOpen(); }
    // Why there is no history, for a person to read.
    std::optional<QString> problem() const { return m_problem; }
    // Where a damaged file went, when one was set aside at opening.
    std::optional<QString> setAsidePath() const { return m_setAsidePath; }
    QSqlDatabase &connection() { return m_database; }
    const QString &path() const { return m_path; }

    // Called when a statement finds the file damaged or unwritable after opening.
    void markUnavailable(const QString &problem);

private:
    enum class Attempt { opened, damaged, failed };

    Attempt tryOpen();
    // The file's schema version; absent when it cannot be read, with `damaged` telling why.
    std::optional<int> storedVersion(bool *damaged);
    bool migrate();
    bool setAside();

    QString m_path;
    QString m_connectionName;
    QSqlDatabase m_database;
    std::optional<QString> m_problem;
    std::optional<QString> m_setAsidePath;
};

} // namespace quelta
