#include "AppObjects.h"

#include "connectors/claude/ClaudeConnector.h"
#include "connectors/codex/CodexConnector.h"
#include "core/ProviderConnectorError.h"
#include "core/ServiceAddresses.h"
#include "history/HistoryFile.h"
#include "platform/ApplicationFolders.h"
#include "platform/Clock.h"
#include "platform/HelperProgram.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace quelta {

AppObjects::Configuration AppObjects::Configuration::standard()
{
    Configuration configuration;
    configuration.clock = &Clock::system();
    configuration.settingsDirectory = SettingsStore::defaultDirectory();
    configuration.executableSearch = ExecutableSearch::current();
    configuration.toolFolderVariables = AccountSearchPlaces::current({}).environment;
    configuration.claudeApiHost = serviceAddresses::claudeApiHost();
    configuration.framerHelper = helperProgramPath(QCoreApplication::applicationDirPath(), QStringLiteral("quelta-web"));
    // Beside the helper's Framer profile, in the data folder the two programs share.
    configuration.framerProfileLock = applicationFolders::data() + QLatin1String("/web/framer.lock");
    configuration.historyFile = historyFilePath();
    configuration.telemetry = AnalyticsManager::TelemetrySetup::standard();
    return configuration;
}

AppObjects::AppObjects(Configuration configuration)
    : m_clock(*configuration.clock)
    , m_framerHelper(configuration.framerHelper)
    , m_settings(configuration.settingsDirectory)
    , m_accounts(m_settings, AccountSearchPlaces{configuration.executableSearch.home, configuration.toolFolderVariables, {}})
    , m_httpSession(m_clock, ProviderHttpSession::Timeouts{})
    , m_authStatusCache(m_clock)
    , m_framer(FramerConnector::Environment{.helperProgram = configuration.framerHelper,
                                            .clock = &m_clock,
                                            .settings = &m_settings,
                                            .profileLockPath = configuration.framerProfileLock})
    , m_connectors(makeConnectors(configuration))
    , m_analytics(m_settings, m_clock, configuration.telemetry)
    , m_alerts(m_settings, m_clock, m_notificationCenter)
    , m_monitor(m_settings, m_clock,
                AllowanceMonitor::Dependencies{.connectors = m_connectors.loader(), .alerts = &m_alerts, .analytics = &m_analytics, .accounts = foundAccounts()})
    , m_history(m_monitor, m_settings, configuration.historyFile)
    , m_connection(m_monitor, [this](AccountID id) { return signIn(id); })
    , m_accountChanges(m_accounts, m_monitor)
{
    QObject::connect(&m_alerts, &UsageNotificationManager::refreshLoopRestartRequested, &m_monitor, [this] {
        if (m_monitor.hasAutomaticRefresh())
            m_monitor.restartAutomaticRefresh();
    });
}

AppObjects::~AppObjects() = default;

QList<AccountID> AppObjects::foundAccounts() const
{
    QList<AccountID> ids;
    for (const AccountFolder &account : m_accounts.found().accounts)
        ids << account.id;
    return ids;
}

ProviderConnectors AppObjects::makeConnectors(const Configuration &configuration)
{
    ProviderConnectors connectors;
    connectors.clock = &m_clock;
    connectors.search = configuration.executableSearch;
    connectors.claudeEnvironment = [this, search = configuration.executableSearch, apiHost = configuration.claudeApiHost](const QString &folder) {
        ClaudeEnvironment environment = ClaudeEnvironment::standard(m_clock, m_httpSession, m_authStatusCache, search, folder);
        environment.apiHost = apiHost;
        return environment;
    };
    connectors.framer = [this]() -> ProviderConnector & { return m_framer; };
    connectors.accountFolder = [this](const AccountID &id) { return m_accounts.folderOf(id); };
    return connectors;
}

QCoro::Task<void> AppObjects::signIn(AccountID id)
{
    const std::optional<AccountFolder> account = m_accounts.folderOf(id);
    if (!account)
        throw ProviderConnectorError(ProviderConnectorError::Kind::connectionRequired);
    switch (id.provider) {
    case ProviderID::codex: {
        CodexConnector codex = codexConnector(account->folder);
        co_await codex.signIn();
        co_return;
    }
    case ProviderID::claudeCode: {
        ClaudeConnector claude = claudeConnector(account->folder);
        co_await claude.signIn();
        co_return;
    }
    case ProviderID::framer:
        break;
    }
    const bool connected = co_await m_framer.showConnectionWindow();
    if (!connected)
        throw ProviderConnectorError(ProviderConnectorError::Kind::connectionRequired);
}

std::optional<QString> AppObjects::providerTool(ProviderID id) const
{
    switch (id) {
    case ProviderID::codex:
        return CodexConnector::executablePath(m_connectors.search);
    case ProviderID::claudeCode:
        return ClaudeConnector::executablePath(m_connectors.search);
    case ProviderID::framer:
        break;
    }
    const QFileInfo helper(m_framerHelper);
    return helper.isFile() && helper.isExecutable() ? std::optional(helper.filePath()) : std::nullopt;
}

ClaudeConnector AppObjects::claudeConnector(const QString &folder) const
{
    ClaudeEnvironment environment = m_connectors.claudeEnvironment(folder);
    environment.stop = m_lifetime.token();
    return ClaudeConnector(m_monitor.claudeTrackedLimit(), std::move(environment));
}

CodexConnector AppObjects::codexConnector(const QString &folder) const
{
    return CodexConnector(m_clock, m_connectors.codexTiming, m_connectors.search, m_lifetime.token(), folder);
}

std::unique_ptr<LocalCommandTarget> AppObjects::commandTarget()
{
    return std::make_unique<LocalCommandTarget>(m_monitor, m_connection, [this](ProviderID id) { return providerTool(id); });
}

} // namespace quelta
