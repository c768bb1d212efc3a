#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

#include "SettingsDocument.h"
#include "SettingsFileRead.h"

#include "DurableFile.h"

#include <optional>

namespace quelta {

// A typed key-value store kept as one JSON document per suite. Every value carries its type, so
// data stays bytes and booleans stay booleans; a value of another type than asked for reads as
// absent, while contains() still tells that something is there. Each write re-reads the file
// under a lock, applies the change and replaces the file once every byte is on the disk, so two
// processes writing different keys lose neither and a full disk loses nothing. Reads pick up
// another process's writes.
//
// A value this version cannot read degrades alone: it reads as absent and is written back as it
// was. A file that is no settings document at all, or too large to be one, is set aside under a
// name that never replaces an earlier one, and the copy kept of the file before the last write
// takes its place. A file that is there but cannot be read is never written over: the store
// runs on defaults and says why.
//
// A setter answers false when the change could not be written (the lock not taken in time, the
// file unreadable, or not replaced); the process still sees the new value, and every later
// write carries it until one succeeds.
//
// Dictionary values hold bool, qlonglong, double, QString, QStringList, QVariantMap or
// QByteArray; anything else is dropped when written.
class SettingsStore
{
public:
    static constexpr const char *standardSuiteName = "settings";

    // While a batch lives, changes are seen at once but reach the file together, in one
    // replacement, when the outermost batch ends: several changes of one event cost one write.
    // A setter inside a batch answers true; whether the batch's write failed shows in
    // hasUnsavedChanges().
    class Batch
    {
    public:
        explicit Batch(SettingsStore &store);
        ~Batch();
        Batch(const Batch &) = delete;
        Batch &operator=(const Batch &) = delete;

    private:
        SettingsStore &m_store;
    };

    explicit SettingsStore(const QString &directory, const QString &suiteName = QLatin1String(standardSuiteName),
                           durable::SyncToDisk syncToDisk = &::fsync);

    // The application's own configuration folder under the XDG config home.
    static QString defaultDirectory();

    QString filePath() const { return m_filePath; }
    // Some change of this process is not in the file yet: the last write failed.
    bool hasUnsavedChanges() const { return m_lastWriteFailed; }

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
    // Writes every unsaved change in one replacement of the file.
    bool flush();
    void applyUnsaved() const;
    SettingsFileRead::Outcome reload() const;
    SettingsFileRead setAsideAndReadPrevious(const SettingsFileRead &bad) const;
    // Keeps the file, just read as a whole document, beside the one about to replace it.
    void keepPrevious() const;
    void refreshIfChanged() const;
    FileStamp currentStamp() const;
    QString previousPath() const { return m_filePath + QLatin1String(".previous"); }

    QString m_filePath;
    durable::DurableFile m_file;
    mutable SettingsDocument::Contents m_contents;
    mutable std::optional<FileStamp> m_loadedStamp;
    // Why the file could not be read when it was last looked at.
    mutable std::optional<QString> m_unreadable;
    // Changes not written yet, each key's latest; nullopt removes the key.
    QMap<QString, std::optional<QVariant>> m_unsaved;
    bool m_lastWriteFailed = false;
    int m_batchDepth = 0;
};

} // namespace quelta
