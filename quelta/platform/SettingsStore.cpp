#include "SettingsStore.h"

#include "PlatformLogging.h"
#include "SettingsDocument.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>

#include <sys/stat.h>

namespace quelta {

namespace {
// Another writer holds the lock only for one small file replacement.
constexpr int lockTimeout = 5000;
}

SettingsStore::SettingsStore(const QString &directory, const QString &suiteName)
    : m_filePath(QDir(directory).filePath(suiteName + QLatin1String(".json")))
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

void SettingsStore::reload() const
{
    m_loadedStamp = currentStamp();
    m_contents = {};
    QFile file(m_filePath);
    if (!m_loadedStamp->exists || !QFileInfo(m_filePath).isFile() || !file.open(QIODevice::ReadOnly))
        return;
    if (const auto contents = SettingsDocument::decode(file.readAll())) {
        m_contents = *contents;
        if (!m_contents.undecodable.isEmpty())
            qCInfo(lcSettings) << m_filePath << "holds values this version cannot read:" << m_contents.undecodable.keys();
        return;
    }
    file.close();
    setAside();
    m_loadedStamp = currentStamp();
}

void SettingsStore::setAside() const
{
    // Keep every unreadable file for inspection and start afresh; the next write makes a clean one.
    QString aside = m_filePath + QLatin1String(".corrupt");
    for (int n = 1; QFile::exists(aside); ++n)
        aside = m_filePath + QLatin1String(".corrupt.") + QString::number(n);
    const bool moved = QFile::rename(m_filePath, aside);
    qCWarning(lcSettings) << m_filePath << "is no settings document;" << (moved ? "set aside as" : "could not be set aside as") << aside;
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
    QDir().mkpath(QFileInfo(m_filePath).absolutePath());
    // Held only for one read-modify-replace; a lock left by a dead process is taken over.
    QLockFile lock(m_filePath + QLatin1String(".lock"));
    const bool locked = lock.tryLock(lockTimeout);
    if (locked)
        reload();
    m_contents.undecodable.remove(key);
    if (value)
        m_contents.values.insert(key, *value);
    else
        m_contents.values.remove(key);
    if (!locked) {
        qCWarning(lcSettings) << "writing" << key << "failed: the lock" << lock.error();
        return false;
    }

    QSaveFile file(m_filePath);
    const bool written = file.open(QIODevice::WriteOnly) && file.write(SettingsDocument::encode(m_contents)) >= 0 && file.commit();
    m_loadedStamp = currentStamp();
    if (!written)
        qCWarning(lcSettings) << "writing" << key << "to" << m_filePath << "failed:" << file.errorString();
    return written;
}

} // namespace quelta
