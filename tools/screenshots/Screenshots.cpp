// Renders every view in its states, in light and dark schemes, to PNG files in the folder given
// as the first argument; the popover in each of the sans fonts Linux desktops ship. With
// --popover-only, just the popover (for a second run at another scale); with --tray-icon-only, just
// the tray icon. Run through scripts/screenshots; look at the files.
#include "HistoryScreenshots.h"
#include "InstallerScreenshots.h"
#include "TrayIconScreenshots.h"
#include "MonitorTestSupport.h"
#include "ManualClock.h"
#include "TestFixture.h"

#include "commands/AccountChanges.h"
#include "commands/AllowancePresentation.h"
#include "connectors/ResetCountdownText.h"
#include "platform/Quelta.h"
#include "core/AllowanceStore.h"
#include "history/HistoryRecorder.h"
#include "core/ProviderConnectorError.h"
#include "ui/onboarding/OnboardingFlow.h"
#include "ui/FontRegistry.h"
#include "commands/ProviderConnection.h"
#include "ui/onboarding/OnboardingPages.h"
#include "ui/onboarding/OnboardingWindow.h"
#include "ui/popover/ContentView.h"
#include "ui/settings/AccountsSection.h"
#include "ui/settings/SettingsView.h"
#include "RecordingNotificationCenter.h"
#include "alerts/UsageNotificationManager.h"
#include "analytics/AnalyticsManager.h"
#include "platform/LoginItem.h"
#include "SessionTranslation.h"
#include <QScrollArea>
#include "ui/popover/PopoverWindow.h"

#include <QApplication>
#include <QDir>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>

#include <cstdio>

using namespace quelta;

