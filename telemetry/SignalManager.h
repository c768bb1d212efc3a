#pragma once

#include "SignalCache.h"
#include "TelemetryManagerConfiguration.h"

#include <QObject>
#include <QPointer>

#include <memory>

class QNetworkAccessManager;
class QNetworkReply;

namespace telemetrydeck {

// Uploads cached signals in batches on a one-shot timer that is re-armed after every attempt,
// backing off while uploads fail.
class SignalManager final : public QObject
{
    Q_OBJECT
public:
    explicit SignalManager(SharedConfiguration configuration, QObject *parent = nullptr);
    ~SignalManager() override;

    void processSignal(SignalPostBody signal);
    // Writes the cache to its file; connected to the application's quit.
    void appWillTerminate();

    SignalCache &cache() { return *m_cache; }
    int consecutiveFailures() const { return m_consecutiveFailures; }
    int sendCompletions() const { return m_sendCompletions; }
    // The delay the next attempt was scheduled with, in seconds.
    double scheduledDelay() const { return m_scheduledDelay; }

Q_SIGNALS:
    void attemptFinished();

private:
    void schedule();
    void sendAttempt();
    void finishAttempt(bool success, const QList<SignalPostBody> &failedBatch);
    void onReply(QNetworkReply *reply, const QList<SignalPostBody> &batch);

    SharedConfiguration m_configuration;
    std::unique_ptr<SignalCache> m_cache;
    QNetworkAccessManager *m_network = nullptr;
    // Deleting it cancels the pending attempt.
    QPointer<QObject> m_timer;
    int m_consecutiveFailures = 0;
    int m_sendCompletions = 0;
    double m_scheduledDelay = 0;
};

} // namespace telemetrydeck
