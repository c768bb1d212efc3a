#include "SettingsStore.h"

#include "SettingsDocument.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>

#include <sys/stat.h>

namespace quelta {

SettingsStore::SettingsStore(const QString &directory, const QString &suiteName)
    : m_filePath(QDir(directory).filePath(suiteName + QLatin1String(".json")))
{
}

SettingsStore &SettingsStore::standard()
{
    static auto *store = new SettingsStore(defaultDirectory());
    return *store;
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
    m_values.clear();
    QFile file(m_filePath);
    if (!m_loadedStamp->exists || !file.open(QIODevice::ReadOnly))
        return;
    if (const auto values = SettingsDocument::decode(file.readAll())) {
        m_values = *values;
        return;
    }
    // Keep the unreadable file for inspection and start afresh; the next write makes a clean one.
    file.close();
    const QString aside = m_filePath + QLatin1String(".corrupt");
    QFile::remove(aside);
    QFile::rename(m_filePath, aside);
    m_loadedStamp = currentStamp();
}

void SettingsStore::refreshIfChanged() const
{
    if (!m_loadedStamp || *m_loadedStamp != currentStamp())
        reload();
}

QVariant SettingsStore::value(const QString &key) const
{
    refreshIfChanged();
    return m_values.value(key);
}

bool SettingsStore::contains(const QString &key) const
{
    refreshIfChanged();
    return m_values.contains(key);
}

QStringList SettingsStore::keys() const
{
    refreshIfChanged();
    return m_values.keys();
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

void SettingsStore::setBool(const QString &key, bool value)
{
    write(key, QVariant(value));
}

void SettingsStore::setInteger(const QString &key, qint64 value)
{
    write(key, QVariant(qlonglong(value)));
}

void SettingsStore::setDouble(const QString &key, double value)
{
    write(key, QVariant(value));
}

void SettingsStore::setString(const QString &key, const QString &value)
{
    write(key, QVariant(value));
}

void SettingsStore::setStringList(const QString &key, const QStringList &value)
{
    write(key, QVariant(value));
}

void SettingsStore::setDictionary(const QString &key, const QVariantMap &value)
{
    write(key, QVariant(value));
}

void SettingsStore::setData(const QString &key, const QByteArray &value)
{
    write(key, QVariant(value));
}

void SettingsStore::remove(const QString &key)
{
    write(key, std::nullopt);
}

void SettingsStore::write(const QString &key, const std::optional<QVariant> &value)
{
    QDir().mkpath(QFileInfo(m_filePath).absolutePath());
    // Held only for one read-modify-replace; a lock left by a dead process is taken over.
    QLockFile lock(m_filePath + QLatin1String(".lock"));
    lock.lock();
    reload();
    if (value)
        m_values.insert(key, *value);
    else
        m_values.remove(key);

    QSaveFile file(m_filePath);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(SettingsDocument::encode(m_values));
        file.commit();
    }
    m_loadedStamp = currentStamp();
}

} // namespace quelta
