#pragma once

#include "ProviderSignIn.h"

#include "core/RawValue.h"

#include <QObject>
#include <QSet>

namespace quelta {

class AllowanceMonitor;

// How an attempt to connect a provider ended.
enum class ConnectOutcome { connected, freePlan, failed };

template <>
struct RawValues<ConnectOutcome> {
    static constexpr std::array<std::pair<ConnectOutcome, std::string_view>, 3> table{{
        {ConnectOutcome::connected, "connected"},
        {ConnectOutcome::freePlan, "freePlan"},
        {ConnectOutcome::failed, "failed"},
    }};
};

// The one way to connect a provider, whoever asks (the popover, settings, onboarding, a command):
// mark the attempt, run the provider's own sign-in, load the provider and settle the attempt
// state, which the monitor keeps for every view. One attempt per provider runs at a time; asking
// while it runs joins it and answers with its outcome.
class ProviderConnection final : public QObject
{
    Q_OBJECT
public:
    struct Options {
        // Loads the provider first and signs in only when that fails: a sign-in already made
        // with the vendor's tool is used as it is.
        bool usesExistingSignIn = false;
    };

    ProviderConnection(AllowanceMonitor &monitor, ProviderSignIn signIn, QObject *parent = nullptr);

    QCoro::Task<ConnectOutcome> connect(AccountID id, Options options);
    QCoro::Task<ConnectOutcome> connect(AccountID id) { return connect(id, Options{}); }

Q_SIGNALS:
    void attemptFinished(AccountID id, ConnectOutcome outcome);

private:
    QCoro::Task<ConnectOutcome> attempt(AccountID id, Options options);
    QCoro::Task<ConnectOutcome> signInAndLoad(AccountID id);
    QCoro::Task<ConnectOutcome> joinAttempt(AccountID id);
    QCoro::Task<ConnectOutcome> freePlanShown();
    ConnectOutcome settleLoad(AccountID id, bool connected);

    AllowanceMonitor &m_monitor;
    ProviderSignIn m_signIn;
    QSet<AccountID> m_running;
};

// What to do after a failed attempt, for the provider's tool installed or not.
QString connectFailureAdvice(ProviderID id, bool installed);
QString freePlanAdvice();

} // namespace quelta
