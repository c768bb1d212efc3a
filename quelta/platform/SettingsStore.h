#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

#include "SettingsDocument.h"

#include <optional>

namespace quelta {

// A typed key-value store kept as one JSON document per suite. Every value carries its type, so
// data stays bytes and booleans stay booleans; a value of another type than asked for reads as
// absent, while contains() still tells that something is there. Each write re-reads the file
// under a lock, applies the one change and replaces the file atomically, so two processes
// writing different keys lose neither. Reads pick up another process's writes.
//
// A value this version cannot read degrades alone: it reads as absent and is written back as it
// was. Only a file that is no settings document at all is set aside, under a name that never
// replaces an earlier one. A setter answers false when the change could not be written (the
// lock not taken in time, or the file not replaced); the process still sees the new value.
//
// Dictionary values hold bool, qlonglong, double, QString, QStringList, QVariantMap or
// QByteArray; anything else is dropped when written.
class SettingsStore
{
public:
    static constexpr const char *standardSuiteName = "settings";

    explicit SettingsStore(const QString &directory, const QString &suiteName = QLatin1String(standardSuiteName));

    // The application's own configuration folder under the XDG config home.
    static QString defaultDirectory();

    QString filePath() const { return m_filePath; }

    bool contains(const QString &key) const;
    QStringList keys() const;

    std::optional<bool> boolValue(const QString &key) const;
    std::optional<qint64> integerValue(const QString &key) const;
    // Integers count as numbers too; booleans do not.
    std::optional<double> doubleValue(const QString &key) const;
    std::optional<QString> stringValue(const QString &key) const;
    std::optional<QStringList> stringListValue(const QString &key) const;
    std::optional<QVariantMap> dictionaryValue(const QString &key) const;
    std::optional<QByteArray> dataValue(const QString &key) const;

    bool setBool(const QString &key, bool value);
    bool setInteger(const QString &key, qint64 value);
    bool setDouble(const QString &key, double value);
    bool setString(const QString &key, const QString &value);
    bool setStringList(const QString &key, const QStringList &value);
    bool setDictionary(const QString &key, const QVariantMap &value);
    bool setData(const QString &key, const QByteArray &value);
    bool remove(const QString &key);

private:
    struct FileStamp {
        bool exists = false;
        quint64 inode = 0;
        qint64 modifiedNs = 0;
        qint64 size = 0;
        bool operator==(const FileStamp &) const = default;
    };

    QVariant value(const QString &key) const;
    bool write(const QString &key, const std::optional<QVariant> &value);
    void setAside() const;
    void refreshIfChanged() const;
    void reload() const;
    FileStamp currentStamp() const;

    QString m_filePath;
    mutable SettingsDocument::Contents m_contents;
    mutable std::optional<FileStamp> m_loadedStamp;
};

} // namespace quelta
