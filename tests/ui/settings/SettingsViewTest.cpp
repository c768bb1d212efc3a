#include "MonitorTestSupport.h"
#include "RecordingNotificationCenter.h"
#include "TestFixture.h"

#include "alerts/UsageNotificationManager.h"
#include "analytics/AnalyticsManager.h"
#include "commands/AccountChanges.h"
#include "commands/ProviderConnection.h"
#include "core/AllowanceStore.h"
#include "core/ProviderConnectorError.h"
#include "history/HistoryRecorder.h"
#include "platform/LoginItem.h"
#include "ui/settings/AccountsSection.h"
#include "ui/settings/SettingsView.h"
#include "ui/widgets/Switch.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>

using namespace quelta;
using Attempt = ProviderConnectionAttemptState;

// The settings view, offscreen, against a monitor, the alert manager and analytics in chosen states.
class SettingsViewTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::Fixture> m_fixture;
    std::unique_ptr<test::ScriptedLoads> m_loads;
    std::unique_ptr<test::RecordingNotificationCenter> m_center;
    std::unique_ptr<UsageNotificationManager> m_alerts;
    std::unique_ptr<AnalyticsManager> m_analytics;
    std::unique_ptr<AccountRegistry> m_registry;
    std::unique_ptr<AllowanceMonitor> m_monitor;
    std::unique_ptr<AccountChanges> m_accountChanges;
    std::unique_ptr<ProviderConnection> m_connection;
    std::unique_ptr<LoginItem> m_loginItem;
    std::unique_ptr<HistoryRecorder> m_history;
    int m_historyShown = 0;
    std::unique_ptr<SettingsView> m_view;
    QList<ProviderID> m_signIns;
    std::optional<ProviderConnectorError::Kind> m_signInFailure;
    bool m_holdSignIn = false;
    bool m_framerConnects = false;
    bool m_framerWindowOpen = false;

    // The vendors' sign-ins; Framer's, as its window does, answers a second opening at once.
    QCoro::Task<void> signIn(ProviderID id)
    {
        m_signIns.append(id);
        const bool framer = id == ProviderID::framer;
        if (framer && m_framerWindowOpen)
            throw ProviderConnectorError(ProviderConnectorError::Kind::connectionRequired);
        m_framerWindowOpen = framer;
        if (m_holdSignIn)
            co_await qCoro(m_loads.get(), &test::ScriptedLoads::released);
        m_framerWindowOpen = false;
        if (m_signInFailure)
            throw ProviderConnectorError(*m_signInFailure);
        if (framer && !m_framerConnects)
            throw ProviderConnectorError(ProviderConnectorError::Kind::connectionRequired);
    }

    void start(const AccountSet &enabled, const AccountSet &connected = {})
    {
        allowanceStore::saveEnabledProviders(m_fixture->store, enabled);
        allowanceStore::saveAuthorizedProviders(m_fixture->store, connected);
        m_alerts = std::make_unique<UsageNotificationManager>(m_fixture->store, m_fixture->clock, *m_center);
        m_analytics = std::make_unique<AnalyticsManager>(m_fixture->store, m_fixture->clock, AnalyticsManager::TelemetrySetup{});
        QList<AccountID> accounts = defaultAccounts();
        if (m_registry) {
            accounts.clear();
            for (const AccountFolder &account : m_registry->found().accounts)
                accounts << account.id;
        }
        m_monitor = std::make_unique<AllowanceMonitor>(
            m_fixture->store, m_fixture->clock,
            AllowanceMonitor::Dependencies{.connectors = m_loads->loader(), .isSubstituteLoader = true, .accounts = accounts});
        if (!connected.isEmpty()) {
            m_monitor->refresh(false);
            QTRY_VERIFY(!m_monitor->isRefreshing());
        }
        m_loginItem = std::make_unique<LoginItem>(m_fixture->directory.filePath(QStringLiteral("xdg")), QStringLiteral("/usr/bin/quelta"));
        SettingsView::Services services;
        services.monitor = m_monitor.get();
        services.alerts = m_alerts.get();
        services.analytics = m_analytics.get();
        services.loginItem = m_loginItem.get();
        m_connection = std::make_unique<ProviderConnection>(*m_monitor, [this](AccountID id) { return signIn(id.provider); });
        services.connection = m_connection.get();
        if (m_registry) {
            m_accountChanges = std::make_unique<AccountChanges>(*m_registry, *m_monitor);
            services.accounts = m_accountChanges.get();
        }
        services.executable = [](ProviderID) { return std::optional(QStringLiteral("/usr/bin/tool")); };
        m_history = std::make_unique<HistoryRecorder>(*m_monitor, m_fixture->store, m_fixture->home(QStringLiteral("history.sqlite")));
        services.history = m_history.get();
        services.showHistory = [this] { ++m_historyShown; };
        m_view = std::make_unique<SettingsView>(services);
        m_view->show();
    }

