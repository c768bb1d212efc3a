#pragma once

#include "DefaultPayload.h"
#include "TelemetryManagerConfiguration.h"

#include <QObject>
#include <QSettings>

#include <memory>
#include <optional>

namespace telemetrydeck {

class SessionManager;
class SignalManager;

// One initialised client: turns signals into records and hands them to its signal manager.
class TelemetryManager final : public QObject
{
    Q_OBJECT
public:
    explicit TelemetryManager(SharedConfiguration configuration);
    ~TelemetryManager() override;

    SharedConfiguration configuration() const { return m_configuration; }
    SignalManager &signalManager() { return *m_signalManager; }
    SessionManager &sessionManager() { return *m_sessionManager; }

    // Runs on this object's thread.
    void processSignal(const QString &type, const Parameters &parameters, std::optional<double> floatValue,
                       std::optional<QString> customUser);
    // Replaces the session id, which starts a new session.
    void startNewSession();

    // The generated user identifier, kept in this application's own suite.
    QString defaultUserIdentifier();
    static QString sha256Hex(const QString &text);

private:
    SharedConfiguration m_configuration;
    std::unique_ptr<QSettings> m_store;
    SystemFacts m_facts;
    std::unique_ptr<SignalManager> m_signalManager;
    std::unique_ptr<SessionManager> m_sessionManager;
};

} // namespace telemetrydeck
