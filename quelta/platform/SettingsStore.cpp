#include "SettingsStore.h"

#include "PlatformLogging.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QStandardPaths>

#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace quelta {

namespace {
// Another writer holds the lock only for one small file replacement.
constexpr int lockTimeout = 5000;
}

SettingsStore::SettingsStore(const QString &directory, const QString &suiteName, durable::SyncToDisk syncToDisk)
    : m_filePath(QDir(directory).filePath(suiteName + QLatin1String(".json")))
    , m_file(syncToDisk)
{
}

QString SettingsStore::defaultDirectory()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1String("/quelta");
}

SettingsStore::FileStamp SettingsStore::currentStamp() const
{
    struct stat info {};
    if (::stat(QFile::encodeName(m_filePath).constData(), &info) != 0)
        return {};
    return FileStamp{true, quint64(info.st_ino), qint64(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec,
                     qint64(info.st_size)};
}

SettingsFileRead::Outcome SettingsStore::reload() const
{
    m_loadedStamp = currentStamp();
    m_contents = {};
    SettingsFileRead read = SettingsFileRead::of(m_filePath);
    if (read.outcome == SettingsFileRead::Outcome::notADocument || read.outcome == SettingsFileRead::Outcome::tooLarge) {
        read = setAsideAndReadPrevious(read);
        m_loadedStamp = currentStamp();
    }
    const std::optional<QString> wasUnreadable = std::exchange(m_unreadable, std::nullopt);
    if (read.outcome == SettingsFileRead::Outcome::unreadable) {
        m_unreadable = read.problem;
        if (wasUnreadable != m_unreadable)
            qCWarning(lcSettings).noquote() << QStringLiteral("%1 cannot be read (%2); running on defaults and leaving it as it is")
                                                   .arg(m_filePath, read.problem);
    }
    if (read.outcome == SettingsFileRead::Outcome::document) {
        m_contents = read.contents;
        if (!m_contents.undecodable.isEmpty())
            qCInfo(lcSettings) << m_filePath << "holds values this version cannot read:" << m_contents.undecodable.keys();
    }
    applyUnsaved();
    return read.outcome;
}

SettingsFileRead SettingsStore::setAsideAndReadPrevious(const SettingsFileRead &bad) const
{
    // Kept for inspection, never deleted: the next write makes a clean file.
    QString aside = m_filePath + QLatin1String(".corrupt");
    for (int n = 1; QFile::exists(aside); ++n)
        aside = m_filePath + QLatin1String(".corrupt.") + QString::number(n);
    const bool moved = QFile::rename(m_filePath, aside);
    const char *why = bad.outcome == SettingsFileRead::Outcome::tooLarge ? "is larger than a settings file can be;"
                                                                         : "is no settings document;";
    qCWarning(lcSettings) << m_filePath << why << (moved ? "set aside as" : "could not be set aside as") << aside;

    // An earlier write that failed (as older versions let a full disk do) leaves such a file.
    SettingsFileRead previous = SettingsFileRead::of(previousPath());
    if (previous.outcome != SettingsFileRead::Outcome::document)
        return {};
    // Only where no other process wrote a new file meanwhile.
    if (moved && ::link(QFile::encodeName(previousPath()).constData(), QFile::encodeName(m_filePath).constData()) == 0)
        qCWarning(lcSettings) << m_filePath << "restored from" << previousPath();
    return previous;
}

void SettingsStore::keepPrevious() const
{
    // Linked, not copied: files here are only ever replaced, never changed in place.
    const QByteArray file = QFile::encodeName(m_filePath);
    const QByteArray previous = QFile::encodeName(previousPath());
    const QByteArray linking = previous + ".new";
    ::unlink(linking.constData());
    if (::link(file.constData(), linking.constData()) == 0)
        ::rename(linking.constData(), previous.constData());
}

void SettingsStore::applyUnsaved() const
{
    for (auto [key, value] : m_unsaved.asKeyValueRange()) {
        m_contents.undecodable.remove(key);
        if (value)
            m_contents.values.insert(key, *value);
        else
            m_contents.values.remove(key);
    }
}

void SettingsStore::refreshIfChanged() const
{
    if (!m_loadedStamp || *m_loadedStamp != currentStamp())
        reload();
}

QVariant SettingsStore::value(const QString &key) const
{
    refreshIfChanged();
    return m_contents.values.value(key);
}

bool SettingsStore::contains(const QString &key) const
{
    refreshIfChanged();
    return m_contents.values.contains(key) || m_contents.undecodable.contains(key);
}

QStringList SettingsStore::keys() const
{
    refreshIfChanged();
    QStringList keys = m_contents.values.keys() + m_contents.undecodable.keys();
    keys.sort();
    return keys;
}

namespace {

template <typename T>
std::optional<T> typed(const QVariant &value, QMetaType::Type type)
{
    if (value.typeId() != type)
        return std::nullopt;
    return value.value<T>();
}

} // namespace

std::optional<bool> SettingsStore::boolValue(const QString &key) const
{
    return typed<bool>(value(key), QMetaType::Bool);
}

std::optional<qint64> SettingsStore::integerValue(const QString &key) const
{
    return typed<qint64>(value(key), QMetaType::LongLong);
}

std::optional<double> SettingsStore::doubleValue(const QString &key) const
{
    const QVariant stored = value(key);
    if (stored.typeId() == QMetaType::LongLong)
        return double(stored.toLongLong());
    return typed<double>(stored, QMetaType::Double);
}

std::optional<QString> SettingsStore::stringValue(const QString &key) const
{
    return typed<QString>(value(key), QMetaType::QString);
}

std::optional<QStringList> SettingsStore::stringListValue(const QString &key) const
{
    return typed<QStringList>(value(key), QMetaType::QStringList);
}

std::optional<QVariantMap> SettingsStore::dictionaryValue(const QString &key) const
{
    return typed<QVariantMap>(value(key), QMetaType::QVariantMap);
}

std::optional<QByteArray> SettingsStore::dataValue(const QString &key) const
{
    return typed<QByteArray>(value(key), QMetaType::QByteArray);
}

bool SettingsStore::setBool(const QString &key, bool value)
{
    return write(key, QVariant(value));
}

bool SettingsStore::setInteger(const QString &key, qint64 value)
{
    return write(key, QVariant(qlonglong(value)));
}

bool SettingsStore::setDouble(const QString &key, double value)
{
    return write(key, QVariant(value));
}

bool SettingsStore::setString(const QString &key, const QString &value)
{
    return write(key, QVariant(value));
}

bool SettingsStore::setStringList(const QString &key, const QStringList &value)
{
    return write(key, QVariant(value));
}

bool SettingsStore::setDictionary(const QString &key, const QVariantMap &value)
{
    return write(key, QVariant(value));
}

bool SettingsStore::setData(const QString &key, const QByteArray &value)
{
    return write(key, QVariant(value));
}

bool SettingsStore::remove(const QString &key)
{
    return write(key, std::nullopt);
}

bool SettingsStore::write(const QString &key, const std::optional<QVariant> &value)
{
    m_unsaved.insert(key, value);
    if (m_batchDepth > 0) {
        applyUnsaved();
        return true;
    }
    return flush();
}

bool SettingsStore::flush()
{
    const QStringList keys = m_unsaved.keys();
    m_lastWriteFailed = true;
    QDir().mkpath(QFileInfo(m_filePath).absolutePath());
    // Held only for one read-modify-replace; a lock left by a dead process is taken over.
    QLockFile lock(m_filePath + QLatin1String(".lock"));
    if (!lock.tryLock(lockTimeout)) {
        applyUnsaved();
        qCWarning(lcSettings) << "writing" << keys << "failed: the lock" << lock.error();
        return false;
    }
    const SettingsFileRead::Outcome found = reload();
    if (found == SettingsFileRead::Outcome::unreadable) {
        qCWarning(lcSettings).noquote() << QStringLiteral("writing %1 failed: %2 cannot be read (%3)")
                                               .arg(keys.join(QLatin1String(", ")), m_filePath, *m_unreadable);
        return false;
    }
    if (found == SettingsFileRead::Outcome::document)
        keepPrevious();
    const bool written = m_file.replace(m_filePath, SettingsDocument::encode(m_contents));
    m_loadedStamp = currentStamp();
    if (!written) {
        qCWarning(lcSettings) << "writing" << keys << "to" << m_filePath << "failed:" << m_file.errorString();
        return false;
    }
    m_unsaved.clear();
    m_lastWriteFailed = false;
    return true;
}

SettingsStore::Batch::Batch(SettingsStore &store)
    : m_store(store)
{
    ++m_store.m_batchDepth;
}

SettingsStore::Batch::~Batch()
{
    if (--m_store.m_batchDepth == 0 && !m_store.m_unsaved.isEmpty())
        m_store.flush();
}

} // namespace quelta
