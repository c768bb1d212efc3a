#pragma once

#include "core/AccountID.h"
#include "core/ProviderAllowance.h"
#include "AppUpdater.h"
#include "platform/LoginItem.h"
#include "ui/history/HistoryWindow.h"
#include "ui/onboarding/OnboardingWindow.h"
#include "ui/popover/PopoverWindow.h"

#include <QCoroTask>
#include <QDBusConnection>
#include <QObject>
#include <QPointer>

#include <memory>

class QWidget;

namespace quelta {

class AppObjects;
class ContentView;
class StatusItem;
class TrayPresence;

// The tray application: the status item and its popover, the connect flows, wake refreshes and
// quitting. Built by `main` over the application's services.
class TrayShell final : public QObject
{
    Q_OBJECT
public:
    struct Options {
        bool showPopoverAtLaunch = false;
        // Onboarding again, even when it was completed.
        bool showOnboarding = false;
        // Where logind announces sleep and wake; absent, no wake refreshes.
        std::optional<QDBusConnection> systemBus;
        // How long a desktop that has no tray yet is given to start one.
        std::chrono::milliseconds trayGrace = std::chrono::seconds(5);
        // Where a StatusNotifierWatcher registers.
        QDBusConnection sessionBus = QDBusConnection::sessionBus();
    };

    TrayShell(AppObjects &services, Options options, QObject *parent = nullptr);
    ~TrayShell() override;

    // The designed launch order, from fonts to the first refresh and the background loop.
    void start();

    void showPopover(bool recordMenuOpen);
    void showOnboardingWindow();
    void completeOnboarding();
    bool isOnboardingDue() const;
    void togglePopover();
    // The status item's menu at `position`, in place of the popover.
    void showMenu(const QPoint &position);
    void connectProvider(const AccountID &id);
    void openSettings();
    // The history window, made now if it is not open; closing it deletes it.
    void openHistory();

    PopoverWindow *popover() const { return m_popover; }
    OnboardingWindow *onboardingWindow() const { return m_onboarding; }
    QWidget *settingsWindow() const { return m_settings; }
    HistoryWindow *historyWindow() const { return m_history; }
    AppUpdater &updater() { return *m_updater; }
    // The tray icon and its menu, once onboarding is complete.
    StatusItem *statusItem() const { return m_statusItem; }

Q_SIGNALS:
    void settingsRequested();
    // "Quit Quelta", or onboarding closed before its end.
    void quitRequested();

private Q_SLOTS:
    void onPrepareForSleep(bool goingToSleep);

private:
    void setupStatusItem();
    void showUpdateAnswer(const AppUpdater::Answer &answer);
    std::function<std::optional<QString>(ProviderID)> toolExecutable();
    void useWindowIfNoTray();
    void onTrayChanged();
    bool popoverIsWindow() const;
    void ensurePopover(bool asWindow);
    void prepareWindows();

    AppObjects &m_services;
    Options m_options;
    TrayPresence *m_trayPresence;
    StatusItem *m_statusItem = nullptr;
    bool m_trayGraceOver = false;
    QPointer<PopoverWindow> m_popover;
    QPointer<OnboardingWindow> m_onboarding;
    QPointer<QWidget> m_settings;
    QPointer<HistoryWindow> m_history;
    AppUpdater *m_updater;
    LoginItem m_loginItem = LoginItem::standard();
    bool m_onboardingCompleted = false;
    bool m_windowsPrepared = false;
};

} // namespace quelta