namespace {

QPalette darkPalette()
{
    QPalette palette;
    palette.setColor(QPalette::Window, QColor(0x1e, 0x1e, 0x20));
    palette.setColor(QPalette::WindowText, QColor(0xf2, 0xf2, 0xf4));
    palette.setColor(QPalette::Base, QColor(0x2a, 0x2a, 0x2d));
    palette.setColor(QPalette::Text, QColor(0xf2, 0xf2, 0xf4));
    palette.setColor(QPalette::Button, QColor(0x2f, 0x2f, 0x33));
    palette.setColor(QPalette::ButtonText, QColor(0xf2, 0xf2, 0xf4));
    palette.setColor(QPalette::Highlight, QColor(0x0a, 0x84, 0xff));
    return palette;
}

QPalette lightPalette()
{
    QPalette palette = QStyleFactory::create(QStringLiteral("Fusion"))->standardPalette();
    palette.setColor(QPalette::Window, QColor(0xf6, 0xf6, 0xf7));
    palette.setColor(QPalette::WindowText, QColor(0x1d, 0x1d, 0x1f));
    palette.setColor(QPalette::Highlight, QColor(0x00, 0x7a, 0xff));
    return palette;
}

ProviderAllowance withLimit(ProviderID id, int remaining, const QString &limitName, const QString &value, const QString &detail)
{
    ProviderAllowance allowance = test::connectedAllowance(id, remaining);
    allowance.limits[0].name = limitName;
    allowance.limits[0].value = value;
    allowance.detail = detail;
    allowance.limits[0].detail = detail;
    if (id == ProviderID::framer)
        allowance.limits[0].id = QStringLiteral("credits-left");
    return allowance;
}

struct Scene {
    QString name;
    std::function<void(test::Fixture &, test::ScriptedLoads &)> prepare;
    std::function<void(AllowanceMonitor &, test::ScriptedLoads &)> act;
    QList<AccountID> accounts = defaultAccounts();
};

const AccountID claudeWork(ProviderID::claudeCode, QStringLiteral("work"));
const AccountID chatGptPersonal(ProviderID::codex, QStringLiteral("personal"));

void save(QWidget &widget, const QString &path)
{
    widget.grab().save(path);
    std::printf("%s\n", qPrintable(path));
}

// The settings window in its main states: Claude connected with its limit, ChatGPT waiting for
// a connection, Framer hidden; alerts on, then blocked by the desktop.
void renderSettings(const QString &folder, const QString &scheme)
{
    for (const bool blocked : {false, true}) {
        test::Fixture fixture;
        test::ScriptedLoads loads;
        loads.answers.insert(ProviderID::claudeCode, [] { return test::connectedAllowance(ProviderID::claudeCode, 50); });
        loads.answers.insert(ProviderID::codex, [] {
            return ProviderAllowance::failure(ProviderID::codex, QStringLiteral("Requires connection"), ConnectionState::needsConnection);
        });
        allowanceStore::saveEnabledProviders(fixture.store, {ProviderID::codex, ProviderID::claudeCode});
        allowanceStore::saveAuthorizedProviders(fixture.store, {ProviderID::claudeCode});
        test::RecordingNotificationCenter center;
        if (blocked)
            center.settings.authorizationStatus = NotificationCenter::AuthorizationStatus::denied;
        fixture.store.setBool(QLatin1String(UsageNotificationManager::enabledKey), !blocked);
        UsageNotificationManager alerts(fixture.store, fixture.clock, center);
        AnalyticsManager analytics(fixture.store, fixture.clock, AnalyticsManager::TelemetrySetup{});
        AllowanceMonitor monitor(fixture.store, fixture.clock, AllowanceMonitor::Dependencies{.connectors = loads.loader(), .isSubstituteLoader = true});
        monitor.refresh(false);
        QTest::qWait(100);
        LoginItem loginItem(fixture.directory.filePath(QStringLiteral("xdg")), QStringLiteral("/usr/bin/quelta"));
        ProviderConnection connection(monitor, {});
        SettingsView::Services services;
        services.monitor = &monitor;
        services.alerts = &alerts;
        services.analytics = &analytics;
        services.loginItem = &loginItem;
        services.connection = &connection;
        services.appVersion = QStringLiteral("0.1.0");
        HistoryRecorder history(monitor, fixture.store, fixture.home(QStringLiteral("history.sqlite")));
        services.history = &history;
        QScrollArea window;
        window.setWidgetResizable(true);
        window.setFrameShape(QFrame::NoFrame);
        window.setWidget(new SettingsView(services));
        window.resize(520, 650);
        window.show();
        QTest::qWait(200);
        const QString state = blocked ? QStringLiteral("blocked") : QStringLiteral("alerts-on");
        save(window, QStringLiteral("%1/settings-%2-%3.png").arg(folder, state, scheme));
        window.widget()->resize(520, window.widget()->sizeHint().height());
        save(*window.widget(), QStringLiteral("%1/settings-%2-%3-whole.png").arg(folder, state, scheme));
    }
}

// The settings' accounts: Claude · work found and tracked, a ChatGPT folder added by hand and
// not tracked yet, and the form for another one showing its problem in place.
void renderSettingsAccounts(const QString &folder, const QString &scheme)
{
    test::Fixture fixture;
    test::ScriptedLoads loads;
    for (const AccountID &id : {AccountID(ProviderID::claudeCode), claudeWork, AccountID(ProviderID::codex), chatGptPersonal})
        loads.answers.insert(id, [id] { return test::connectedAllowance(id.provider, 50).forAccount(id.name); });
    fixture.writeHomeFile(QStringLiteral(".claude-work/.credentials.json"), "{}");
    fixture.writeHomeFile(QStringLiteral("side/auth.json"), "{}");
    QDir().mkpath(fixture.home(QStringLiteral("empty")));
    AccountRegistry registry(fixture.store, AccountSearchPlaces{fixture.home(), {}, {}});
    registry.add(ProviderID::codex, fixture.home(QStringLiteral("side")), QStringLiteral("personal"));
    QList<AccountID> accounts;
    for (const AccountFolder &account : registry.found().accounts)
        accounts << account.id;
    allowanceStore::saveEnabledProviders(fixture.store, {ProviderID::codex, ProviderID::claudeCode, claudeWork});
    allowanceStore::saveAuthorizedProviders(fixture.store, {ProviderID::codex, ProviderID::claudeCode, claudeWork});
    test::RecordingNotificationCenter center;
    UsageNotificationManager alerts(fixture.store, fixture.clock, center);
    AnalyticsManager analytics(fixture.store, fixture.clock, AnalyticsManager::TelemetrySetup{});
    AllowanceMonitor monitor(fixture.store, fixture.clock,
                             AllowanceMonitor::Dependencies{.connectors = loads.loader(), .isSubstituteLoader = true, .accounts = accounts});
    AccountChanges changes(registry, monitor);
    monitor.refresh(false);
    QTest::qWait(100);
    LoginItem loginItem(fixture.directory.filePath(QStringLiteral("xdg")), QStringLiteral("/usr/bin/quelta"));
    ProviderConnection connection(monitor, {});
    SettingsView::Services services;
    services.monitor = &monitor;
    services.alerts = &alerts;
    services.analytics = &analytics;
    services.loginItem = &loginItem;
    services.connection = &connection;
    services.accounts = &changes;
    services.appVersion = QStringLiteral("0.1.0");
    SettingsView view(services);
    AccountsSection *section = view.accountsSection();
    section->addButton()->click();
    section->providerPicker()->setCurrentIndex(1);
    section->folderField()->setText(fixture.home(QStringLiteral("empty")));
    section->nameField()->setText(QStringLiteral("team"));
    section->submit();
    view.resize(520, view.sizeHint().height());
    view.show();
    QTest::qWait(200);
    view.resize(520, view.sizeHint().height());
    QTest::qWait(50);
    save(view, QStringLiteral("%1/settings-accounts-%2-whole.png").arg(folder, scheme));
}

// Every onboarding page and connection state; the window is always dark.
void renderOnboarding(const QString &folder)
{
    test::Fixture fixture;
    test::ScriptedLoads loads;
    for (ProviderID id : displayOrder)
        loads.answers.insert(id, [id] { return ProviderAllowance::failure(id, QStringLiteral("Requires connection"), ConnectionState::needsConnection); });
    allowanceStore::saveEnabledProviders(fixture.store, {ProviderID::codex, ProviderID::claudeCode});
    AllowanceMonitor monitor(fixture.store, fixture.clock, AllowanceMonitor::Dependencies{.connectors = loads.loader(), .isSubstituteLoader = true});
    ProviderConnection connection(monitor, [](AccountID) -> QCoro::Task<void> {
        throw ProviderConnectorError(ProviderConnectorError::Kind::processFailed);
    });
    OnboardingFlow::Services services;
    services.monitor = &monitor;
    services.clock = &fixture.clock;
    services.connection = &connection;
    services.executable = [](ProviderID) { return std::optional(QStringLiteral("/usr/bin/tool")); };

    {
        WelcomePage entering(fixture.clock, false);
        entering.resize(500, 410);
        QPalette dark = entering.palette();
        dark.setColor(QPalette::Window, Qt::black);
        entering.setPalette(dark);
        entering.setAutoFillBackground(true);
        entering.show();
        fixture.clock.advance(std::chrono::milliseconds(120));
        fixture.clock.advance(std::chrono::milliseconds(1500));
        save(entering, folder + QStringLiteral("/onboarding-welcome-entering.png"));
    }
    OnboardingWindow window(services, true);
    window.show();
    QTest::qWait(50);
    save(window, folder + QStringLiteral("/onboarding-welcome.png"));
    window.flow().getStarted();
    QTest::qWait(50);
    save(window, folder + QStringLiteral("/onboarding-providers.png"));
    window.activateWindow();
    static_cast<void>(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::qWait(50);
    save(window, folder + QStringLiteral("/onboarding-providers-keyboard-focus.png"));
    window.flow().toggleProvider(ProviderID::framer);
    window.flow().continueFromProviders();
    QTest::qWait(50);
    save(window, folder + QStringLiteral("/onboarding-framer-ready.png"));
    window.flow().advance();
    QTest::qWait(50);
    save(window, folder + QStringLiteral("/onboarding-chatgpt-ready.png"));
    window.flow().primaryAction();
    QTest::qWait(300);
    save(window, folder + QStringLiteral("/onboarding-chatgpt-failed.png"));
    window.flow().advance();
    QTest::qWait(50);
    save(window, folder + QStringLiteral("/onboarding-claude-ready.png"));
    window.flow().advance();
    QTest::qWait(50);
    save(window, folder + QStringLiteral("/onboarding-complete.png"));

    // Other accounts found beside the default ones: offered, one turned on.
    AllowanceMonitor withAccounts(fixture.store, fixture.clock,
                                  AllowanceMonitor::Dependencies{.connectors = loads.loader(),
                                                                 .isSubstituteLoader = true,
                                                                 .accounts = {ProviderID::framer, ProviderID::codex, chatGptPersonal,
                                                                              ProviderID::claudeCode, claudeWork}});
    services.monitor = &withAccounts;
    OnboardingWindow accountsWindow(services, true);
    accountsWindow.show();
    accountsWindow.flow().getStarted();
    accountsWindow.flow().toggleAccount(claudeWork);
    QTest::qWait(50);
    save(accountsWindow, folder + QStringLiteral("/onboarding-providers-accounts.png"));
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    session::installSessionTranslation(app, {QStringLiteral("quelta"), QStringLiteral("installquelta")});
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    registerFonts(QString::fromUtf8(QUELTA_FONT_DIRECTORY));
    QStringList arguments = app.arguments().mid(1);
    const bool popoverOnly = arguments.removeAll(QStringLiteral("--popover-only")) > 0;
    // The views a translation must fit, in the session's language: light, in one font.
    const bool languageViews = arguments.removeAll(QStringLiteral("--language-views")) > 0;
    const bool trayIconOnly = arguments.removeAll(QStringLiteral("--tray-icon-only")) > 0;
    const QString folder = arguments.value(0, QStringLiteral("screenshots"));
    QDir().mkpath(folder);
    if (trayIconOnly) {
        renderTrayIcons(folder);
        return 0;
    }
    const QFont desktopFont = QApplication::font();
    const QStringList families = languageViews ? QStringList{QStringLiteral("Noto Sans")}
                                               : QStringList{QStringLiteral("DejaVu Sans"), QStringLiteral("Cantarell"), QStringLiteral("Noto Sans")};

    const AccountSet all{ProviderID::framer, ProviderID::codex, ProviderID::claudeCode};
    // The texts the connectors would make, in the session's language.
    const auto resetsIn = [](qint64 seconds) {
        const QDateTime now(QDate(2026, 3, 1), QTime(9, 0), Qt::UTC);
        return resetCountdownText(now.addSecs(seconds), now);
    };
    const auto connectedAnswers = [resetsIn](test::ScriptedLoads &loads) {
        loads.answers.insert(ProviderID::framer, [] {
            const QString resetsOn = Quelta::tr("Resets on %1").arg(QLocale().toString(QDate(2026, 3, 2), Quelta::tr("d MMM", "day and month")));
            return withLimit(ProviderID::framer, 62, QStringLiteral("Credits left"), QLocale().toString(12500), resetsOn);
        });
        loads.answers.insert(ProviderID::codex, [resetsIn] { return withLimit(ProviderID::codex, 23, QStringLiteral("5-hour limit"), percentNumber(23), resetsIn(2 * 3600 + 14 * 60)); });
        loads.answers.insert(ProviderID::claudeCode, [resetsIn] { return withLimit(ProviderID::claudeCode, 8, QStringLiteral("Weekly · all models"), percentNumber(8), resetsIn(3 * 86400 + 4 * 3600)); });
    };
    const QList<Scene> scenes{
        {QStringLiteral("connected"), [&](test::Fixture &f, test::ScriptedLoads &loads) { allowanceStore::saveAuthorizedProviders(f.store, all); connectedAnswers(loads); },
         [](AllowanceMonitor &monitor, test::ScriptedLoads &) { monitor.refresh(false); }},
        {QStringLiteral("stale"), [&](test::Fixture &f, test::ScriptedLoads &) {
             allowanceStore::saveAuthorizedProviders(f.store, all);
             AccountSnapshots snapshots;
             for (const AccountID &id : all)
                 snapshots.insert(id, allowanceStore::makeSnapshot(test::connectedAllowance(id.provider, 47), f.clock.now().addSecs(-3600)));
             allowanceStore::persistSnapshots(f.store, snapshots);
         },
         [](AllowanceMonitor &, test::ScriptedLoads &) {}},
        {QStringLiteral("needs-connection"), [](test::Fixture &, test::ScriptedLoads &) {}, [](AllowanceMonitor &, test::ScriptedLoads &) {}},
        {QStringLiteral("loading"), [&](test::Fixture &f, test::ScriptedLoads &loads) { allowanceStore::saveAuthorizedProviders(f.store, all); loads.holds = true; },
         [](AllowanceMonitor &monitor, test::ScriptedLoads &) { monitor.refresh(true); }},
        {QStringLiteral("connecting-and-failed"), [&](test::Fixture &f, test::ScriptedLoads &loads) {
             allowanceStore::saveAuthorizedProviders(f.store, {ProviderID::claudeCode});
             connectedAnswers(loads);
         },
         [](AllowanceMonitor &monitor, test::ScriptedLoads &) {
             monitor.refresh(false);
             monitor.beginConnecting(ProviderID::codex);
             monitor.beginConnecting(ProviderID::framer);
             monitor.finishConnecting(ProviderID::framer, false);
         }},
        {QStringLiteral("accounts"), [&, resetsIn](test::Fixture &f, test::ScriptedLoads &loads) {
             const AccountSet five{ProviderID::framer, ProviderID::codex, chatGptPersonal, ProviderID::claudeCode, claudeWork};
             allowanceStore::saveAuthorizedProviders(f.store, five);
             allowanceStore::saveEnabledProviders(f.store, five);
             connectedAnswers(loads);
             loads.answers.insert(chatGptPersonal, [resetsIn] {
                 return withLimit(ProviderID::codex, 71, QStringLiteral("5-hour limit"), percentNumber(71), resetsIn(4 * 3600 + 2 * 60)).forAccount(QStringLiteral("personal"));
             });
             loads.answers.insert(claudeWork, [resetsIn] {
                 return withLimit(ProviderID::claudeCode, 34, QStringLiteral("Weekly · all models"), percentNumber(34), resetsIn(5 * 86400 + 3600)).forAccount(QStringLiteral("work"));
             });
         },
         [](AllowanceMonitor &monitor, test::ScriptedLoads &) { monitor.refresh(false); },
         {ProviderID::framer, ProviderID::codex, chatGptPersonal, ProviderID::claudeCode, claudeWork}},
        {QStringLiteral("rate-limited"), [&](test::Fixture &f, test::ScriptedLoads &loads) {
             allowanceStore::saveAuthorizedProviders(f.store, all);
             connectedAnswers(loads);
             loads.answers.insert(ProviderID::claudeCode, []() -> ProviderAllowance { throw ProviderConnectorError::rateLimited(600); });
         },
         [](AllowanceMonitor &monitor, test::ScriptedLoads &) { monitor.refresh(false); }},
    };

    QList<std::pair<QString, QPalette>> schemes{{QStringLiteral("light"), lightPalette()}, {QStringLiteral("dark"), darkPalette()}};
    if (languageViews)
        schemes.removeLast();
    for (const auto &[scheme, palette] : schemes) {
        QApplication::setPalette(palette);
        if (!popoverOnly) {
            renderSettings(folder, scheme);
            renderSettingsAccounts(folder, scheme);
        }
        if (!popoverOnly && !languageViews)
            renderHistory(folder, scheme);
        for (const QString &family : families) {
            QApplication::setFont(QFont(family));
            const QString fontName = family.toLower().replace(QLatin1Char(' '), QLatin1Char('-'));
            for (const Scene &scene : scenes) {
                test::Fixture fixture;
                test::ScriptedLoads loads;
                for (const AccountID &id : all)
                    loads.answers.insert(id, [id] { return test::connectedAllowance(id.provider, 50); });
                scene.prepare(fixture, loads);
                AllowanceMonitor monitor(fixture.store, fixture.clock,
                                         AllowanceMonitor::Dependencies{.connectors = loads.loader(), .isSubstituteLoader = true, .accounts = scene.accounts});
                auto *content = new ContentView(monitor, nullptr);
                PopoverWindow popover(content, PopoverWindow::Mode::popup);
                scene.act(monitor, loads);
                QTest::qWait(50);
                popover.show();
                QTest::qWait(300);
                save(popover, QStringLiteral("%1/popover-%2-%3-%4.png").arg(folder, scene.name, scheme, fontName));
                if (scene.accounts.size() > defaultAccounts().size()) {
                    // A short screen: the rows scroll, the footer stays.
                    content->setHeightLimit(popoverHeightLimit(QRect(0, 0, 800, 240)));
                    QTest::qWait(100);
                    save(popover, QStringLiteral("%1/popover-%2-short-screen-%3-%4.png").arg(folder, scene.name, scheme, fontName));
                    content->setHeightLimit(QWIDGETSIZE_MAX);
                }
                if (scene.name == QLatin1String("needs-connection")) {
                    // Focus brought by the keyboard shows as a ring.
                    popover.activateWindow();
                    static_cast<void>(QTest::qWaitForWindowActive(&popover));
                    content->controls().constFirst()->setFocus(Qt::TabFocusReason);
                    QTest::qWait(50);
                    save(popover, QStringLiteral("%1/popover-%2-%3-%4-keyboard-focus.png").arg(folder, scene.name, scheme, fontName));
                }
                popover.hide();
                loads.release();
            }
        }
        QApplication::setFont(desktopFont);
    }
    if (popoverOnly)
        return 0;
    renderOnboarding(folder);
    if (languageViews)
        return 0;
    renderInstaller(folder);
    renderTrayIcons(folder);
    return 0;
}
