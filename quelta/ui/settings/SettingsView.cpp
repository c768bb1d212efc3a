#include "SettingsView.h"

#include "alerts/UsageNotificationManager.h"
#include "analytics/AnalyticsManager.h"
#include "artwork/DesignColors.h"
#include "artwork/PixelFont.h"
#include "artwork/Symbols.h"
#include "commands/ProviderConnection.h"
#include "core/AllowanceMonitor.h"
#include "core/AppcastFeed.h"
#include "core/ServiceAddresses.h"
#include "history/HistoryRecorder.h"
#include "platform/DetachedTask.h"
#include "platform/LoginItem.h"
#include "platform/Quelta.h"
#include "ui/UiLogging.h"
#include "ui/settings/AccountsSection.h"
#include "ui/widgets/AlertBox.h"
#include "ui/widgets/PlainLabel.h"
#include "ui/widgets/ProviderIconTile.h"
#include "ui/widgets/Switch.h"
#include "ui/widgets/TintedCard.h"

#include <QComboBox>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace quelta {

namespace {

QFrame *divider(int indent, QWidget *parent)
{
    auto *line = new QFrame(parent);
    line->setFixedHeight(1);
    line->setContentsMargins(indent, 0, 0, 0);
    line->setAutoFillBackground(false);
    line->setStyleSheet(QStringLiteral("margin-left: %1px; background: rgba(128,128,128,60);").arg(indent));
    return line;
}

// "Connected", "Checking", … in a faint capsule.
class Badge final : public QLabel
{
public:
    explicit Badge(QWidget *parent)
        : QLabel(parent)
    {
        setFont(pixelFont(font(), 10));
        setContentsMargins(8, 4, 8, 4);
        QPalette faded = palette();
        faded.setColor(QPalette::WindowText, designColors::secondary(faded));
        setPalette(faded);
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath capsule;
        capsule.addRoundedRect(QRectF(rect()), height() / 2.0, height() / 2.0);
        painter.fillPath(capsule, designColors::withOpacity(designColors::primary(palette()), 0.06));
        painter.end();
        QLabel::paintEvent(event);
    }
};

QString badgeText(ConnectionState state)
{
    switch (state) {
    case ConnectionState::loading:
        return Quelta::tr("Checking");
    case ConnectionState::connected:
        return Quelta::tr("Connected");
    case ConnectionState::needsConnection:
        return Quelta::tr("Connect");
    case ConnectionState::unsupported:
    case ConnectionState::unavailable:
        break;
    }
    return Quelta::tr("Unavailable");
}

QWidget *section(const QString &title, const QString &subtitle, TintedCard *card, QWidget *parent)
{
    auto *box = new QWidget(parent);
    auto *column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(4);
    column->addWidget(plainLabel(title, 17, QFont::DemiBold, false, box));
    if (!subtitle.isEmpty())
        column->addWidget(plainLabel(subtitle, 11, QFont::Normal, true, box));
    column->addSpacing(6);
    column->addWidget(card);
    return box;
}

// A standard row: symbol, title and description, then its control.
QWidget *standardRow(const QString &symbol, const QString &title, const QString &description, QWidget *control, QWidget *parent,
                     QLabel **descriptionLabel = nullptr)
{
    auto *row = new QWidget(parent);
    auto *line = new QHBoxLayout(row);
    line->setContentsMargins(14, 14, 14, 14);
    line->setSpacing(12);
    auto *icon = new QLabel(row);
    icon->setFixedWidth(18);
    icon->setPixmap(symbolPixmap(symbol, designColors::secondary(row->palette()), 16, row->devicePixelRatioF()));
    line->addWidget(icon, 0, Qt::AlignVCenter);
    auto *texts = new QVBoxLayout;
    texts->setSpacing(2);
    texts->addWidget(plainLabel(title, 13, QFont::DemiBold, false, row));
    QLabel *describe = plainLabel(description, 11, QFont::Normal, true, row);
    texts->addWidget(describe);
    if (descriptionLabel)
        *descriptionLabel = describe;
    line->addLayout(texts, 1);
    control->setParent(row);
    line->addWidget(control, 0, Qt::AlignVCenter);
    return row;
}

QString limitLabel(ClaudeTrackedLimit limit)
{
    switch (limit) {
    case ClaudeTrackedLimit::fiveHour:
        return Quelta::tr("5-Hour Limit");
    case ClaudeTrackedLimit::weeklyAllModels:
        return Quelta::tr("Weekly Limit (All Models)");
    case ClaudeTrackedLimit::weeklyFable5:
        break;
    }
    return Quelta::tr("Weekly Limit (Fable 5)");
}

} // namespace

