#pragma once

#include "SignalPostBody.h"
#include "TelemetryManagerConfiguration.h"

#include <QList>
#include <QMutex>

namespace telemetrydeck {

// Pending signals, oldest first, kept in a file while the application is not running.
class SignalCache
{
public:
    static constexpr int maximumNumberOfSignalsToPopAtOnce = 100;

    // Loads the file left by the last run, deleting it before its records are decoded.
    SignalCache(SharedConfiguration configuration, QString cacheFilePath);

    void push(const SignalPostBody &signal);
    // A failed batch goes back behind whatever arrived meanwhile.
    void pushBack(const QList<SignalPostBody> &batch);
    QList<SignalPostBody> pop();
    int count() const;
    // Writes every record to the file and empties the cache.
    void save();

    static QString defaultFilePath(const TelemetryManagerConfiguration &configuration);
    // The signals of a cache file; none when any record is unreadable.
    static QList<SignalPostBody> decode(const QByteArray &data);

private:
    void load();
    void enforceLimit();

    SharedConfiguration m_configuration;
    QString m_filePath;
    mutable QMutex m_mutex;
    QList<SignalPostBody> m_signals;
};

} // namespace telemetrydeck
