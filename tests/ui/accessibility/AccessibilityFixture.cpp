// The views as a person meets them, on a real display with the accessibility bridge on: the
// popover (as the window of a desktop without a tray), the welcome page, the provider cards, the
// settings window and the history window. Every action a view offers writes a line to the file named by the first
// argument, so that a keyboard walk can tell what it triggered. Driven by check_tree.py.
#include "MonitorTestSupport.h"
#include "RecordingNotificationCenter.h"
#include "TestFixture.h"

#include "alerts/UsageNotificationManager.h"
#include "analytics/AnalyticsManager.h"
#include "commands/ProviderConnection.h"
#include "core/AllowanceStore.h"
#include "history/HistoryRecorder.h"
#include "platform/LoginItem.h"
#include "ui/history/HistoryWindow.h"
#include "ui/onboarding/OnboardingWindow.h"
#include "ui/popover/ContentView.h"
#include "ui/popover/PopoverWindow.h"
#include "ui/settings/SettingsView.h"

#include <QApplication>
#include <QFile>
#include <QScrollArea>
#include <QTest>
#include <QTranslator>

using namespace quelta;

namespace {

QFile actions;

void record(const QString &action)
{
    actions.write(action.toUtf8() + '\n');
    actions.flush();
}

ProviderAllowance needsConnection(ProviderID id)
{
    return ProviderAllowance::failure(id, QStringLiteral("Requires connection"), ConnectionState::needsConnection);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // English's plural forms, as the program speaks it.
    QTranslator english;
    if (!english.load(QStringLiteral(":/i18n/quelta_en.qm")) || !QCoreApplication::installTranslator(&english))
        return 2;
    if (argc < 2)
        return 2;
    actions.setFileName(QString::fromLocal8Bit(argv[1]));
    if (!actions.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 2;

    // The popover: Framer at 62 % remaining, ChatGPT waiting for a connection, Claude at 91 %.
    test::Fixture popoverState;
    test::ScriptedLoads popoverLoads;
    popoverLoads.answers.insert(ProviderID::framer, [] { return test::connectedAllowance(ProviderID::framer, 62); });
    popoverLoads.answers.insert(ProviderID::codex, [] { return needsConnection(ProviderID::codex); });
    // Claude three days into its week, its last week on record.
    ProviderAllowance claude = test::connectedAllowance(ProviderID::claudeCode, 91);
    claude.limits[0].resetsAt = popoverState.clock.now().addDays(4);
    claude.limits[0].windowDuration = 7 * 24 * 3600;
    popoverLoads.answers.insert(ProviderID::claudeCode, [claude] { return claude; });
    allowanceStore::saveEnabledProviders(popoverState.store, {ProviderID::framer, ProviderID::codex, ProviderID::claudeCode});
    allowanceStore::saveAuthorizedProviders(popoverState.store, {ProviderID::framer, ProviderID::claudeCode});
    AllowanceMonitor popoverMonitor(popoverState.store, popoverState.clock,
                                    AllowanceMonitor::Dependencies{.connectors = popoverLoads.loader(), .isSubstituteLoader = true});
    HistoryRecorder popoverHistory(popoverMonitor, popoverState.store, popoverState.home(QStringLiteral("history.sqlite")));
    const QDateTime now = popoverState.clock.now();
    popoverHistory.store().import({{now.addDays(-7), {QStringLiteral("claudeCode"), QString(), claude.limits[0].id}, claude.limits[0].name, 48,
                                    now.addDays(-3), 7 * 24 * 3600}});
    popoverMonitor.refresh(false);
    if (!QTest::qWaitFor([&] { return !popoverMonitor.isRefreshing(); }, 5000))
        return 1;
    auto *content = new ContentView(popoverMonitor, nullptr, &popoverHistory);
    QObject::connect(content, &ContentView::connectRequested, [](const AccountID &id) { record(QStringLiteral("connect ") + id.rawValue()); });
    QObject::connect(content, &ContentView::openSettingsRequested, [] { record(QStringLiteral("open settings")); });
    QObject::connect(&popoverMonitor, &AllowanceMonitor::changed, [&popoverMonitor] {
        if (popoverMonitor.isRefreshing())
            record(QStringLiteral("refresh"));
    });
    PopoverWindow popover(content, PopoverWindow::Mode::window);
    popover.move(0, 0);
    popover.showAt({}, {});

    // Onboarding, once at its welcome page and once at its provider cards, ChatGPT and Claude chosen.
    test::Fixture onboardingState;
    test::ScriptedLoads onboardingLoads;
    for (ProviderID id : displayOrder)
        onboardingLoads.answers.insert(id, [id] { return needsConnection(id); });
    allowanceStore::saveEnabledProviders(onboardingState.store, {ProviderID::codex, ProviderID::claudeCode});
    AllowanceMonitor onboardingMonitor(onboardingState.store, onboardingState.clock,
                                       AllowanceMonitor::Dependencies{.connectors = onboardingLoads.loader(), .isSubstituteLoader = true});
    ProviderConnection onboardingConnection(onboardingMonitor, [](AccountID) -> QCoro::Task<void> { co_return; });
    OnboardingFlow::Services flow;
    flow.monitor = &onboardingMonitor;
    flow.clock = &onboardingState.clock;
    flow.connection = &onboardingConnection;
    flow.executable = [](ProviderID) { return std::optional<QString>(); };
    OnboardingWindow welcome(flow, true);
    welcome.setWindowTitle(QStringLiteral("Welcome"));
    QObject::connect(&welcome.flow(), &OnboardingFlow::pageChanged, [] { record(QStringLiteral("get started")); });
    welcome.move(340, 0);
    welcome.show();
    OnboardingWindow cards(flow, true);
    cards.setWindowTitle(QStringLiteral("Providers"));
    cards.flow().getStarted();
    QObject::connect(&onboardingMonitor, &AllowanceMonitor::changed, [&onboardingMonitor] {
        QStringList shown;
        for (ProviderID id : displayOrder) {
            if (onboardingMonitor.enabledProviderIDs().contains(id))
                shown.append(toRawValue(id));
        }
        record(QStringLiteral("providers ") + shown.join(QLatin1Char(',')));
    });
    QObject::connect(&cards.flow(), &OnboardingFlow::pageChanged, [] { record(QStringLiteral("continue")); });
    cards.move(340, 420);
    cards.show();

    // Settings: Claude connected, ChatGPT waiting for a connection, Framer hidden; alerts on.
    test::Fixture settingsState;
    test::ScriptedLoads settingsLoads;
    settingsLoads.answers.insert(ProviderID::claudeCode, [] { return test::connectedAllowance(ProviderID::claudeCode, 50); });
    settingsLoads.answers.insert(ProviderID::codex, [] { return needsConnection(ProviderID::codex); });
    allowanceStore::saveEnabledProviders(settingsState.store, {ProviderID::codex, ProviderID::claudeCode});
    allowanceStore::saveAuthorizedProviders(settingsState.store, {ProviderID::claudeCode});
    settingsState.store.setBool(QLatin1String(UsageNotificationManager::enabledKey), true);
    test::RecordingNotificationCenter center;
    UsageNotificationManager alerts(settingsState.store, settingsState.clock, center);
    AnalyticsManager analytics(settingsState.store, settingsState.clock, AnalyticsManager::TelemetrySetup{});
    AllowanceMonitor settingsMonitor(settingsState.store, settingsState.clock,
                                     AllowanceMonitor::Dependencies{.connectors = settingsLoads.loader(), .isSubstituteLoader = true});
    settingsMonitor.refresh(false);
    if (!QTest::qWaitFor([&] { return !settingsMonitor.isRefreshing(); }, 5000))
        return 1;
    LoginItem loginItem(settingsState.directory.filePath(QStringLiteral("xdg")), QStringLiteral("/usr/bin/quelta"));
    SettingsView::Services services;
    services.monitor = &settingsMonitor;
    services.alerts = &alerts;
    services.analytics = &analytics;
    services.loginItem = &loginItem;
    services.appVersion = QStringLiteral("0.1.0");
    HistoryRecorder settingsHistory(settingsMonitor, settingsState.store, settingsState.home(QStringLiteral("history.sqlite")));
    services.history = &settingsHistory;
    services.showHistory = [] { record(QStringLiteral("show history")); };
    ProviderConnection settingsConnection(settingsMonitor, [&settingsLoads](AccountID id) -> QCoro::Task<void> {
        record(QStringLiteral("sign in ") + id.rawValue());
        settingsLoads.answers.insert(id, [id] { return test::connectedAllowance(id.provider, 30); });
        co_return;
    });
    services.connection = &settingsConnection;
    services.executable = [](ProviderID) { return std::optional<QString>(QStringLiteral("/usr/bin/true")); };
    services.checkForUpdates = [] { record(QStringLiteral("check for updates")); };
    services.openUrl = [](const QUrl &) { record(QStringLiteral("open form")); };
    QScrollArea settings;
    settings.setWindowTitle(QStringLiteral("Quelta Settings"));
    settings.setWidgetResizable(true);
    settings.setFrameShape(QFrame::NoFrame);
    settings.setWidget(new SettingsView(services));
    settings.setFixedSize(520, 650);
    settings.move(860, 0);
    settings.show();

    // The history window over the popover's record.
    HistoryWindow history(popoverMonitor, popoverHistory);
    history.showAccount(ProviderID::claudeCode);
    history.resize(520, 400);
    history.move(860, 690);
    history.show();

    record(QStringLiteral("ready"));
    return app.exec();
}
