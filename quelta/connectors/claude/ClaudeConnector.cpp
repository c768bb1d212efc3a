#include "ClaudeConnector.h"

#include "AuthStatusCache.h"
#include "ClaudeCredentialSource.h"
#include "ClaudeCredentials.h"
#include "ClaudeUsage.h"
#include "UsageReply.h"

#include "connectors/AccountToolEnvironment.h"
#include "connectors/ConnectorsLogging.h"
#include "connectors/HttpTransportError.h"
#include "connectors/ProcessLaunchError.h"
#include "connectors/ProviderHttpSession.h"
#include "connectors/ToolProcess.h"
#include "core/ProviderConnectorError.h"
#include "platform/Clock.h"
#include "platform/ExecutableLocator.h"
#include "platform/Quelta.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>

namespace quelta {

namespace {

using Kind = ProviderConnectorError::Kind;

ProviderAllowance claudeAllowance(const QString &detail, ConnectionState state,
                                  std::optional<QString> planName = std::nullopt)
{
    return ProviderAllowance::failure(ProviderID::claudeCode, detail, state, planName);
}

ProviderAllowance signInNeeded()
{
    return claudeAllowance(Quelta::tr("Sign in to Claude"), ConnectionState::needsConnection);
}

ProviderAllowance subscriptionSignInNeeded()
{
    return claudeAllowance(Quelta::tr("Sign in with your Claude subscription"), ConnectionState::needsConnection);
}

ProviderAllowance reconnectNeeded()
{
    return claudeAllowance(Quelta::tr("Reconnect your Claude subscription"), ConnectionState::needsConnection);
}

ProviderAllowance freePlan()
{
    return claudeAllowance(Quelta::tr("Claude Free doesn’t include Claude Code"), ConnectionState::unsupported,
                           QStringLiteral("Free"));
}

SubscriptionAuthStatus parseAuthStatus(const QByteArray &output)
{
    const QJsonDocument document = QJsonDocument::fromJson(output);
    if (!document.isObject())
        throw ProviderConnectorError(Kind::invalidResponse);
    const QJsonObject object = document.object();
    SubscriptionAuthStatus status;
    status.loggedIn = object.value(QLatin1String("loggedIn")).toBool(false);
    status.authMethod = object.value(QLatin1String("authMethod")).toString();
    status.subscriptionType = object.value(QLatin1String("subscriptionType")).toString();
    return status;
}

ProcessRequest claudeCommand(const QString &executable, const QString &subcommand, std::chrono::milliseconds timeout,
                             const ClaudeEnvironment &environment)
{
    ProcessRequest request;
    request.executable = executable;
    request.arguments = {QStringLiteral("auth"), subcommand};
    request.environment = childProcessEnvironment(executable, environment.search);
    pointToolAtFolder(*request.environment, ProviderID::claudeCode, environment.folder, environment.search.home);
    request.timeout = timeout;
    return request;
}

QString requireClaudeExecutable(const ExecutableSearch &search)
{
    const std::optional<QString> executable = ClaudeConnector::executablePath(search);
    if (!executable)
        throw ProviderConnectorError(Kind::executableMissing);
    return *executable;
}

} // namespace

ClaudeConnector::ClaudeConnector(ClaudeTrackedLimit trackedLimit, ClaudeEnvironment environment)
    : m_trackedLimit(trackedLimit)
    , m_environment(std::move(environment))
{
}

std::optional<QString> ClaudeConnector::executablePath(const ExecutableSearch &search)
{
    const QString bundled = QStringLiteral("Applications/Claude.app/Contents/Resources/claude");
    return locateExecutable(QStringLiteral("claude"), {QLatin1Char('/') + bundled, search.home + QLatin1Char('/') + bundled}, search);
}

ClaudeLocalAccount ClaudeConnector::localAccount() const
{
    return ClaudeLocalAccount::read(m_environment.localAccountPath, m_environment.clock->now())
        .value_or(ClaudeLocalAccount{});
}

QCoro::Task<SubscriptionAuthStatus> ClaudeConnector::authStatus(bool forceRefresh)
{
    AuthStatusCache &cache = *m_environment.authStatusCache;
    if (!forceRefresh) {
        if (std::optional<SubscriptionAuthStatus> cached = cache.freshStatus(m_environment.folder))
            co_return *cached;
    }
    const QString executable = requireClaudeExecutable(m_environment.search);
    const ProcessRequest request = claudeCommand(executable, QStringLiteral("status"), m_environment.authStatusTimeout, m_environment);
    const ToolOutput output = co_await runTool(request, m_environment.stop, *m_environment.clock);
    const SubscriptionAuthStatus status = parseAuthStatus(output.standardOutput);
    cache.store(m_environment.folder, status);
    co_return status;
}

QCoro::Task<std::optional<SubscriptionAuthStatus>> ClaudeConnector::authStatusIfReadable(bool forceRefresh)
{
    std::optional<SubscriptionAuthStatus> status;
    try {
        status = co_await authStatus(forceRefresh);
    } catch (const ProviderConnectorError &error) {
        qCInfo(lcClaude) << "reading the sign-in status failed:" << error.what();
    } catch (const ProcessLaunchError &error) {
        qCInfo(lcClaude) << "reading the sign-in status failed:" << error.what();
    }
    co_return status;
}

bool ClaudeConnector::isSubscriptionSignIn(const std::optional<SubscriptionAuthStatus> &status) const
{
    return status && status->loggedIn && status->authMethod == m_environment.subscriptionAuthMethod;
}

QCoro::Task<std::optional<ProviderAllowance>> ClaudeConnector::freeAccountOutcome()
{
    const std::optional<SubscriptionAuthStatus> status = co_await authStatusIfReadable(false);
    if (!status || !status->loggedIn)
        co_return signInNeeded();
    if (isSubscriptionSignIn(status) && status->subscriptionType.toLower() != QLatin1String("free"))
        co_return std::nullopt;
    co_return freePlan();
}

QCoro::Task<std::optional<ClaudeCredentials>> ClaudeConnector::storedCredentials()
{
    std::optional<QByteArray> text;
    try {
        text = co_await m_environment.credentials->readCredentialText(m_environment.stop);
    } catch (const ProviderConnectorError &error) {
        if (error.kind() == Kind::rateLimited)
            throw;
        qCInfo(lcClaude) << "reading the stored sign-in failed:" << error.what();
    } catch (const ProcessLaunchError &error) {
        qCInfo(lcClaude) << "reading the stored sign-in failed:" << error.what();
    }
    co_return text ? ClaudeCredentials::parse(*text) : std::nullopt;
}

QCoro::Task<ProviderAllowance> ClaudeConnector::afterCredentialFailure(const ClaudeLocalAccount &account)
{
    if (account.hasSubscription)
        throw ProviderConnectorError(Kind::invalidResponse);
    const std::optional<SubscriptionAuthStatus> status = co_await authStatusIfReadable(false);
    if (isSubscriptionSignIn(status))
        throw ProviderConnectorError(Kind::invalidResponse);
    co_return subscriptionSignInNeeded();
}

QCoro::Task<ProviderAllowance> ClaudeConnector::afterUsageRefused(const ClaudeLocalAccount &account)
{
    // The token was refused: only a fresh status tells a lapsed sign-in from a missing one.
    const std::optional<SubscriptionAuthStatus> status = co_await authStatusIfReadable(true);
    if (account.hasSubscription || isSubscriptionSignIn(status))
        throw ProviderConnectorError(Kind::usageAccessExpired);
    co_return reconnectNeeded();
}

ProviderAllowance ClaudeConnector::connectedAllowance(const HttpResponse &response, const QString &planName) const
{
    ProviderAllowance allowance = claudeAllowance(Quelta::tr("Usage unavailable"), ConnectionState::connected, planName);
    const QJsonObject body = QJsonDocument::fromJson(response.body).object();
    for (const UsageLimit &usage : parseUsageLimits(body, m_environment.clock->now()))
        allowance.limits.append(providerLimitOf(usage));
    return allowance.applyingTrackedLimit(m_trackedLimit);
}

QCoro::Task<ProviderAllowance> ClaudeConnector::fetchAllowance()
{
    const ClaudeLocalAccount account = localAccount();
    if (account.isFree) {
        if (std::optional<ProviderAllowance> outcome = co_await freeAccountOutcome())
            co_return *outcome;
    }

    const std::optional<ClaudeCredentials> credentials = co_await storedCredentials();
    if (!credentials)
        co_return co_await afterCredentialFailure(account);

    const QNetworkRequest request = usageRequest(m_environment.apiHost, credentials->accessToken);
    std::optional<HttpResponse> response;
    try {
        response = co_await m_environment.session->get(request, m_environment.stop);
    } catch (const HttpTransportError &error) {
        qCInfo(lcClaude) << "the usage request failed:" << error.what();
    }
    const UsageReply reply = response ? classifyUsageReply(*response) : UsageReply{};
    switch (reply.kind) {
    case UsageReply::Kind::usage:
        co_return connectedAllowance(*response, credentials->planName);
    case UsageReply::Kind::rateLimited:
        throw ProviderConnectorError::rateLimited(reply.retryAfter);
    case UsageReply::Kind::refused:
        co_return co_await afterUsageRefused(account);
    case UsageReply::Kind::failed:
        break;
    }
    co_return co_await afterCredentialFailure(account);
}

QCoro::Task<void> ClaudeConnector::signIn()
{
    const QString executable = requireClaudeExecutable(m_environment.search);
    const ProcessRequest request = claudeCommand(executable, QStringLiteral("login"), m_environment.signInTimeout, m_environment);
    const ToolOutput login = co_await runTool(request, m_environment.stop, *m_environment.clock);
    if (login.status != 0)
        throw ProviderConnectorError(Kind::processFailed);

    for (int poll = 1; poll <= m_environment.signInPolls; ++poll) {
        const std::optional<SubscriptionAuthStatus> status = co_await authStatusIfReadable(true);
        if (isSubscriptionSignIn(status)) {
            const std::optional<ClaudeLocalAccount> account =
                ClaudeLocalAccount::read(m_environment.localAccountPath, m_environment.clock->now());
            if (account && account->isFree)
                throw ProviderConnectorError(Kind::unsupportedPlan);
            co_return;
        }
        if (poll < m_environment.signInPolls)
            co_await m_environment.clock->sleep(m_environment.signInPollInterval, m_environment.stop);
    }
    throw ProviderConnectorError(Kind::connectionRequired);
}

} // namespace quelta
