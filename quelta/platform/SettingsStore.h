#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

#include <optional>

namespace quelta {

// A typed key-value store kept as one JSON document per suite. Every value carries its type, so
// data stays bytes and booleans stay booleans; a value of another type than asked for reads as
// absent, while contains() still tells that something is there. Each write re-reads the file
// under a lock, applies the one change and replaces the file atomically, so two processes
// writing different keys lose neither. Reads pick up another process's writes.
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
    // The standard suite in the default directory, shared by the whole process.
    static SettingsStore &standard();

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

    void setBool(const QString &key, bool value);
    void setInteger(const QString &key, qint64 value);
    void setDouble(const QString &key, double value);
    void setString(const QString &key, const QString &value);
    void setStringList(const QString &key, const QStringList &value);
    void setDictionary(const QString &key, const QVariantMap &value);
    void setData(const QString &key, const QByteArray &value);
    void remove(const QString &key);

private:
    struct FileStamp {
        bool exists = false;
        quint64 inode = 0;
        qint64 modifiedNs = 0;
        qint64 size = 0;
        bool operator==(const FileStamp &) const = default;
    };

    QVariant value(const QString &key) const;
    void write(const QString &key, const std::optional<QVariant> &value);
    void refreshIfChanged() const;
    void reload() const;
    FileStamp currentStamp() const;

    QString m_filePath;
    mutable QVariantMap m_values;
    mutable std::optional<FileStamp> m_loadedStamp;
};

} // namespace quelta