private Q_SLOTS:
    void init()
    {
        m_fixture = std::make_unique<test::Fixture>();
        m_loads = std::make_unique<test::ScriptedLoads>();
        m_center = std::make_unique<test::RecordingNotificationCenter>();
        for (ProviderID id : displayOrder)
            m_loads->answers.insert(id, [id] { return test::connectedAllowance(id, 50); });
        m_signIns.clear();
        m_signInFailure.reset();
        m_holdSignIn = false;
        m_framerConnects = false;
        m_framerWindowOpen = false;
        m_historyShown = 0;
    }

    void cleanup()
    {
        m_view.reset();
        m_connection.reset();
        m_accountChanges.reset();
        m_history.reset();
        m_monitor.reset();
        m_registry.reset();
        m_analytics.reset();
        m_alerts.reset();
    }

    void addingAnAccount_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("problem");
        QTest::newRow("no folder") << QString() << QString() << QStringLiteral("Choose the folder the account is signed in through.");
        QTest::newRow("missing folder") << QStringLiteral("nowhere") << QString() << QStringLiteral("That folder doesn’t exist.");
        QTest::newRow("no sign-in") << QStringLiteral("empty") << QString()
                                    << QStringLiteral("That folder holds no Claude Code sign-in. Sign in with Claude Code there first.");
        QTest::newRow("bad name") << QStringLiteral("side") << QStringLiteral("two words")
                                  << QStringLiteral("Name the account with letters, digits, “-”, “_” or “.”.");
        QTest::newRow("name taken") << QStringLiteral("side") << QStringLiteral("work")
                                    << QStringLiteral("An account named “work” exists already. Choose another name.");
        QTest::newRow("name from the folder") << QStringLiteral("side") << QString() << QString();
    }

    // A found account is offered untracked; one added by hand is tracked at once, and removed
    // again; every problem shows in place, in words.
    void addingAnAccount()
    {
        QFETCH(QString, folder);
        QFETCH(QString, name);
        QFETCH(QString, problem);
        m_fixture->writeHomeFile(QStringLiteral(".claude-work/.credentials.json"), "{}");
        m_fixture->writeHomeFile(QStringLiteral("side/.credentials.json"), "{}");
        QDir().mkpath(m_fixture->home(QStringLiteral("empty")));
        m_registry = std::make_unique<AccountRegistry>(m_fixture->store, AccountSearchPlaces{m_fixture->home(), {}, {}});
        start({ProviderID::claudeCode});
        AccountsSection *accounts = m_view->accountsSection();
        const AccountID work(ProviderID::claudeCode, QStringLiteral("work"));
        const AccountID side(ProviderID::claudeCode, QStringLiteral("side"));
        QVERIFY(accounts->trackSwitch(work) && !accounts->trackSwitch(work)->isChecked() && !accounts->removeButton(work));

        accounts->addButton()->click();
        QVERIFY(accounts->addForm()->isVisible());
        accounts->folderField()->setText(folder.isEmpty() ? QString() : m_fixture->home(folder));
        accounts->nameField()->setText(name);
        accounts->confirmButton()->click();
        QCOMPARE(accounts->problemLabel()->isVisible() ? accounts->problemLabel()->text() : QString(), problem);
        QCOMPARE(m_monitor->enabledProviderIDs().contains(side), problem.isEmpty());
        if (!problem.isEmpty())
            return;
        QVERIFY(!accounts->addForm()->isVisible());
        QVERIFY(accounts->trackSwitch(side)->isChecked());
        QCOMPARE(m_monitor->visibleProviders().last().name, QStringLiteral("Claude · side"));
        accounts->removeButton(side)->click();
        QVERIFY(!accounts->trackSwitch(side));
        QVERIFY(!m_monitor->enabledProviderIDs().contains(side));
        QCOMPARE(m_monitor->visibleProviders().size(), 1);
    }

    void historyIsKeptAsLongAsChosen_data()
    {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<HistoryRetention>("retention");
        QTest::newRow("a month") << QStringLiteral("30 days") << HistoryRetention::days30;
        QTest::newRow("a year") << QStringLiteral("365 days") << HistoryRetention::days365;
        QTest::newRow("forever") << QStringLiteral("Forever") << HistoryRetention::unlimited;
    }
    void historyIsKeptAsLongAsChosen()
    {
        QFETCH(QString, choice);
        QFETCH(HistoryRetention, retention);
        start({ProviderID::codex});
        QComboBox *picker = m_view->retentionPicker();
        QCOMPARE(picker->accessibleName(), QStringLiteral("Keep History"));
        QCOMPARE(picker->currentText(), QStringLiteral("90 days"));
        const int index = picker->findText(choice);
        picker->setCurrentIndex(index);
        Q_EMIT picker->activated(index);
        QCOMPARE(historyRetention::stored(m_fixture->store), retention);
        // A change made elsewhere shows here.
        m_history->setRetention(HistoryRetention::days90);
        QCOMPARE(picker->currentText(), QStringLiteral("90 days"));
    }

    void clearingHistoryAsksFirst_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("samplesLeft");
        QTest::newRow("cancelled") << QStringLiteral("Cancel") << 1;
        QTest::newRow("confirmed") << QStringLiteral("Clear History") << 0;
    }
    void clearingHistoryAsksFirst()
    {
        QFETCH(QString, answer);
        QFETCH(int, samplesLeft);
        start({ProviderID::codex});
        const HistorySample sample{m_fixture->clock.now(), {QStringLiteral("codex"), QString(), QStringLiteral("main")}, QStringLiteral("Weekly"), 40, std::nullopt, std::nullopt};
        QVERIFY(m_history->store().record({sample}));
        m_view->clearHistoryButton()->click();
        auto *box = m_view->findChild<QMessageBox *>();
        QVERIFY(box && box->isVisible());
        QCOMPARE(m_history->store().samples({}).size(), 1);
        const QList<QAbstractButton *> buttons = box->buttons();
        const auto chosen = std::ranges::find(buttons, answer, &QAbstractButton::text);
        QVERIFY(chosen != buttons.end());
        (*chosen)->click();
        QCOMPARE(m_history->store().samples({}).size(), samplesLeft);
        QVERIFY(!m_view->lastAlert());
        m_view->showHistoryButton()->click();
        QCOMPARE(m_historyShown, 1);
    }

    void theLastVisibleProviderCannotBeHidden()
    {
        start({ProviderID::codex});
        QVERIFY(!m_view->visibilitySwitch(ProviderID::codex)->isEnabled());
        QVERIFY(m_view->visibilitySwitch(ProviderID::framer)->isEnabled());
        m_view->visibilitySwitch(ProviderID::framer)->click();
        QVERIFY(m_view->visibilitySwitch(ProviderID::codex)->isEnabled());
        QVERIFY(m_view->visibilitySwitch(ProviderID::framer)->isEnabled());
        QCOMPARE(m_monitor->enabledProviderIDs(), (AccountSet{ProviderID::codex, ProviderID::framer}));
    }

    void limitPickerFollowsClaude()
    {
        start({ProviderID::claudeCode, ProviderID::codex}, {ProviderID::claudeCode});
        QVERIFY(m_view->limitRow()->isVisible());
        m_view->limitPicker()->setCurrentIndex(0);
        Q_EMIT m_view->limitPicker()->activated(0);
        QCOMPARE(m_monitor->claudeTrackedLimit(), ClaudeTrackedLimit::fiveHour);
        m_monitor->setProvider(ProviderID::claudeCode, false);
        QVERIFY(!m_view->limitRow()->isVisible());
        m_monitor->setProvider(ProviderID::claudeCode, true);
        QVERIFY(m_view->limitRow()->isVisible());
    }

    void theAllowanceInThePanelIsChosenHere()
    {
        start({ProviderID::claudeCode, ProviderID::codex});
        QVERIFY(!m_view->panelSwitch()->isChecked());
        QVERIFY(!m_view->panelRow()->isVisible());
        m_view->panelSwitch()->click();
        QVERIFY(m_view->panelRow()->isVisible());
        const int codex = m_view->panelPicker()->findText(displayName(ProviderID::codex));
        m_view->panelPicker()->setCurrentIndex(codex);
        Q_EMIT m_view->panelPicker()->activated(codex);
        const PanelAllowance chosen{true, ProviderID::codex};
        QCOMPARE(m_monitor->panelAllowance(), chosen);
        // Kept for the next launch; a change made elsewhere shows here.
        QCOMPARE(allowanceStore::loadPanelAllowance(m_fixture->store), chosen);
        m_monitor->setPanelAllowance({false, std::nullopt});
        QVERIFY(!m_view->panelSwitch()->isChecked());
        QVERIFY(!m_view->panelRow()->isVisible());
        m_monitor->setPanelAllowance({true, std::nullopt});
        QCOMPARE(m_view->panelPicker()->currentIndex(), 0);
    }

    void aFreeClaudeAccount()
    {
        m_signInFailure = ProviderConnectorError::Kind::unsupportedPlan;
        m_loads->answers.insert(ProviderID::claudeCode, [] {
            return ProviderAllowance::failure(ProviderID::claudeCode, QStringLiteral("Claude Free doesn’t include Claude Code"),
                                              ConnectionState::unsupported, QStringLiteral("Free"));
        });
        start({ProviderID::claudeCode});
        m_view->connectButton(ProviderID::claudeCode)->click();
        QTRY_VERIFY(m_view->lastAlert().has_value());
        QCOMPARE(m_view->lastAlert()->title, QStringLiteral("Claude Code isn’t included"));
        // The heading shows in the dialog itself, above the message, not only in its title bar.
        const auto *box = m_view->findChild<QMessageBox *>();
        QVERIFY(box);
        const auto *heading = box->findChild<QLabel *>(QStringLiteral("qt_msgbox_label"));
        QVERIFY(heading && heading->isVisible());
        QVERIFY2(heading->text().contains(QStringLiteral("Claude Code isn’t included")), qPrintable(heading->text()));
        QTextDocument message;
        message.setHtml(box->informativeText());
        QCOMPARE(message.toPlainText(), m_view->lastAlert()->message);
        QTRY_VERIFY(m_view->providerCaption(ProviderID::claudeCode)->isVisible());
        QVERIFY(!m_view->connectButton(ProviderID::claudeCode)->isVisible());
        QVERIFY(!m_view->badge(ProviderID::claudeCode)->isVisible());
    }

    void twoQuickPressesStartOneSignIn()
    {
        m_holdSignIn = true;
        start({ProviderID::codex});
        QPushButton *connect = m_view->connectButton(ProviderID::codex);
        connect->click();
        connect->click();
        QCOMPARE(m_signIns, QList<ProviderID>{ProviderID::codex});
        QCOMPARE(connect->text(), QStringLiteral("Signing in…"));
        QVERIFY(!connect->isEnabled());
        m_loads->release();
        QTRY_COMPARE(m_monitor->connectionAttemptState(ProviderID::codex), Attempt::idle);
        QVERIFY(m_view->badge(ProviderID::codex)->isVisible());
    }

    void blockedAlertsOfferTheDesktopsSettings()
    {
        m_center->settings.authorizationStatus = NotificationCenter::AuthorizationStatus::denied;
        start({ProviderID::codex});
        QTRY_VERIFY(m_view->openSettingsButton()->isVisible());
        QVERIFY(!m_view->alertsSwitch()->isVisible());
        QCOMPARE(m_view->alertStatus()->text(), QStringLiteral("Notifications are disabled in your desktop’s settings."));
    }

    void switchingAlertsOffHidesTheirOptions()
    {
        start({ProviderID::codex});
        m_view->alertsSwitch()->click();
        QTRY_VERIFY(m_alerts->notificationsEnabled());
        QVERIFY(m_view->alertOptions()->isVisible());
        // The options' texts line up with the texts of the row above them.
        const auto textLeft = [this](const QString &text) {
            for (const QLabel *label : m_view->findChildren<QLabel *>()) {
                if (label->text() == text)
                    return label->mapTo(m_view.get(), QPoint(0, 0)).x();
            }
            return -1;
        };
        QTRY_COMPARE(textLeft(QStringLiteral("Usage pace")), textLeft(QStringLiteral("Usage Alerts")));
        QVERIFY(textLeft(QStringLiteral("Usage pace")) > 0);
        m_alerts->setLowAllowanceEnabled(false);
        m_view->alertsSwitch()->click();
        QVERIFY(!m_view->alertOptions()->isVisible());
        QCOMPARE(m_fixture->store.boolValue(QLatin1String(UsageNotificationManager::lowAllowanceKey)), false);
        QCOMPARE(m_fixture->store.boolValue(QLatin1String(UsageNotificationManager::rapidUsageKey)), std::nullopt);
    }

    void framerWindowClosedUnsignedFails()
    {
        m_loads->answers.insert(ProviderID::framer, [] {
            return ProviderAllowance::failure(ProviderID::framer, QStringLiteral("Requires connection"), ConnectionState::needsConnection);
        });
        start({ProviderID::framer});
        m_view->connectButton(ProviderID::framer)->click();
        QTRY_COMPARE(m_monitor->connectionAttemptState(ProviderID::framer), Attempt::failed);
        // Leaving the window reads Framer again, as leaving it from the popover does.
        QTRY_COMPARE(m_loads->calls, QList<AccountID>{ProviderID::framer});
        QCOMPARE(m_monitor->connectionAttemptState(ProviderID::framer), Attempt::failed);
    }

    void framerConnectWhileItsWindowIsOpenJoinsIt()
    {
        m_holdSignIn = true;
        m_framerConnects = true;
        start({ProviderID::framer});
        QPushButton *connect = m_view->connectButton(ProviderID::framer);
        connect->click();
        connect->click();
        QCOMPARE(m_signIns, QList<ProviderID>{ProviderID::framer});
        QTest::qWait(50);
        QCOMPARE(m_monitor->connectionAttemptState(ProviderID::framer), Attempt::connecting);
        m_loads->release();
        QTRY_COMPARE(m_monitor->connectionAttemptState(ProviderID::framer), Attempt::idle);
        QVERIFY(!m_view->lastAlert());
    }

    void launchAtLoginThatCannotBeWrittenStaysOff()
    {
        start({ProviderID::codex});
        // A file where the autostart folder should be.
        QDir().mkpath(m_fixture->directory.filePath(QStringLiteral("xdg")));
        QFile blocker(m_fixture->directory.filePath(QStringLiteral("xdg/autostart")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        m_view->launchAtLoginSwitch()->click();
        QVERIFY(!m_view->launchAtLoginSwitch()->isChecked());
        QCOMPARE(m_view->lastAlert()->title, QStringLiteral("Allow Quelta to Launch at Login"));
    }
};

QTEST_MAIN(SettingsViewTest)
#include "SettingsViewTest.moc"
