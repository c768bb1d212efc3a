#include "SignalCache.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLocale>
#include <QSaveFile>

#include <unistd.h>

namespace telemetrydeck {

SignalCache::SignalCache(SharedConfiguration configuration, QString cacheFilePath)
    : m_configuration(std::move(configuration))
    , m_filePath(std::move(cacheFilePath))
{
    load();
}

QString SignalCache::defaultFilePath(const TelemetryManagerConfiguration &configuration)
{
    return configuration.cacheDirectory + QLatin1String("/telemetrysignalcache");
}

void SignalCache::load()
{
    QMutexLocker lock(&m_mutex);
    m_configuration->log(LogLevel::info, QStringLiteral("Loading Telemetry cache from: ") + QUrl::fromLocalFile(m_filePath).toString());
    QFile file(m_filePath);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray data = file.readAll();
    file.close();
    // Gone before decoding: a file that cannot be read is not tried again.
    QFile::remove(m_filePath);
    const QList<SignalPostBody> loaded = decode(data);
    m_configuration->log(LogLevel::info, QStringLiteral("Loaded %1 signals").arg(loaded.size()));
    m_signals += loaded;
}

QList<SignalPostBody> SignalCache::decode(const QByteArray &data)
{
    const QJsonDocument document = QJsonDocument::fromJson(data);
    QList<SignalPostBody> loaded;
    for (const QJsonValue &value : document.array()) {
        const std::optional<SignalPostBody> signal = SignalPostBody::fromCacheJson(value.toObject());
        if (!signal)
            return {};
        loaded.append(*signal);
    }
    return loaded;
}

void SignalCache::enforceLimit()
{
    const qsizetype surplus = m_signals.size() - qsizetype(std::max(m_configuration->cacheLimit, 0));
    if (surplus > 0)
        m_signals.remove(0, surplus);
}

void SignalCache::push(const SignalPostBody &signal)
{
    QMutexLocker lock(&m_mutex);
    m_signals.append(signal);
    enforceLimit();
}

void SignalCache::pushBack(const QList<SignalPostBody> &batch)
{
    QMutexLocker lock(&m_mutex);
    m_signals += batch;
    enforceLimit();
}

QList<SignalPostBody> SignalCache::pop()
{
    QMutexLocker lock(&m_mutex);
    const qsizetype taken = std::min<qsizetype>(m_signals.size(), maximumNumberOfSignalsToPopAtOnce);
    QList<SignalPostBody> batch = m_signals.mid(0, taken);
    m_signals.remove(0, taken);
    return batch;
}

int SignalCache::count() const
{
    QMutexLocker lock(&m_mutex);
    return int(m_signals.size());
}

void SignalCache::save()
{
    QMutexLocker lock(&m_mutex);
    m_configuration->log(LogLevel::debug, QStringLiteral("appWillTerminate()"));
    QJsonArray array;
    for (const SignalPostBody &signal : m_signals)
        array.append(signal.toCacheJson());
    const QByteArray data = QJsonDocument(array).toJson(QJsonDocument::Compact);
    QDir().mkpath(QFileInfo(m_filePath).absolutePath());
    QSaveFile file(m_filePath);
    // commit() misses a buffered write that fails only as it is flushed (a full disk): the old
    // cache must stay then, so every byte is flushed and synced before it is replaced.
    if (file.open(QIODevice::WriteOnly) && file.write(data) == data.size() && file.flush() && ::fsync(file.handle()) == 0
        && file.commit()) {
        m_configuration->log(LogLevel::info, QStringLiteral("Saved Telemetry cache %1 of %2 signals")
                                                 .arg(QLocale::c().formattedDataSize(data.size()))
                                                 .arg(m_signals.size()));
    } else {
        m_configuration->log(LogLevel::error, QStringLiteral("Error saving Telemetry cache"));
    }
    m_signals.clear();
}

} // namespace telemetrydeck