SettingsView::SettingsView(Services services, QWidget *parent)
    : QWidget(parent)
    , m_services(std::move(services))
{
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(24, 24, 24, 24);
    column->setSpacing(20);
    column->addWidget(makeProvidersSection());
    if (m_services.accounts)
        column->addWidget(makeAccountsSection());
    column->addWidget(makeNotificationsSection());
    column->addWidget(makeGeneralSection());
    if (m_services.history)
        column->addWidget(makeHistorySection());
    column->addWidget(makeSupportSection());
    QLabel *closing = plainLabel(Quelta::tr("Credentials stay with each provider."), 10, QFont::Normal, false, this);
    QPalette tertiary = closing->palette();
    tertiary.setColor(QPalette::WindowText, designColors::tertiary(tertiary));
    closing->setPalette(tertiary);
    column->addWidget(closing);
    column->addStretch(1);

    connect(m_services.monitor, &AllowanceMonitor::providerChanged, this, [this](const AccountID &id) {
        if (id.isDefault())
            syncProvider(id.provider);
    });
    connect(m_services.monitor, &AllowanceMonitor::enabledProvidersChanged, this, &SettingsView::syncProviders);
    connect(m_services.monitor, &AllowanceMonitor::panelAllowanceChanged, this, &SettingsView::syncPanel);
    connect(m_services.alerts, &UsageNotificationManager::alertSettingsChanged, this, &SettingsView::syncAlerts);
    connect(m_services.alerts, &UsageNotificationManager::deliveryStatusChanged, this, &SettingsView::syncAlerts);
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive && isVisible())
            rereadDesktopState();
    });
    syncProviders();
    syncAlerts();
    syncPanel();
    m_analyticsSwitch->setOn(m_services.analytics->isEnabled());
}

