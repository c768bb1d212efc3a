#include "SignalManager.h"

#include "TelemetryClock.h"
#include "TelemetryError.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

#include <algorithm>
#include <cmath>

namespace telemetrydeck {

namespace {

// Uploads are bounded by the session's time-out; a session the caller hands in brings its own.
QNetworkAccessManager *ownNetwork(QObject *parent)
{
    auto *network = new QNetworkAccessManager(parent);
    network->setTransferTimeout(20'000);
    return network;
}

} // namespace

namespace {

// Statuses after which the same batch would never be accepted.
QString rejectionReason(int status)
{
    switch (status) {
    case 400:
        return QStringLiteral("Bad Request (400)");
    case 401:
        return QStringLiteral("Unauthorized (401)");
    case 403:
        return QStringLiteral("Forbidden (403)");
    case 404:
        return QStringLiteral("Not Found (404)");
    case 413:
        return QStringLiteral("Payload Too Large (413)");
    case 422:
        return QStringLiteral("Unprocessable Entity (422)");
    case 501:
        return QStringLiteral("Not Implemented (501)");
    case 505:
        return QStringLiteral("HTTP Version Not Supported (505)");
    default:
        return {};
    }
}

} // namespace

SignalManager::SignalManager(SharedConfiguration configuration, QObject *parent)
    : QObject(parent)
    , m_configuration(std::move(configuration))
    , m_cache(std::make_unique<SignalCache>(m_configuration, SignalCache::defaultFilePath(*m_configuration)))
    , m_network(m_configuration->network ? m_configuration->network : ownNetwork(this))
{
    if (QCoreApplication *application = QCoreApplication::instance())
        connect(application, &QCoreApplication::aboutToQuit, this, &SignalManager::appWillTerminate);
    sendAttempt();
    m_consecutiveFailures = 0;
    schedule();
}

SignalManager::~SignalManager() = default;

void SignalManager::processSignal(SignalPostBody signal)
{
    if (m_configuration->logHandler && m_configuration->logHandler->logLevel == LogLevel::debug)
        m_configuration->log(LogLevel::debug, QStringLiteral("Process signal: ") + QString::fromUtf8(uploadBody({signal})));
    m_cache->push(signal);
}

void SignalManager::appWillTerminate()
{
    m_cache->save();
}

void SignalManager::schedule()
{
    delete m_timer;
    m_scheduledDelay = std::min(m_configuration->transmitInterval * std::pow(2.0, m_consecutiveFailures),
                                m_configuration->maxBackoffInterval);
    m_timer = new QObject(this);
    m_configuration->clock->callAfter(std::chrono::milliseconds(qint64(m_scheduledDelay * 1000)), m_timer, [this] {
        m_timer->deleteLater();
        sendAttempt();
    });
}

void SignalManager::sendAttempt()
{
    m_configuration->log(LogLevel::debug, QStringLiteral("Current signal cache count: %1").arg(m_cache->count()));
    const QList<SignalPostBody> batch = m_cache->pop();
    if (batch.isEmpty()) {
        finishAttempt(true, {});
        return;
    }
    m_configuration->log(LogLevel::info,
                         QStringLiteral("Sending %1 signals leaving a cache of %2 signals").arg(batch.size()).arg(m_cache->count()));
    const QUrl endpoint = m_configuration->endpointURL();
    if (!endpoint.isValid()) {
        m_configuration->log(LogLevel::error, QStringLiteral("Unable to construct signal API URL for namespace ")
                                                  + m_configuration->namespaceName.value_or(QStringLiteral("nil")));
        m_configuration->log(LogLevel::error, QString::fromUtf8(TelemetryError::invalidEndpointUrl().what()));
        finishAttempt(false, batch);
        return;
    }
    QNetworkRequest request(endpoint);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("application/json"));
    QNetworkReply *reply = m_network->post(request, uploadBody(batch));
    connect(reply, &QNetworkReply::finished, this, [this, reply, batch] { onReply(reply, batch); });
}

void SignalManager::onReply(QNetworkReply *reply, const QList<SignalPostBody> &batch)
{
    reply->deleteLater();
    const QVariant statusAttribute = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!statusAttribute.isValid()) {
        m_configuration->log(LogLevel::error, reply->errorString());
        finishAttempt(false, batch);
        return;
    }
    const int status = statusAttribute.toInt();
    if (status >= 200 && status <= 299) {
        if (m_configuration->logHandler && m_configuration->logHandler->logLevel == LogLevel::debug)
            m_configuration->log(LogLevel::debug, QString::fromUtf8(reply->readAll()));
        finishAttempt(true, {});
        return;
    }
    if (const QString reason = rejectionReason(status); !reason.isEmpty()) {
        m_configuration->log(LogLevel::error, QStringLiteral("Dropping %1 signal(s): rejected by server %2").arg(batch.size()).arg(reason));
        finishAttempt(true, {});
        return;
    }
    m_configuration->log(LogLevel::debug, QStringLiteral("Failed to send events (status %1), will try again later").arg(status));
    finishAttempt(false, batch);
}

void SignalManager::finishAttempt(bool success, const QList<SignalPostBody> &failedBatch)
{
    if (success) {
        m_consecutiveFailures = 0;
    } else {
        m_cache->pushBack(failedBatch);
        ++m_consecutiveFailures;
    }
    ++m_sendCompletions;
    schedule();
    Q_EMIT attemptFinished();
}

} // namespace telemetrydeck
