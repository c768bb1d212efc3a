#include "TrayShell.h"

#include "AppLogging.h"
#include "AppObjects.h"
#include "AppUpdater.h"
#include "StatusItem.h"
#include "TrayPresence.h"

#include "artwork/Symbols.h"
#include "commands/ProviderConnection.h"
#include "core/AllowanceStore.h"
#include "core/BundleInformation.h"
#include "core/RefreshPolicy.h"
#include "platform/Clock.h"
#include "platform/DetachedTask.h"
#include "platform/DisplaylessUse.h"
#include "platform/FreedMemory.h"
#include "platform/LoginItem.h"
#include "ui/FontRegistry.h"
#include "ui/onboarding/OnboardingWindow.h"
#include "ui/popover/ContentView.h"
#include "ui/popover/PopoverWindow.h"
#include "ui/settings/SettingsView.h"
#include "ui/widgets/AlertBox.h"
#include "ui/widgets/ReduceMotion.h"
#include "platform/Quelta.h"

#include <QApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QSysInfo>

namespace quelta {

namespace {

using namespace std::chrono_literals;

// A Wayland client cannot place its own windows: without XWayland the popover is a window.
bool placesOwnWindows()
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

// Under XWayland the pointer's last position over an X11 window, not where the panel was clicked.
std::optional<QPoint> trustedPointer()
{
    if (runsUnderXWayland(QProcessEnvironment::systemEnvironment(), QGuiApplication::platformName()))
        return std::nullopt;
    return QCursor::pos();
}

} // namespace

TrayShell::TrayShell(AppObjects &services, Options options, QObject *parent)
    : QObject(parent)
    , m_services(services)
    , m_options(std::move(options))
    , m_trayPresence(new TrayPresence(m_options.sessionBus, this))
    , m_updater(new AppUpdater(QUrl(QString::fromUtf8(bundleInformation::appcastUrl)),
                               {QString::fromLatin1(bundleInformation::shortVersion), QString::fromLatin1(bundleInformation::buildVersion)},
                               services.clock(), this))
{
    connect(m_trayPresence, &TrayPresence::kindChanged, this, &TrayShell::onTrayChanged);
    connect(m_updater, &AppUpdater::answered, this, &TrayShell::showUpdateAnswer);
    connect(m_updater, &AppUpdater::newerVersionFound, this, &TrayShell::showUpdateAnswer);
    m_onboardingCompleted = !m_options.showOnboarding
        && allowanceStore::hasCompletedOnboarding(m_services.settings());
}

TrayShell::~TrayShell()
{
    delete m_popover;
    delete m_onboarding;
    delete m_settings;
}

void TrayShell::showUpdateAnswer(const AppUpdater::Answer &answer)
{
    prepareWindows();
    QMessageBox *box = alertBox(AppUpdater::title(answer), AppUpdater::message(answer));
    if (answer.kind == AppUpdater::Answer::Kind::newer) {
        QPushButton *download = box->addButton(Quelta::tr("Download"), QMessageBox::AcceptRole);
        const QUrl page = answer.release->downloadPage;
        connect(download, &QPushButton::clicked, box, [page] { QDesktopServices::openUrl(page); });
    }
    box->open();
}

// Fonts and the window icon wait for the first window: an idle tray draws no text, and the icon
// would otherwise be drawn at every size for the tray's own embedded window.
void TrayShell::prepareWindows()
{
    if (m_windowsPrepared)
        return;
    m_windowsPrepared = true;
    registerFonts(applicationFontDirectory());
    QGuiApplication::setWindowIcon(applicationIcon());
}

bool TrayShell::isOnboardingDue() const
{
    return !m_onboardingCompleted;
}

void TrayShell::start()
{
    AnalyticsManager &analytics = m_services.analytics();
    if (analytics.isEnabled()) {
        analytics.configureIfNeeded();
        analytics.flushPendingBackgroundHealth();
    }
    m_services.alerts().configure([this] { showPopover(true); });

    // On a first run the tray icon comes only once onboarding is complete.
    if (isOnboardingDue()) {
        m_services.clock().callAfter(350ms, this, [this] { showOnboardingWindow(); });
    } else {
        m_updater->startIfNeeded();
        setupStatusItem();
    }

    AllowanceMonitor &monitor = m_services.monitor();
    // What a refresh allocated is freed by its end; an idle tray holds on to none of it.
    connect(&monitor, &AllowanceMonitor::refreshStateChanged, this, [&monitor] {
        if (!monitor.isRefreshing())
            releaseFreedMemory();
    });
    monitor.refresh(false);
    monitor.scheduleAutomaticRefresh();
    if (m_options.systemBus) {
        m_options.systemBus->connect(QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
                                     QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"), this,
                                     SLOT(onPrepareForSleep(bool)));
    }
    if (m_options.showPopoverAtLaunch)
        m_services.clock().callAfter(500ms, this, [this] { showPopover(false); });
    // Some desktops start their tray after the applications: give them a moment.
    m_services.clock().callAfter(m_options.trayGrace, this, [this] {
        m_trayGraceOver = true;
        useWindowIfNoTray();
    });
}

void TrayShell::onPrepareForSleep(bool goingToSleep)
{
    if (!goingToSleep)
        m_services.monitor().refresh(false);
}

void TrayShell::setupStatusItem()
{
    if (m_statusItem)
        return;
    m_statusItem = new StatusItem(*m_trayPresence, m_services.monitor(), m_services.clock(), m_options.sessionBus, this);
    connect(m_statusItem, &StatusItem::activated, this, &TrayShell::togglePopover);
    connect(m_statusItem, &StatusItem::menuRequested, this, &TrayShell::showMenu);
    connect(m_statusItem, &StatusItem::quitRequested, this, &TrayShell::quitRequested);
    connect(m_statusItem, &StatusItem::historyRequested, this, &TrayShell::openHistory);
}

void TrayShell::useWindowIfNoTray()
{
    if (!m_trayGraceOver || isOnboardingDue() || m_trayPresence->isPresent())
        return;
    qCInfo(lcApp) << "no system tray: the popover opens as a window";
    showPopover(false);
}

void TrayShell::onTrayChanged()
{
    if (!m_trayPresence->isPresent()) {
        useWindowIfNoTray();
        return;
    }
    // The tray takes over from the window.
    if (m_popover && m_popover->mode() == PopoverWindow::Mode::window && !popoverIsWindow())
        m_popover->hide();
}

bool TrayShell::popoverIsWindow() const
{
    return !m_trayPresence->isPresent() || !placesOwnWindows();
}

void TrayShell::ensurePopover(bool asWindow)
{
    const PopoverWindow::Mode mode = asWindow ? PopoverWindow::Mode::window : PopoverWindow::Mode::popup;
    if (m_popover && m_popover->mode() == mode)
        return;
    delete m_popover;
    prepareWindows();
    auto *content = new ContentView(m_services.monitor(), &m_services.analytics(), &m_services.history());
    connect(content, &ContentView::openSettingsRequested, this, &TrayShell::openSettings);
    connect(content, &ContentView::connectRequested, this, &TrayShell::connectProvider);
    m_popover = new PopoverWindow(content, mode);
    // The popup takes the press that closes it, a right click on an XEmbed icon included.
    connect(
        m_popover, &PopoverWindow::pressedOutside, this,
        [this](const QPoint &position, Qt::MouseButton button) {
            if (button == Qt::RightButton && m_statusItem && m_statusItem->geometry().contains(position))
                showMenu(position);
        },
        Qt::QueuedConnection);
}

void TrayShell::togglePopover()
{
    if (isOnboardingDue()) {
        showOnboardingWindow();
        return;
    }
    if (m_popover && m_popover->isVisible()) {
        m_popover->hide();
        return;
    }
    showPopover(true);
}

void TrayShell::showMenu(const QPoint &position)
{
    // A right click while the popover is open is meant for the menu, not only for closing it.
    if (m_popover && m_popover->mode() == PopoverWindow::Mode::popup)
        m_popover->hide();
    m_statusItem->popUpMenu(position);
}

void TrayShell::showPopover(bool recordMenuOpen)
{
    if (recordMenuOpen)
        m_services.analytics().recordMenuOpened();
    AllowanceMonitor &monitor = m_services.monitor();
    monitor.noteInteraction();
    monitor.refreshStaleProviders(refreshPolicy::staleAge);
    ensurePopover(popoverIsWindow());
    const QRect anchor = m_statusItem ? m_statusItem->geometry() : QRect();
    m_popover->showAt(anchor, trustedPointer());
}

void TrayShell::showOnboardingWindow()
{
    if (!m_onboarding) {
        prepareWindows();
        OnboardingFlow::Services flow;
        flow.monitor = &m_services.monitor();
        flow.clock = &m_services.clock();
        flow.connection = &m_services.connection();
        flow.executable = toolExecutable();
        m_onboarding = new OnboardingWindow(flow, reduceMotion());
        connect(m_onboarding, &OnboardingWindow::completed, this, &TrayShell::completeOnboarding);
        // Leaving before the end quits: there would be no tray icon to come back to.
        connect(m_onboarding, &OnboardingWindow::closedEarly, this, &TrayShell::quitRequested);
    }
    m_onboarding->showCentred();
    m_services.analytics().recordOnboardingShown();
}

void TrayShell::completeOnboarding()
{
    m_onboardingCompleted = true;
    m_updater->startIfNeeded();
    allowanceStore::setCompletedOnboarding(m_services.settings());
    m_services.analytics().track(QueltaAnalyticsEvent::of(QueltaAnalyticsEvent::Kind::onboardingCompleted));
    if (m_onboarding) {
        m_onboarding->close();
        m_onboarding->deleteLater();
    }
    setupStatusItem();
    showPopover(false);
}

void TrayShell::openSettings()
{
    if (m_popover)
        m_popover->hide();
    m_services.analytics().track(QueltaAnalyticsEvent::of(QueltaAnalyticsEvent::Kind::settingsOpened));
    if (!m_settings) {
        prepareWindows();
        SettingsView::Services settings;
        settings.monitor = &m_services.monitor();
        settings.alerts = &m_services.alerts();
        settings.analytics = &m_services.analytics();
        settings.loginItem = &m_loginItem;
        settings.connection = &m_services.connection();
        settings.accounts = &m_services.accountChanges();
        settings.executable = toolExecutable();
        settings.checkForUpdates = [this] { m_updater->checkForUpdates(); };
        settings.openUrl = [](const QUrl &url) { QDesktopServices::openUrl(url); };
        settings.appVersion = QString::fromLatin1(bundleInformation::shortVersion);
        settings.systemName = QSysInfo::prettyProductName();
        settings.history = &m_services.history();
        settings.showHistory = [this] { openHistory(); };
        auto *scroll = new QScrollArea;
        scroll->setWindowTitle(Quelta::tr("Quelta Settings"));
        scroll->setWidgetResizable(true);
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setWidget(new SettingsView(settings));
        scroll->setFixedSize(520, 650);
        m_settings = scroll;
    }
    m_settings->show();
    m_settings->raise();
    m_settings->activateWindow();
    Q_EMIT settingsRequested();
}

void TrayShell::openHistory()
{
    if (m_popover && m_popover->mode() == PopoverWindow::Mode::popup)
        m_popover->hide();
    if (!m_history) {
        prepareWindows();
        m_history = new HistoryWindow(m_services.monitor(), m_services.history());
        // The charts' memory goes back to the system once the window is gone.
        connect(m_history, &QObject::destroyed, this, [] { releaseFreedMemory(); }, Qt::QueuedConnection);
    }
    m_history->show();
    m_history->raise();
    m_history->activateWindow();
}

std::function<std::optional<QString>(ProviderID)> TrayShell::toolExecutable()
{
    return [this](ProviderID id) { return m_services.providerTool(id); };
}

void TrayShell::connectProvider(const AccountID &id)
{
    if (m_services.monitor().connectionAttemptState(id) == ProviderConnectionAttemptState::connecting)
        return;
    // The popover would cover the browser's sign-in or the Framer window.
    if (id.provider != ProviderID::claudeCode && m_popover)
        m_popover->hide();
    auto flow = [](TrayShell *shell, AccountID provider) -> QCoro::Task<void> {
        QPointer<TrayShell> self(shell);
        const ConnectOutcome outcome = co_await shell->m_services.connection().connect(provider);
        qCInfo(lcApp) << "connecting" << provider.rawValue() << "ended:" << toRawValue(outcome);
        // The popover shows how it ended.
        if (self)
            self->showPopover(false);
    };
    startDetached(flow(this, id), lcApp, "connecting a provider");
}

} // namespace quelta