QWidget *SettingsView::makeProvidersSection()
{
    auto *card = new TintedCard(this);
    // A provider's default account here; the others have a section of their own.
    QList<ProviderAllowance> providers = m_services.monitor->providers();
    providers.removeIf([](const ProviderAllowance &provider) { return !provider.accountName.isEmpty(); });
    for (qsizetype index = 0; index < providers.size(); ++index) {
        const ProviderID id = providers[index].id;
        auto *row = new QWidget(card);
        auto *line = new QHBoxLayout(row);
        line->setContentsMargins(14, 14, 14, 14);
        line->setSpacing(12);
        auto *tile = new ProviderIconTile(row);
        tile->setProvider(id, providers[index].assetName);
        line->addWidget(tile, 0, Qt::AlignVCenter);
        auto *texts = new QVBoxLayout;
        texts->setSpacing(2);
        texts->addWidget(plainLabel(providers[index].name, 13, QFont::DemiBold, false, row));
        ProviderControls controls;
        controls.caption = plainLabel(Quelta::tr("Claude Code requires a paid Claude subscription."), 11, QFont::Normal, true, row);
        texts->addWidget(controls.caption);
        line->addLayout(texts, 1);
        controls.badge = new Badge(row);
        line->addWidget(controls.badge, 0, Qt::AlignVCenter);
        controls.connect = new QPushButton(Quelta::tr("Connect"), row);
        connect(controls.connect, &QPushButton::clicked, this,
                [this, id] { startDetached(connectProvider(id), lcUi, "connecting a provider"); });
        line->addWidget(controls.connect, 0, Qt::AlignVCenter);
        const QString show = Quelta::tr("Show %1 in Quelta").arg(providers[index].name);
        controls.visibility = new Switch(show, row);
        connect(controls.visibility, &QAbstractButton::toggled, this, [this, id](bool on) { m_services.monitor->setProvider(id, on); });
        line->addWidget(controls.visibility, 0, Qt::AlignVCenter);
        m_providers.insert(id, controls);
        card->rows()->addWidget(row);

        if (id == ProviderID::claudeCode) {
            m_limitRow = new QWidget(card);
            auto *limit = new QVBoxLayout(m_limitRow);
            limit->setContentsMargins(0, 0, 0, 0);
            limit->setSpacing(0);
            limit->addWidget(divider(54, m_limitRow));
            auto *choice = new QHBoxLayout;
            choice->setContentsMargins(54, 10, 14, 10);
            choice->setSpacing(12);
            QLabel *title = plainLabel(Quelta::tr("Usage Limit"), 12, QFont::Normal, false, m_limitRow);
            choice->addWidget(title);
            choice->addStretch(1);
            m_limitPicker = new QComboBox(m_limitRow);
            // Screen readers on Linux speak a combo box's current item as its name, and its label
            // through this relation.
            title->setBuddy(m_limitPicker);
            m_limitPicker->setAccessibleName(Quelta::tr("Usage Limit"));
            m_limitPicker->setFixedWidth(190);
            for (ClaudeTrackedLimit value : allCases<ClaudeTrackedLimit>())
                m_limitPicker->addItem(limitLabel(value), QVariant::fromValue(int(value)));
            connect(m_limitPicker, &QComboBox::activated, this, [this](int index) {
                m_services.monitor->setClaudeTrackedLimit(ClaudeTrackedLimit(m_limitPicker->itemData(index).toInt()));
            });
            choice->addWidget(m_limitPicker);
            limit->addLayout(choice);
            card->rows()->addWidget(m_limitRow);
        }
        if (index + 1 < providers.size())
            card->rows()->addWidget(divider(0, card));
    }
    return section(Quelta::tr("Providers"), Quelta::tr("Choose which allowances appear in Quelta. Data stays on this computer."), card,
                   this);
}

QWidget *SettingsView::makeAccountsSection()
{
    auto *card = new TintedCard(this);
    AccountsSection::FolderChooser choose = m_services.chooseFolder;
    if (!choose)
        choose = [](QWidget *parent) { return QFileDialog::getExistingDirectory(parent, Quelta::tr("Choose the Account’s Folder")); };
    m_accountsSection = new AccountsSection(*m_services.accounts, std::move(choose), card);
    card->rows()->addWidget(m_accountsSection);
    return section(Quelta::tr("Accounts"),
                   Quelta::tr("Other Claude Code and Codex folders, each signed in to an account of its own."), card, this);
}

