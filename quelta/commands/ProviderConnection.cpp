#include "ProviderConnection.h"

#include "core/AllowanceMonitor.h"
#include "core/RefreshWait.h"
#include "core/ServiceAddresses.h"
#include "platform/Quelta.h"

#include <QCoroSignal>
#include <QPointer>

namespace quelta {

namespace {

using Kind = ProviderConnectorError::Kind;

} // namespace

ProviderConnection::ProviderConnection(AllowanceMonitor &monitor, ProviderSignIn signIn, QObject *parent)
    : QObject(parent)
    , m_monitor(monitor)
    , m_signIn(std::move(signIn))
{
}

QCoro::Task<ConnectOutcome> ProviderConnection::connect(AccountID id, Options options)
{
    if (m_running.contains(id))
        return joinAttempt(id);
    return attempt(id, options);
}

QCoro::Task<ConnectOutcome> ProviderConnection::joinAttempt(AccountID id)
{
    // A signal await resumes only while its sender lives, so no check of this is needed after it.
    for (;;) {
        const auto [finished, outcome] = co_await qCoro(this, &ProviderConnection::attemptFinished);
        if (finished == id)
            co_return outcome;
    }
}

QCoro::Task<ConnectOutcome> ProviderConnection::attempt(AccountID id, Options options)
{
    QPointer<ProviderConnection> self(this);
    m_running.insert(id);
    // Asking to connect a provider that is switched off means wanting to see it.
    if (!m_monitor.enabledProviderIDs().contains(id))
        m_monitor.setProvider(id, true);
    m_monitor.beginConnecting(id);
    std::optional<ConnectOutcome> outcome;
    if (options.usesExistingSignIn) {
        const bool alreadySignedIn = co_await m_monitor.connect(id);
        if (!self)
            co_return ConnectOutcome::failed;
        if (alreadySignedIn)
            outcome = settleLoad(id, true);
    }
    if (!outcome)
        outcome = co_await signInAndLoad(id);
    if (!self)
        co_return ConnectOutcome::failed;
    m_running.remove(id);
    Q_EMIT attemptFinished(id, *outcome);
    co_return *outcome;
}

QCoro::Task<ConnectOutcome> ProviderConnection::signInAndLoad(AccountID id)
{
    QPointer<ProviderConnection> self(this);
    const std::optional<Kind> failure = co_await signInFailure(m_signIn, id);
    if (!self)
        co_return ConnectOutcome::failed;
    if (failure) {
        m_monitor.finishConnecting(id, false);
        if (id == ProviderID::claudeCode && *failure == Kind::unsupportedPlan)
            co_return co_await freePlanShown();
        // However the Framer window was left, what it may have signed in to is read again.
        if (id == ProviderID::framer)
            m_monitor.refresh(false);
        co_return ConnectOutcome::failed;
    }
    const bool connected = co_await m_monitor.connect(id);
    if (!self)
        co_return ConnectOutcome::failed;
    co_return settleLoad(id, connected);
}

QCoro::Task<ConnectOutcome> ProviderConnection::freePlanShown()
{
    // The attempt left nothing to show: a load shows the Free plan as the popover would.
    m_monitor.refresh(false);
    co_await waitForRefresh(m_monitor);
    co_return ConnectOutcome::freePlan;
}

ConnectOutcome ProviderConnection::settleLoad(AccountID id, bool connected)
{
    m_monitor.finishConnecting(id, connected);
    if (connected)
        return ConnectOutcome::connected;
    const bool unsupported = std::any_of(m_monitor.providers().begin(), m_monitor.providers().end(), [id](const ProviderAllowance &p) {
        return p.id == id && p.connectionState == ConnectionState::unsupported;
    });
    return id == ProviderID::claudeCode && unsupported ? ConnectOutcome::freePlan : ConnectOutcome::failed;
}

QString connectFailureAdvice(ProviderID id, bool installed)
{
    switch (id) {
    case ProviderID::framer:
        return installed ? Quelta::tr("Sign in to Framer in the window, with Google or your email’s link, then try again.")
                         : Quelta::tr("Quelta’s web helper, quelta-web, is missing beside quelta: install Quelta again.");
    case ProviderID::codex:
        return installed ? Quelta::tr("Complete the Codex sign-in in your browser, then try again.")
                         : Quelta::tr("Install Codex from %1, then connect ChatGPT again.")
                               .arg(serviceAddresses::codexDownloadSite());
    case ProviderID::claudeCode:
        break;
    }
    return installed ? Quelta::tr("Open Claude Code, run /login, and choose your Claude subscription.")
                     : Quelta::tr("Install Claude Code from %1, then connect Claude again.")
                           .arg(serviceAddresses::claudeCodeDownloadSite());
}

QString freePlanAdvice()
{
    return Quelta::tr("Your Claude account is on the Free plan. Claude Code needs a paid Claude subscription.");
}

} // namespace quelta
