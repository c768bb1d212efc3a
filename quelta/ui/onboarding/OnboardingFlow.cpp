#include "OnboardingFlow.h"

#include "commands/ProviderConnection.h"
#include "core/AllowanceMonitor.h"
#include "platform/Clock.h"
#include "platform/DetachedTask.h"
#include "ui/UiLogging.h"

#include <QPointer>

namespace quelta {

namespace {

using State = OnboardingConnectionState;
constexpr auto pauseBeforeAdvancing = std::chrono::milliseconds(850);

} // namespace

OnboardingFlow::OnboardingFlow(Services services, QObject *parent)
    : QObject(parent)
    , m_services(std::move(services))
{
    // The pages show records and choices, not how a refresh goes.
    connect(m_services.monitor, &AllowanceMonitor::providerChanged, this, &OnboardingFlow::changed);
    connect(m_services.monitor, &AllowanceMonitor::enabledProvidersChanged, this, &OnboardingFlow::changed);
}

std::optional<ProviderID> OnboardingFlow::currentProvider() const
{
    if (m_index < 0 || m_index >= m_selected.size())
        return std::nullopt;
    return m_selected[m_index];
}

bool OnboardingFlow::isSelected(ProviderID id) const
{
    return m_services.monitor->enabledProviderIDs().contains(id);
}

ConnectionState OnboardingFlow::recordState(ProviderID id) const
{
    for (const ProviderAllowance &provider : m_services.monitor->providers()) {
        if (provider.id == id)
            return provider.connectionState;
    }
    return ConnectionState::needsConnection;
}

void OnboardingFlow::getStarted()
{
    if (m_phase != Phase::welcome)
        return;
    m_phase = Phase::providers;
    Q_EMIT pageChanged();
}

void OnboardingFlow::toggleProvider(ProviderID id)
{
    // The last enabled provider cannot be deselected.
    if (isSelected(id) && m_services.monitor->enabledProviderIDs().size() < 2)
        return;
    m_services.monitor->setProvider(id, !isSelected(id));
    Q_EMIT changed();
}

QList<AccountID> OnboardingFlow::otherAccounts() const
{
    QList<AccountID> accounts;
    for (const ProviderAllowance &provider : m_services.monitor->providers()) {
        if (!provider.accountName.isEmpty())
            accounts.append(accountOf(provider));
    }
    return accounts;
}

bool OnboardingFlow::isTracked(const AccountID &id) const
{
    return m_services.monitor->enabledProviderIDs().contains(id);
}

void OnboardingFlow::toggleAccount(const AccountID &id)
{
    if (isTracked(id) && m_services.monitor->enabledProviderIDs().size() < 2)
        return;
    m_services.monitor->setProvider(id, !isTracked(id));
    Q_EMIT changed();
}

void OnboardingFlow::continueFromProviders()
{
    m_selected.clear();
    for (ProviderID id : displayOrder) {
        if (isSelected(id))
            m_selected.append(id);
    }
    m_index = 0;
    m_state = initialState(0);
    m_phase = Phase::connection;
    Q_EMIT pageChanged();
}

OnboardingConnectionState OnboardingFlow::initialState(int index) const
{
    if (index < 0 || index >= m_selected.size())
        return State::ready;
    const ProviderID id = m_selected[index];
    const ConnectionState record = recordState(id);
    if (record == ConnectionState::unsupported)
        return State::unsupported;
    if (id == ProviderID::framer)
        return State::ready;
    return record == ConnectionState::connected ? State::detected : State::ready;
}

void OnboardingFlow::setState(OnboardingConnectionState state)
{
    m_state = state;
    Q_EMIT changed();
}

void OnboardingFlow::primaryAction()
{
    const std::optional<ProviderID> provider = currentProvider();
    if (!provider || m_state == State::connecting || m_state == State::connected)
        return;
    if (m_state == State::unsupported) {
        advance();
        return;
    }
    if (recordState(*provider) == ConnectionState::connected) {
        markConnected();
        return;
    }
    setState(State::connecting);
    startDetached(connectProvider(*provider), lcUi, "connecting a provider");
}

QCoro::Task<void> OnboardingFlow::connectProvider(ProviderID id)
{
    QPointer<OnboardingFlow> self(this);
    const int index = m_index;
    // A sign-in made with the vendor's tool before is used as it is.
    const ConnectOutcome outcome = co_await m_services.connection->connect(id, {.usesExistingSignIn = id != ProviderID::framer});
    if (!self || m_phase != Phase::connection || m_index != index || m_state != State::connecting)
        co_return;
    switch (outcome) {
    case ConnectOutcome::connected:
        markConnected();
        co_return;
    case ConnectOutcome::freePlan:
        setState(State::unsupported);
        co_return;
    case ConnectOutcome::failed:
        break;
    }
    setState(State::failed);
}

void OnboardingFlow::markConnected()
{
    setState(State::connected);
    const int index = m_index;
    m_services.clock->callAfter(pauseBeforeAdvancing, this, [this, index] {
        if (m_index == index && m_phase == Phase::connection)
            advance();
    });
}

void OnboardingFlow::advance()
{
    if (m_phase != Phase::connection || m_state == State::connecting)
        return;
    if (m_index + 1 >= m_selected.size()) {
        m_phase = Phase::complete;
    } else {
        ++m_index;
        m_state = initialState(m_index);
    }
    Q_EMIT pageChanged();
}

QString OnboardingFlow::title() const
{
    const std::optional<ProviderID> provider = currentProvider();
    return provider ? onboardingTitle(*provider, m_state) : QString();
}

QString OnboardingFlow::message() const
{
    const std::optional<ProviderID> provider = currentProvider();
    if (!provider)
        return {};
    const bool installed = *provider == ProviderID::framer || (m_services.executable && m_services.executable(*provider));
    return onboardingMessage(*provider, m_state, installed);
}

QString OnboardingFlow::buttonTitle() const
{
    const std::optional<ProviderID> provider = currentProvider();
    return provider ? onboardingButtonTitle(*provider, m_state) : QString();
}

} // namespace quelta