QWidget *SettingsView::makeNotificationsSection()
{
    auto *card = new TintedCard(this);
    auto *control = new QWidget;
    auto *controls = new QHBoxLayout(control);
    controls->setContentsMargins(0, 0, 0, 0);
    m_alertsSwitch = new Switch(Quelta::tr("Allow usage alerts"), control);
    connect(m_alertsSwitch, &QAbstractButton::toggled, this, [this](bool on) { m_services.alerts->setNotificationsEnabled(on); });
    m_openSettings = new QPushButton(Quelta::tr("Open Settings"), control);
    connect(m_openSettings, &QPushButton::clicked, this, [this] { m_services.alerts->openNotificationSettings(); });
    controls->addWidget(m_alertsSwitch);
    controls->addWidget(m_openSettings);
    card->rows()->addWidget(standardRow(QStringLiteral("bell"), Quelta::tr("Usage Alerts"), {}, control, card, &m_alertStatus));

    m_alertOptions = new QWidget(card);
    auto *options = new QVBoxLayout(m_alertOptions);
    options->setContentsMargins(0, 0, 0, 6);
    options->setSpacing(0);
    options->addWidget(divider(44, m_alertOptions));
    UsageNotificationManager *alerts = m_services.alerts;
    struct Option {
        QString title;
        QString description;
        std::function<bool()> read;
        std::function<void(bool)> write;
    };
    const QList<Option> rows{
        {Quelta::tr("Usage pace"), Quelta::tr("Warn when usage is rising quickly or may run out before reset."),
         [alerts] { return alerts->rapidUsageEnabled(); }, [alerts](bool on) { alerts->setRapidUsageEnabled(on); }},
        {Quelta::tr("Low allowance"), Quelta::tr("Alert once at 25% and again at 10% remaining."),
         [alerts] { return alerts->lowAllowanceEnabled(); }, [alerts](bool on) { alerts->setLowAllowanceEnabled(on); }},
        {Quelta::tr("Limit resets"), Quelta::tr("Let me know when an allowance is full again."),
         [alerts] { return alerts->resetAlertsEnabled(); }, [alerts](bool on) { alerts->setResetAlertsEnabled(on); }},
        {Quelta::tr("Disconnections"), Quelta::tr("Tell me when an enabled provider loses its connection."),
         [alerts] { return alerts->disconnectedAlertsEnabled(); }, [alerts](bool on) { alerts->setDisconnectedAlertsEnabled(on); }},
    };
    for (const Option &option : rows) {
        auto *row = new QWidget(m_alertOptions);
        auto *line = new QHBoxLayout(row);
        line->setContentsMargins(14, 8, 14, 8);
        line->setSpacing(12);
        // In line with the standard rows' texts: a spacer item gets no spacing after it.
        line->addSpacing(18 + line->spacing());
        auto *texts = new QVBoxLayout;
        texts->setSpacing(2);
        texts->addWidget(plainLabel(option.title, 12, QFont::Medium, false, row));
        texts->addWidget(plainLabel(option.description, 11, QFont::Normal, true, row));
        line->addLayout(texts, 1);
        auto *toggle = new Switch(option.title, row);
        connect(toggle, &QAbstractButton::toggled, this, option.write);
        line->addWidget(toggle, 0, Qt::AlignVCenter);
        m_optionSwitches.append({toggle, option.read});
        options->addWidget(row);
    }
    card->rows()->addWidget(m_alertOptions);
    return section(Quelta::tr("Notifications"), Quelta::tr("Get a quiet heads-up before an allowance becomes a problem."), card, this);
}

QWidget *SettingsView::makeGeneralSection()
{
    auto *card = new TintedCard(this);
    AllowanceMonitor *monitor = m_services.monitor;
    m_panelSwitch = new Switch(Quelta::tr("Show allowance in panel"));
    connect(m_panelSwitch, &QAbstractButton::toggled, this, [monitor](bool on) {
        PanelAllowance panel = monitor->panelAllowance();
        panel.shown = on;
        monitor->setPanelAllowance(panel);
    });
    card->rows()->addWidget(standardRow(QStringLiteral("quelta.mark"), Quelta::tr("Allowance in Panel"),
                                        Quelta::tr("Show the tightest allowance, or the one you follow, beside the tray icon."),
                                        m_panelSwitch, card));
    m_panelRow = new QWidget(card);
    auto *choice = new QHBoxLayout(m_panelRow);
    choice->setContentsMargins(44, 0, 14, 10);
    choice->setSpacing(12);
    QLabel *title = plainLabel(Quelta::tr("Follow"), 12, QFont::Normal, false, m_panelRow);
    choice->addWidget(title);
    choice->addStretch(1);
    m_panelPicker = new QComboBox(m_panelRow);
    title->setBuddy(m_panelPicker);
    m_panelPicker->setAccessibleName(Quelta::tr("Follow"));
    m_panelPicker->setFixedWidth(190);
    // Absent: the tightest.
    m_panelPicker->addItem(Quelta::tr("Tightest Allowance"));
    for (const ProviderAllowance &provider : monitor->providers())
        m_panelPicker->addItem(provider.name, QVariant::fromValue(int(provider.id)));
    connect(m_panelPicker, &QComboBox::activated, this, [this, monitor](int index) {
        PanelAllowance panel = monitor->panelAllowance();
        const QVariant id = m_panelPicker->itemData(index);
        panel.tracked = id.isValid() ? std::optional(ProviderID(id.toInt())) : std::nullopt;
        monitor->setPanelAllowance(panel);
    });
    choice->addWidget(m_panelPicker);
    card->rows()->addWidget(m_panelRow);
    card->rows()->addWidget(divider(44, card));
    m_loginSwitch = new Switch(Quelta::tr("Launch Quelta at Login"));
    connect(m_loginSwitch, &QAbstractButton::toggled, this, &SettingsView::setLaunchAtLogin);
    card->rows()->addWidget(standardRow(QStringLiteral("power"), Quelta::tr("Launch at Login"),
                                        Quelta::tr("Open Quelta automatically when you log in."), m_loginSwitch, card));
    card->rows()->addWidget(divider(44, card));
    m_analyticsSwitch = new Switch(Quelta::tr("Share anonymous analytics"));
    connect(m_analyticsSwitch, &QAbstractButton::toggled, this, [this](bool on) { m_services.analytics->setEnabled(on); });
    card->rows()->addWidget(standardRow(
        QStringLiteral("chart.bar"), Quelta::tr("Share Anonymous Analytics"),
        Quelta::tr("Share setup, app activity and connection reliability. Provider names, balances and account details stay private."),
        m_analyticsSwitch, card));
    return section(Quelta::tr("General"), {}, card, this);
}

