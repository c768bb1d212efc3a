#pragma once

#include "TelemetryManagerConfiguration.h"

#include <QDateTime>
#include <QList>
#include <QMutex>
#include <QObject>
#include <QPointer>
#include <QSettings>

#include <functional>
#include <memory>
#include <optional>

namespace telemetrydeck {

struct StoredSession {
    QDateTime startedAt;
    qint64 durationInSeconds = 0;
    bool operator==(const StoredSession &) const = default;
};

// The stored list of sessions; empty when any record is unreadable.
QList<StoredSession> decodeSessions(const QByteArray &data);

// Sessions of the last 90 days and the days of use, for the retention figures on every signal.
// Durations count only while the application is active.
class SessionManager final : public QObject
{
    Q_OBJECT
public:
    // `sendSignal` carries the new-install signal past the prefix and the reserved-name checks.
    SessionManager(SharedConfiguration configuration, QSettings &store,
                   std::function<void(const QString &type, const Parameters &)> sendSignal, QObject *parent = nullptr);

    void startNewSession();
    void updateSessionDuration();
    void handleDidEnterBackground();
    void handleWillEnterForeground();

    // The six "TelemetryDeck.Acquisition." and "TelemetryDeck.Retention." parameters.
    Parameters retentionParameters() const;
    QList<StoredSession> recentSessions() const;

private:
    bool isApplicationActive() const;
    QString dayString(const QDateTime &date) const;
    void startTicking();
    void scheduleTick();
    void stopTicking();
    void persistCurrentSession();
    void writeSessions();

    SharedConfiguration m_configuration;
    QSettings &m_store;
    std::function<void(const QString &, const Parameters &)> m_sendSignal;
    mutable QMutex m_sessionsLock;
    QList<StoredSession> m_sessions;
    QDateTime m_currentSessionStartedAt;
    double m_currentSessionDuration = 0;
    QPointer<QObject> m_ticker;
    std::optional<QDateTime> m_lastUpdatedAt;
};

} // namespace telemetrydeck
