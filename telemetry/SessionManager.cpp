#include "SessionManager.h"

#include "ApplicationPresence.h"
#include "StoredTime.h"
#include "TelemetryClock.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>

namespace telemetrydeck {

namespace {

constexpr qint64 keptSeconds = 7'776'000;  // 90 days
constexpr qint64 monthSeconds = 2'592'000; // 30 days
constexpr auto tick = std::chrono::seconds(1);

const QString recentSessionsKey = QStringLiteral("recentSessions");
const QString deletedSessionsKey = QStringLiteral("deletedSessionsCount");
const QString firstSessionKey = QStringLiteral("firstSessionDate");
const QString distinctDaysKey = QStringLiteral("distinctDaysUsed");

QByteArray encodeSessions(const QList<StoredSession> &sessions)
{
    QJsonArray array;
    for (const StoredSession &session : sessions) {
        array.append(QJsonObject{{QStringLiteral("startedAt"), double(session.startedAt.toSecsSinceEpoch())},
                                 {QStringLiteral("durationInSeconds"), double(session.durationInSeconds)}});
    }
    return QJsonDocument(array).toJson(QJsonDocument::Compact);
}

} // namespace

QList<StoredSession> decodeSessions(const QByteArray &data)
{
    const QJsonDocument document = QJsonDocument::fromJson(data);
    QList<StoredSession> sessions;
    for (const QJsonValue &value : document.array()) {
        const QJsonObject object = value.toObject();
        const QJsonValue startedAt = object.value(QLatin1String("startedAt"));
        const QJsonValue duration = object.value(QLatin1String("durationInSeconds"));
        const std::optional<qint64> startSeconds = startedAt.isDouble() ? storedTime(startedAt.toDouble(), 1) : std::nullopt;
        const std::optional<qint64> durationSeconds = duration.isDouble() ? storedTime(duration.toDouble(), 1) : std::nullopt;
        if (!startSeconds || !durationSeconds)
            return {};
        sessions.append({QDateTime::fromSecsSinceEpoch(*startSeconds, Qt::UTC), *durationSeconds});
    }
    return sessions;
}

SessionManager::SessionManager(SharedConfiguration configuration, QSettings &store,
                               std::function<void(const QString &, const Parameters &)> sendSignal, QObject *parent)
    : QObject(parent)
    , m_configuration(std::move(configuration))
    , m_store(store)
    , m_sendSignal(std::move(sendSignal))
{
    const QDateTime now = m_configuration->clock->now();
    const QList<StoredSession> stored = decodeSessions(m_store.value(recentSessionsKey).toByteArray());
    const QDateTime cutoff = now.addSecs(-keptSeconds);
    for (const StoredSession &session : stored) {
        if (session.startedAt > cutoff)
            m_sessions.append(session);
    }
    if (const qsizetype dropped = stored.size() - m_sessions.size(); dropped > 0) {
        m_store.setValue(deletedSessionsKey, m_store.value(deletedSessionsKey, 0).toLongLong() + dropped);
        writeSessions();
    }

    QStringList days = m_store.value(distinctDaysKey).toStringList();
    if (!days.contains(dayString(now))) {
        days.append(dayString(now));
        m_store.setValue(distinctDaysKey, days);
    }

    if (const ApplicationPresence *presence = m_configuration->presence.get()) {
        connect(presence, &ApplicationPresence::activeChanged, this, [this](bool active) {
            if (active)
                handleWillEnterForeground();
            else
                handleDidEnterBackground();
        });
    }
}

// A program without windows has no notion of focus and counts as active throughout.
bool SessionManager::isApplicationActive() const
{
    return !m_configuration->presence || m_configuration->presence->isActive();
}

QString SessionManager::dayString(const QDateTime &date) const
{
    return date.toLocalTime().date().toString(Qt::ISODate);
}

void SessionManager::startNewSession()
{
    stopTicking();
    const QDateTime now = m_configuration->clock->now();
    if (recentSessions().isEmpty()) {
        const QString today = dayString(now);
        m_store.setValue(firstSessionKey, today);
        m_sendSignal(QStringLiteral("TelemetryDeck.Acquisition.newInstallDetected"),
                     {{QStringLiteral("TelemetryDeck.Acquisition.firstSessionDate"), today}});
    }
    m_currentSessionStartedAt = now;
    m_currentSessionDuration = 0;
    // A tray app starts without focus: its session time starts when a window of it is active.
    if (isApplicationActive())
        handleWillEnterForeground();
}

void SessionManager::startTicking()
{
    delete m_ticker;
    m_ticker = new QObject(this);
    scheduleTick();
}

void SessionManager::scheduleTick()
{
    // One tick at a time, re-armed after each; deleting the ticker stops it.
    m_configuration->clock->callAfter(tick, m_ticker, [this] {
        updateSessionDuration();
        scheduleTick();
    });
}

void SessionManager::stopTicking()
{
    delete m_ticker;
    m_lastUpdatedAt.reset();
}

void SessionManager::updateSessionDuration()
{
    const QDateTime now = m_configuration->clock->now();
    if (m_lastUpdatedAt)
        m_currentSessionDuration += double(m_lastUpdatedAt->msecsTo(now)) / 1000.0;
    m_lastUpdatedAt = now;
    if (m_currentSessionDuration >= 1)
        persistCurrentSession();
}

void SessionManager::persistCurrentSession()
{
    {
        QMutexLocker lock(&m_sessionsLock);
        const qint64 whole = qint64(m_currentSessionDuration);
        const qint64 startedAt = m_currentSessionStartedAt.toSecsSinceEpoch();
        auto existing = std::find_if(m_sessions.rbegin(), m_sessions.rend(),
                                     [&](const StoredSession &session) { return session.startedAt.toSecsSinceEpoch() == startedAt; });
        if (existing != m_sessions.rend())
            existing->durationInSeconds = whole;
        else
            m_sessions.append({QDateTime::fromSecsSinceEpoch(startedAt, Qt::UTC), whole});
    }
    writeSessions();
}

void SessionManager::writeSessions()
{
    m_store.setValue(recentSessionsKey, encodeSessions(recentSessions()));
}

void SessionManager::handleDidEnterBackground()
{
    updateSessionDuration();
    stopTicking();
}

void SessionManager::handleWillEnterForeground()
{
    updateSessionDuration();
    startTicking();
}

QList<StoredSession> SessionManager::recentSessions() const
{
    QMutexLocker lock(&m_sessionsLock);
    return m_sessions;
}

Parameters SessionManager::retentionParameters() const
{
    const QDateTime now = m_configuration->clock->now();
    const QList<StoredSession> sessions = recentSessions();
    Parameters parameters;
    parameters.insert(QStringLiteral("TelemetryDeck.Acquisition.firstSessionDate"),
                      m_store.value(firstSessionKey, dayString(now)).toString());

    qint64 average = -1;
    if (sessions.size() == 1) {
        average = sessions[0].durationInSeconds;
    } else if (sessions.size() > 1) {
        qint64 total = 0;
        for (qsizetype i = 0; i + 1 < sessions.size(); ++i)
            total += sessions[i].durationInSeconds;
        average = total / (sessions.size() - 1);
    }
    parameters.insert(QStringLiteral("TelemetryDeck.Retention.averageSessionSeconds"), QString::number(average));

    const QStringList days = m_store.value(distinctDaysKey).toStringList();
    const QString monthAgo = dayString(now.addSecs(-monthSeconds));
    const auto lastMonth = std::count_if(days.begin(), days.end(), [&](const QString &day) { return day >= monthAgo; });
    parameters.insert(QStringLiteral("TelemetryDeck.Retention.distinctDaysUsed"), QString::number(days.size()));
    parameters.insert(QStringLiteral("TelemetryDeck.Retention.distinctDaysUsedLastMonth"), QString::number(lastMonth));
    parameters.insert(QStringLiteral("TelemetryDeck.Retention.totalSessionsCount"),
                      QString::number(sessions.size() + m_store.value(deletedSessionsKey, 0).toLongLong()));
    if (sessions.size() >= 2) {
        parameters.insert(QStringLiteral("TelemetryDeck.Retention.previousSessionSeconds"),
                          QString::number(sessions[sessions.size() - 2].durationInSeconds));
    }
    return parameters;
}

} // namespace telemetrydeck