QWidget *SettingsView::makeSupportSection()
{
    auto *card = new TintedCard(this);
    auto *form = new QPushButton(Quelta::tr("Open Form"));
    connect(form, &QPushButton::clicked, this, &SettingsView::openFeedbackForm);
    card->rows()->addWidget(standardRow(QStringLiteral("bubble.left.and.bubble.right"), Quelta::tr("Send Feedback"),
                                        Quelta::tr("Report a bug, request a feature or suggest a provider."), form, card));
    card->rows()->addWidget(divider(44, card));
    auto *updates = new QPushButton(Quelta::tr("Check for Updates"));
    connect(updates, &QPushButton::clicked, this, [this] {
        m_services.analytics->track(QueltaAnalyticsEvent::of(QueltaAnalyticsEvent::Kind::updateCheckRequested));
        if (m_services.checkForUpdates)
            m_services.checkForUpdates();
    });
    card->rows()->addWidget(standardRow(QStringLiteral("info.circle"), QStringLiteral("Quelta ") + m_services.appVersion.value_or(QStringLiteral("1.0")),
                                        Quelta::tr("Free · Linux"), updates, card));
    return section(Quelta::tr("Support"), {}, card, this);
}

QWidget *SettingsView::makeHistorySection()
{
    auto *card = new TintedCard(this);
    m_retentionPicker = new QComboBox;
    m_retentionPicker->setAccessibleName(Quelta::tr("Keep History"));
    const QList<QPair<HistoryRetention, QString>> choices{{HistoryRetention::days30, Quelta::tr("30 days")},
                                                          {HistoryRetention::days90, Quelta::tr("90 days")},
                                                          {HistoryRetention::days365, Quelta::tr("365 days")},
                                                          {HistoryRetention::unlimited, Quelta::tr("Forever")}};
    for (const auto &[retention, title] : choices)
        m_retentionPicker->addItem(title, QVariant::fromValue(int(retention)));
    connect(m_retentionPicker, &QComboBox::activated, this,
            [this](int index) { m_services.history->setRetention(HistoryRetention(m_retentionPicker->itemData(index).toInt())); });
    connect(m_services.history, &HistoryRecorder::retentionChanged, this, &SettingsView::syncRetention);
    QWidget *keep = standardRow(QStringLiteral("clock"), Quelta::tr("Keep History"),
                                Quelta::tr("How long Quelta keeps past figures on this computer."), m_retentionPicker, card);
    // Screen readers on Linux speak a combo box's current item as its name, and its label
    // through this relation.
    for (QLabel *title : keep->findChildren<QLabel *>()) {
        if (title->text() == m_retentionPicker->accessibleName())
            title->setBuddy(m_retentionPicker);
    }
    card->rows()->addWidget(keep);
    card->rows()->addWidget(divider(44, card));
    m_showHistory = new QPushButton(Quelta::tr("Show History…"));
    connect(m_showHistory, &QPushButton::clicked, this, [this] {
        if (m_services.showHistory)
            m_services.showHistory();
    });
    card->rows()->addWidget(standardRow(QStringLiteral("chart.line"), Quelta::tr("Usage History"),
                                        Quelta::tr("Each limit over the last days, daily peaks and the windows that ran out."),
                                        m_showHistory, card));
    card->rows()->addWidget(divider(44, card));
    m_clearHistory = new QPushButton(Quelta::tr("Clear History…"));
    connect(m_clearHistory, &QPushButton::clicked, this, &SettingsView::askToClearHistory);
    card->rows()->addWidget(standardRow(QStringLiteral("trash"), Quelta::tr("Clear History"),
                                        Quelta::tr("Forget every figure Quelta has recorded."), m_clearHistory, card));
    syncRetention();
    return section(Quelta::tr("History"), {}, card, this);
}

