#include "TelemetryManager.h"

#include "ReservedNames.h"
#include "SessionManager.h"
#include "SignalManager.h"
#include "TelemetryClock.h"

#include <QCryptographicHash>
#include <QDir>

namespace telemetrydeck {

namespace {

const QString userIdentifierKey = QStringLiteral("defaultUserIdentifier");

// One suite per application, named after a hash of its identifier.
QString suiteName(const QString &appID)
{
    return QStringLiteral("dev.telemetrydeck.client.") + TelemetryManager::sha256Hex(appID).left(12);
}

} // namespace

TelemetryManager::TelemetryManager(SharedConfiguration configuration)
    : m_configuration(std::move(configuration))
    , m_store(std::make_unique<QSettings>(
          QDir(m_configuration->storageDirectory).filePath(suiteName(m_configuration->telemetryAppID) + QLatin1String(".ini")),
          QSettings::IniFormat))
    , m_facts(SystemFacts::current(m_configuration->presence.get()))
    , m_signalManager(std::make_unique<SignalManager>(m_configuration))
{
    if (!m_configuration->buildVersion.isEmpty())
        m_facts.buildNumber = m_configuration->buildVersion;
    m_sessionManager = std::make_unique<SessionManager>(
        m_configuration, *m_store, [this](const QString &type, const Parameters &parameters) {
            processSignal(type, parameters, std::nullopt, std::nullopt);
        });
}

TelemetryManager::~TelemetryManager() = default;

QString TelemetryManager::sha256Hex(const QString &text)
{
    return QString::fromLatin1(QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha256).toHex());
}

QString TelemetryManager::defaultUserIdentifier()
{
    if (m_configuration->defaultUser)
        return *m_configuration->defaultUser;
    QString identifier = m_store->value(userIdentifierKey).toString();
    if (identifier.isEmpty()) {
        identifier = QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
        m_store->setValue(userIdentifierKey, identifier);
    }
    return identifier;
}

void TelemetryManager::processSignal(const QString &type, const Parameters &parameters, std::optional<double> floatValue,
                                     std::optional<QString> customUser)
{
    if (m_configuration->isPreviewMode() || m_configuration->analyticsDisabled)
        return;
    const QDateTime now = m_configuration->clock->now();
    Parameters payload = defaultPayload(m_facts, now);
    if (m_configuration->sessionStatsEnabled) {
        const Parameters retention = m_sessionManager->retentionParameters();
        payload.insert(retention);
    }
    for (const auto &enricher : m_configuration->metadataEnrichers)
        payload.insert(enricher());
    payload.insert(parameters);

    SignalPostBody body;
    body.receivedAt = now;
    body.appID = m_configuration->telemetryAppID;
    body.clientUser = sha256Hex(customUser.value_or(defaultUserIdentifier()) + m_configuration->salt);
    body.sessionID = m_configuration->sessionID.toString(QUuid::WithoutBraces).toUpper();
    body.type = type;
    body.floatValue = floatValue;
    body.payload = payload;
    body.isTestMode = m_configuration->isTestMode() ? QStringLiteral("true") : QStringLiteral("false");
    m_signalManager->processSignal(body);
}

void TelemetryManager::startNewSession()
{
    m_configuration->sessionID = QUuid::createUuid();
    if (m_configuration->sessionStatsEnabled)
        m_sessionManager->startNewSession();
    if (m_configuration->sendNewSessionBeganSignal)
        processSignal(QStringLiteral("TelemetryDeck.Session.started"), {}, std::nullopt, std::nullopt);
}

} // namespace telemetrydeck
