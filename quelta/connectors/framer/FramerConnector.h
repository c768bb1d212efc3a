#pragma once

#include "FramerConnectionProgress.h"

#include "connectors/ProviderConnector.h"
#include "platform/TaskLifetime.h"

#include <QObject>

#include <chrono>

namespace quelta {

class Clock;
class SettingsStore;

// Framer's agent credits, read by the web helper `quelta-web`, the only program that loads the
// web engine: a Framer user pays for the engine only while Framer is read or signed in to.
// The application owns one; it remembers the team id in the application's store.
class FramerConnector final : public QObject, public ProviderConnector
{
    Q_OBJECT
public:
    struct Environment {
        QString helperProgram;
        Clock *clock = nullptr;
        SettingsStore *settings = nullptr;
        // One helper at a time uses the Framer profile, across every Quelta process.
        QString profileLockPath;
        std::chrono::milliseconds lockWait = std::chrono::seconds(30);
        std::chrono::milliseconds fetchDeadline = std::chrono::seconds(40);
    };

    static constexpr const char *teamIDKey = "framer.teamID";

    explicit FramerConnector(Environment environment, QObject *parent = nullptr);

    FramerConnectionProgress connectionProgress() const { return m_progress; }
    bool isConnectionWindowOpen() const { return m_windowOpen; }

    // A helper that crashes, hangs or answers nonsense gives invalidResponse or timedOut; so
    // does a profile another helper holds for longer than the lock wait.
    QCoro::Task<ProviderAllowance> fetchAllowance() override;
    // Back to idle before a new attempt, unless a magic link is still opening.
    void prepareForConnection();
    // Opens the Framer connection window and returns once the user has closed it (or it closed
    // itself): whether Framer was connected then. A second call while it is open returns false.
    QCoro::Task<bool> showConnectionWindow();

Q_SIGNALS:
    void connectionProgressChanged();

private:
    void setProgress(FramerConnectionProgress progress);
    std::optional<QString> storedTeamID();

    Environment m_environment;
    FramerConnectionProgress m_progress;
    bool m_windowOpen = false;
    // Last: ends the helper runs before the rest goes.
    TaskLifetime m_lifetime;
};

} // namespace quelta