void SettingsView::syncRetention()
{
    m_retentionPicker->setCurrentIndex(m_retentionPicker->findData(int(m_services.history->retention())));
}

void SettingsView::askToClearHistory()
{
    auto *box = new QMessageBox(QMessageBox::NoIcon, Quelta::tr("Clear History"), QStringLiteral("<b>%1</b>").arg(Quelta::tr("Clear all history?")),
                                QMessageBox::Cancel, this);
    box->setInformativeText(Quelta::tr("Quelta forgets every figure it has recorded. This can’t be undone."));
    QPushButton *clear = box->addButton(Quelta::tr("Clear History"), QMessageBox::DestructiveRole);
    box->setDefaultButton(QMessageBox::Cancel);
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QMessageBox::buttonClicked, this, [this, clear](QAbstractButton *button) {
        if (button != clear || m_services.history->clear())
            return;
        showAlert({Quelta::tr("History couldn’t be cleared"),
                   m_services.history->store().problem().value_or(Quelta::tr("The history file couldn’t be written."))});
    });
    box->open();
}

void SettingsView::syncProvider(ProviderID id)
{
    const ProviderControls &controls = m_providers[id];
    AllowanceMonitor &monitor = *m_services.monitor;
    const auto found = std::find_if(monitor.providers().begin(), monitor.providers().end(), [id](const ProviderAllowance &p) { return p.id == id; });
    const ConnectionState state = found->connectionState;
    const bool enabled = monitor.enabledProviderIDs().contains(id);
    controls.caption->setVisible(state == ConnectionState::unsupported);

    const bool connecting = monitor.connectionAttemptState(id) == ProviderConnectionAttemptState::connecting;
    const bool showsButton = state != ConnectionState::unsupported && enabled && state != ConnectionState::connected;
    const bool showsBadge = state != ConnectionState::unsupported && enabled && !showsButton;
    controls.connect->setVisible(showsButton);
    controls.connect->setText(id != ProviderID::framer && connecting ? Quelta::tr("Signing in…") : Quelta::tr("Connect"));
    controls.connect->setEnabled(id == ProviderID::framer || !connecting);
    controls.badge->setVisible(showsBadge);
    controls.badge->setText(badgeText(state));

    controls.visibility->setOn(enabled);
    controls.visibility->setEnabled(!(enabled && monitor.enabledProviderIDs().size() == 1));
    if (id == ProviderID::claudeCode)
        syncLimit();
}

void SettingsView::syncProviders()
{
    for (ProviderID id : m_providers.keys())
        syncProvider(id);
}

void SettingsView::syncLimit()
{
    AllowanceMonitor &monitor = *m_services.monitor;
    const auto claude = std::find_if(monitor.providers().begin(), monitor.providers().end(),
                                     [](const ProviderAllowance &p) { return p.id == ProviderID::claudeCode; });
    m_limitRow->setVisible(monitor.enabledProviderIDs().contains(ProviderID::claudeCode) && claude->connectionState == ConnectionState::connected);
    m_limitPicker->setCurrentIndex(m_limitPicker->findData(int(monitor.claudeTrackedLimit())));
}

