#pragma once

#include "core/ProviderAllowance.h"

#include <QCoroTask>
#include <QUrl>
#include <QWidget>

#include <functional>
#include <optional>

class QComboBox;
class QLabel;
class QMessageBox;
class QPushButton;
class QVBoxLayout;

namespace quelta {

class AccountChanges;
class AccountsSection;
class AllowanceMonitor;
class AnalyticsManager;
class HistoryRecorder;
class LoginItem;
class ProviderConnection;
class Switch;
class UsageNotificationManager;

// The "Quelta Settings" window's content: providers, notifications, general and support, and
// the connections asked for here. It keeps only its alert.
class SettingsView final : public QWidget
{
    Q_OBJECT
public:
    struct Services {
        AllowanceMonitor *monitor = nullptr;
        UsageNotificationManager *alerts = nullptr;
        AnalyticsManager *analytics = nullptr;
        LoginItem *loginItem = nullptr;
        ProviderConnection *connection = nullptr;
        // The other accounts, where the settings may change them; without it, none are listed.
        AccountChanges *accounts = nullptr;
        // Asks for an account's folder; the desktop's folder chooser when not given.
        std::function<QString(QWidget *)> chooseFolder;
        // The provider's tool, when installed: the advice after a failure names what is missing.
        std::function<std::optional<QString>(ProviderID)> executable;
        std::function<void()> checkForUpdates;
        std::function<void(const QUrl &)> openUrl;
        std::optional<QString> appVersion;
        QString systemName;
        // Absent: no history section.
        HistoryRecorder *history = nullptr;
        std::function<void()> showHistory;
    };

    // An alert the view shows over itself, with its one "OK".
    struct Alert {
        QString title;
        QString message;
        bool operator==(const Alert &) const = default;
    };

    explicit SettingsView(Services services, QWidget *parent = nullptr);

    // For tests and screenshots: what the controls show.
    Switch *visibilitySwitch(ProviderID id) const;
    QPushButton *connectButton(ProviderID id) const;
    QLabel *providerCaption(ProviderID id) const;
    QWidget *badge(ProviderID id) const;
    AccountsSection *accountsSection() const { return m_accountsSection; }
    QComboBox *limitPicker() const { return m_limitPicker; }
    QWidget *limitRow() const { return m_limitRow; }
    Switch *alertsSwitch() const { return m_alertsSwitch; }
    QPushButton *openSettingsButton() const { return m_openSettings; }
    QLabel *alertStatus() const { return m_alertStatus; }
    QWidget *alertOptions() const { return m_alertOptions; }
    Switch *launchAtLoginSwitch() const { return m_loginSwitch; }
    Switch *panelSwitch() const { return m_panelSwitch; }
    QComboBox *panelPicker() const { return m_panelPicker; }
    QWidget *panelRow() const { return m_panelRow; }
    std::optional<Alert> lastAlert() const { return m_lastAlert; }
    QComboBox *retentionPicker() const { return m_retentionPicker; }
    QPushButton *clearHistoryButton() const { return m_clearHistory; }
    QPushButton *showHistoryButton() const { return m_showHistory; }

    // Re-reads what the desktop holds: the login item and the notification permission.
    void rereadDesktopState();

    void openFeedbackForm();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QWidget *makeProvidersSection();
    QWidget *makeAccountsSection();
    QWidget *makeNotificationsSection();
    QWidget *makeGeneralSection();
    QWidget *makeSupportSection();
    QWidget *makeHistorySection();
    void syncRetention();
    void askToClearHistory();
    void syncProviders();
    void syncProvider(ProviderID id);
    void syncLimit();
    void syncAlerts();
    void syncPanel();
    QCoro::Task<void> connectProvider(ProviderID id);
    void setLaunchAtLogin(bool enabled);
    void showAlert(Alert alert);

    struct ProviderControls {
        Switch *visibility = nullptr;
        QPushButton *connect = nullptr;
        QLabel *caption = nullptr;
        QLabel *badge = nullptr;
    };

    Services m_services;
    QHash<ProviderID, ProviderControls> m_providers;
    AccountsSection *m_accountsSection = nullptr;
    QWidget *m_limitRow = nullptr;
    QComboBox *m_limitPicker = nullptr;
    Switch *m_alertsSwitch = nullptr;
    QPushButton *m_openSettings = nullptr;
    QLabel *m_alertStatus = nullptr;
    QWidget *m_alertOptions = nullptr;
    QList<QPair<Switch *, std::function<bool()>>> m_optionSwitches;
    Switch *m_loginSwitch = nullptr;
    Switch *m_panelSwitch = nullptr;
    QWidget *m_panelRow = nullptr;
    QComboBox *m_panelPicker = nullptr;
    Switch *m_analyticsSwitch = nullptr;
    std::optional<Alert> m_lastAlert;
    QComboBox *m_retentionPicker = nullptr;
    QPushButton *m_clearHistory = nullptr;
    QPushButton *m_showHistory = nullptr;
};

} // namespace quelta
