#pragma once

#include "OnboardingTexts.h"

#include "core/AccountID.h"

#include <QCoroTask>
#include <QObject>

#include <functional>
#include <optional>

namespace quelta {

class AllowanceMonitor;
class Clock;
class ProviderConnection;

// Where the onboarding pages stand and what their buttons do: the welcome page, the choice of
// providers (each toggled in the monitor at once), one connection page per chosen provider, and
// the completion page. It keeps its own page state; everything else goes through the monitor.
class OnboardingFlow final : public QObject
{
    Q_OBJECT
public:
    enum class Phase { welcome, providers, connection, complete };

    struct Services {
        AllowanceMonitor *monitor = nullptr;
        Clock *clock = nullptr;
        ProviderConnection *connection = nullptr;
        // The provider's tool, when installed.
        std::function<std::optional<QString>(ProviderID)> executable;
    };

    explicit OnboardingFlow(Services services, QObject *parent = nullptr);

    Phase phase() const { return m_phase; }
    const QList<ProviderID> &selectedProviders() const { return m_selected; }
    int connectionIndex() const { return m_index; }
    OnboardingConnectionState connectionState() const { return m_state; }
    std::optional<ProviderID> currentProvider() const;
    bool isSelected(ProviderID id) const;
    // The accounts found beside the providers' default ones; offered, tracked once turned on.
    QList<AccountID> otherAccounts() const;
    bool isTracked(const AccountID &id) const;

    void getStarted();
    void toggleProvider(ProviderID id);
    void toggleAccount(const AccountID &id);
    void continueFromProviders();
    void primaryAction();
    // "Set up later", and what follows a connection.
    void advance();

    QString title() const;
    QString message() const;
    QString buttonTitle() const;

Q_SIGNALS:
    // Anything a page shows changed.
    void changed();
    // A new page replaces the current one (a phase, or the next provider's connection page).
    void pageChanged();

private:
    OnboardingConnectionState initialState(int index) const;
    ConnectionState recordState(ProviderID id) const;
    void setState(OnboardingConnectionState state);
    void markConnected();
    QCoro::Task<void> connectProvider(ProviderID id);

    Services m_services;
    Phase m_phase = Phase::welcome;
    QList<ProviderID> m_selected;
    int m_index = 0;
    OnboardingConnectionState m_state = OnboardingConnectionState::ready;
};

} // namespace quelta