void SettingsView::syncPanel()
{
    const PanelAllowance &panel = m_services.monitor->panelAllowance();
    m_panelSwitch->setOn(panel.shown);
    m_panelRow->setVisible(panel.shown);
    m_panelPicker->setCurrentIndex(panel.tracked ? m_panelPicker->findData(int(*panel.tracked)) : 0);
}

void SettingsView::syncAlerts()
{
    UsageNotificationManager &alerts = *m_services.alerts;
    const bool blocked = alerts.alertsBlockedBySystem();
    m_openSettings->setVisible(blocked);
    m_alertsSwitch->setVisible(!blocked);
    m_alertsSwitch->setOn(alerts.notificationsEnabled());
    using Status = UsageNotificationManager::AuthorizationStatus;
    QString status = Quelta::tr("Quelta only checks enabled providers and keeps history on this computer.");
    if (alerts.lastDeliveryError())
        status = *alerts.lastDeliveryError();
    else if (alerts.authorizationStatus() == Status::denied)
        status = Quelta::tr("Notifications are disabled in your desktop’s settings.");
    else if (!alerts.alertPresentationEnabled() && alerts.authorizationStatus() != Status::notDetermined)
        status = Quelta::tr("Notification banners are turned off in your desktop’s settings.");
    m_alertStatus->setText(status);
    m_alertOptions->setVisible(alerts.notificationsEnabled());
    for (const auto &[toggle, read] : m_optionSwitches)
        toggle->setOn(read());
}

void SettingsView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    rereadDesktopState();
}

void SettingsView::rereadDesktopState()
{
    m_loginSwitch->setOn(m_services.loginItem->isEnabled());
    startDetached(m_services.alerts->refreshAuthorizationStatus(), lcUi, "reading the notification permission");
}

void SettingsView::setLaunchAtLogin(bool enabled)
{
    if (!m_services.loginItem->setEnabled(enabled)) {
        showAlert({Quelta::tr("Allow Quelta to Launch at Login"),
                   Quelta::tr("Quelta couldn’t add itself to the programs that start when you log in. Check that your autostart folder can "
                              "be written to.")});
    }
    // The switch shows what is really there.
    m_loginSwitch->setOn(m_services.loginItem->isEnabled());
}

void SettingsView::openFeedbackForm()
{
    const QUrl address = feedbackAddress(serviceAddresses::feedbackForm(), m_services.appVersion, m_services.systemName);
    if (address.isValid() && m_services.openUrl)
        m_services.openUrl(address);
}

QCoro::Task<void> SettingsView::connectProvider(ProviderID id)
{
    QPointer<SettingsView> self(this);
    const ConnectOutcome outcome = co_await m_services.connection->connect(id);
    // The Framer window itself told what went wrong.
    if (!self || outcome == ConnectOutcome::connected || (outcome == ConnectOutcome::failed && id == ProviderID::framer))
        co_return;
    if (outcome == ConnectOutcome::freePlan) {
        showAlert({Quelta::tr("Claude Code isn’t included"), freePlanAdvice()});
        co_return;
    }
    const bool installed = m_services.executable && m_services.executable(id).has_value();
    showAlert({Quelta::tr("%1 couldn’t connect").arg(displayName(id)), connectFailureAdvice(id, installed)});
}

void SettingsView::showAlert(Alert alert)
{
    m_lastAlert = alert;
    alertBox(alert.title, alert.message, this)->open();
}

Switch *SettingsView::visibilitySwitch(ProviderID id) const
{
    return m_providers.value(id).visibility;
}

QPushButton *SettingsView::connectButton(ProviderID id) const
{
    return m_providers.value(id).connect;
}

QLabel *SettingsView::providerCaption(ProviderID id) const
{
    return m_providers.value(id).caption;
}

QWidget *SettingsView::badge(ProviderID id) const
{
    return m_providers.value(id).badge;
}

} // namespace quelta
