#pragma once

#include "alerts/UsageNotificationManager.h"
#include "analytics/AnalyticsManager.h"
#include "commands/AccountChanges.h"
#include "commands/CommandTarget.h"
#include "commands/ProviderConnection.h"
#include "connectors/AccountRegistry.h"
#include "connectors/ProviderConnectors.h"
#include "connectors/ProviderHttpSession.h"
#include "connectors/claude/AuthStatusCache.h"
#include "connectors/framer/FramerConnector.h"
#include "core/AllowanceMonitor.h"
#include "history/HistoryRecorder.h"
#include "platform/FreedesktopNotificationCenter.h"
#include "platform/SettingsStore.h"
#include "platform/TaskLifetime.h"

#include <memory>

namespace quelta {

class ClaudeConnector;
class CodexConnector;

// Builds and owns the application's long-lived objects in the designed order, and destroys
// them in reverse while the application object still exists, so that every exit cancels the
// refresh loop, releases the web page and leaves the stores written. A `main` holds the one
// instance. Destroying it ends every task it started, by the rule in platform/TaskLifetime.h.
class AppObjects
{
public:
    // Where the application's parts live and what they use; `standard()` is the product's.
    struct Configuration {
        Clock *clock = nullptr;
        QString settingsDirectory;
        ExecutableSearch executableSearch;
        // The tools' folder variables Quelta was started with (CLAUDE_CONFIG_DIR, CODEX_HOME).
        QMap<QString, QString> toolFolderVariables;
        QUrl claudeApiHost;
        QString framerHelper;
        QString framerProfileLock;
        QString historyFile;
        AnalyticsManager::TelemetrySetup telemetry;

        static Configuration standard();
    };

    explicit AppObjects(Configuration configuration = Configuration::standard());
    ~AppObjects();
    AppObjects(const AppObjects &) = delete;
    AppObjects &operator=(const AppObjects &) = delete;

    Clock &clock() { return m_clock; }
    SettingsStore &settings() { return m_settings; }
    AnalyticsManager &analytics() { return m_analytics; }
    UsageNotificationManager &alerts() { return m_alerts; }
    AllowanceMonitor &monitor() { return m_monitor; }
    HistoryRecorder &history() { return m_history; }
    // The one connect flow, for every window and every command.
    ProviderConnection &connection() { return m_connection; }
    const ExecutableSearch &executableSearch() const { return m_connectors.search; }
    AccountRegistry &accounts() { return m_accounts; }
    // What the settings and the commands sent here change the accounts through.
    AccountChanges &accountChanges() { return m_accountChanges; }

    // Fresh connectors for an account's sign-in, made as the monitor makes them for a load.
    ClaudeConnector claudeConnector(const QString &folder) const;
    CodexConnector codexConnector(const QString &folder) const;
    FramerConnector &framerConnector() { return m_framer; }

    // The account's own sign-in: Codex or Claude Code in its folder, or the Framer window
    // (connectionRequired when it closes unconnected). Throws when it fails.
    QCoro::Task<void> signIn(AccountID id);
    // The provider's tool: Codex, Claude Code, or for Framer the web helper beside this program.
    std::optional<QString> providerTool(ProviderID id) const;
    // The command line's view of these objects, for a command run here or sent by another.
    std::unique_ptr<LocalCommandTarget> commandTarget();

private:
    ProviderConnectors makeConnectors(const Configuration &configuration);
    QList<AccountID> foundAccounts() const;

    Clock &m_clock;
    QString m_framerHelper;
    SettingsStore m_settings;
    AccountRegistry m_accounts;
    ProviderHttpSession m_httpSession;
    AuthStatusCache m_authStatusCache;
    FreedesktopNotificationCenter m_notificationCenter;
    FramerConnector m_framer;
    ProviderConnectors m_connectors;
    AnalyticsManager m_analytics;
    UsageNotificationManager m_alerts;
    AllowanceMonitor m_monitor;
    HistoryRecorder m_history;
    ProviderConnection m_connection;
    AccountChanges m_accountChanges;
    // Last: sign-ins end before anything they use.
    TaskLifetime m_lifetime;
};

} // namespace quelta
