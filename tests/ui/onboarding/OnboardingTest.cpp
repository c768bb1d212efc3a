#include "MonitorTestSupport.h"
#include "TestFixture.h"
#include "WaitFor.h"

#include "commands/ProviderConnection.h"
#include "core/AllowanceStore.h"
#include "core/ProviderConnectorError.h"
#include "core/ServiceAddresses.h"
#include "ui/onboarding/AccountChip.h"
#include "ui/onboarding/OnboardingPages.h"
#include "ui/onboarding/OnboardingStyle.h"
#include "ui/onboarding/OnboardingWindow.h"
#include "ui/widgets/Spinner.h"

#include <QApplication>
#include <QLabel>

#include <QSignalSpy>
#include <QTest>

using namespace quelta;
using namespace std::chrono_literals;
using State = OnboardingConnectionState;

// The onboarding flow, offscreen, with a monitor and stand-in sign-ins on the manual clock.
class OnboardingTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::Fixture> m_fixture;
    std::unique_ptr<test::ScriptedLoads> m_loads;
    std::unique_ptr<AllowanceMonitor> m_monitor;
    std::unique_ptr<ProviderConnection> m_connection;
    std::unique_ptr<OnboardingWindow> m_window;
    QList<AccountID> m_accounts;
    QList<ProviderID> m_signIns;
    std::optional<ProviderConnectorError::Kind> m_signInFailure;
    bool m_toolInstalled = true;
    bool m_framerConnects = false;
    bool m_signInWaits = false;

    OnboardingFlow &flow() { return m_window->flow(); }
    ConnectionPage *page() { return qobject_cast<ConnectionPage *>(m_window->page()); }

    // The window at its welcome page.
    void open(const AccountSet &enabled, const AccountSet &connected = {}, bool reduceMotion = true)
    {
        allowanceStore::saveEnabledProviders(m_fixture->store, enabled);
        allowanceStore::saveAuthorizedProviders(m_fixture->store, connected);
        m_monitor = std::make_unique<AllowanceMonitor>(
            m_fixture->store, m_fixture->clock,
            AllowanceMonitor::Dependencies{.connectors = m_loads->loader(), .isSubstituteLoader = true, .accounts = m_accounts});
        if (!connected.isEmpty()) {
            m_monitor->refresh(false);
            QTRY_VERIFY(!m_monitor->isRefreshing());
        }
        OnboardingFlow::Services services;
        services.monitor = m_monitor.get();
        services.clock = &m_fixture->clock;
        m_connection = std::make_unique<ProviderConnection>(*m_monitor, [this](AccountID id) -> QCoro::Task<void> {
            m_signIns.append(id.provider);
            if (m_signInWaits)
                co_await qCoro(m_loads.get(), &test::ScriptedLoads::released);
            if (m_signInFailure)
                throw ProviderConnectorError(*m_signInFailure);
            if (id == ProviderID::framer && !m_framerConnects)
                throw ProviderConnectorError(ProviderConnectorError::Kind::connectionRequired);
            co_return;
        });
        services.connection = m_connection.get();
        services.executable = [this](ProviderID) { return m_toolInstalled ? std::optional(QStringLiteral("/bin/tool")) : std::nullopt; };
        m_window = std::make_unique<OnboardingWindow>(services, reduceMotion);
        m_window->show();
    }

    // The window at the first connection page.
    void start(const AccountSet &enabled, const AccountSet &connected = {})
    {
        open(enabled, connected);
        flow().getStarted();
        flow().continueFromProviders();
    }

    void needsConnection(ProviderID id)
    {
        m_loads->answers.insert(id, [id] { return ProviderAllowance::failure(id, QStringLiteral("Requires connection"), ConnectionState::needsConnection); });
    }

private Q_SLOTS:
    void init()
    {
        m_fixture = std::make_unique<test::Fixture>();
        m_loads = std::make_unique<test::ScriptedLoads>();
        for (ProviderID id : displayOrder)
            m_loads->answers.insert(id, [id] { return test::connectedAllowance(id, 50); });
        m_signIns.clear();
        m_signInFailure.reset();
        m_toolInstalled = true;
        m_framerConnects = false;
        m_signInWaits = false;
        m_accounts = defaultAccounts();
    }

    void cleanup()
    {
        m_window.reset();
        m_connection.reset();
        m_monitor.reset();
    }

    void welcomeStages_data()
    {
        QTest::addColumn<double>("p");
        QTest::addColumn<QList<double>>("values");
        QTest::newRow("before") << 0.0 << QList<double>{0, 0, 0, 0, 0, 0};
        QTest::newRow("icon arriving") << 0.125 << QList<double>{0.875, 0.16784, 0, 0, 0, 0};
        QTest::newRow("halfway") << 0.5 << QList<double>{1, 1, 0.37910, 0, 0, 0};
        QTest::newRow("button arriving") << 0.79 << QList<double>{1, 1, 1, 1, 1, 0.875};
        QTest::newRow("done") << 1.0 << QList<double>{1, 1, 1, 1, 1, 1};
    }

    void welcomeStages()
    {
        QFETCH(double, p);
        QFETCH(QList<double>, values);
        const WelcomeStages s = quelta::welcomeStages(p);
        const QList<double> actual{s.a, s.b, s.c, s.d, s.e, s.f};
        for (int i = 0; i < 6; ++i)
            QVERIFY2(qAbs(actual[i] - values[i]) < 0.0005, qPrintable(QStringLiteral("stage %1: %2").arg(i).arg(actual[i])));
    }

    void getStartedWaitsForItsStage()
    {
        WelcomePage welcome(m_fixture->clock, false);
        welcome.resize(500, 410);
        welcome.show();
        QSignalSpy started(&welcome, &WelcomePage::getStarted);
        m_fixture->clock.advance(120ms); // the start sequence's pause
        m_fixture->clock.advance(2400ms);
        QTest::mouseClick(welcome.getStartedButton(), Qt::LeftButton);
        QVERIFY(started.isEmpty());
        m_fixture->clock.advance(300ms);
        QTest::mouseClick(welcome.getStartedButton(), Qt::LeftButton);
        QCOMPARE(started.size(), 1);
    }

    void theOnlyProviderCannotBeDeselected()
    {
        start({ProviderID::codex});
        OnboardingFlow &f = flow();
        f.toggleProvider(ProviderID::codex);
        QVERIFY(m_monitor->enabledProviderIDs().contains(ProviderID::codex));
        f.toggleProvider(ProviderID::framer);
        f.toggleProvider(ProviderID::codex);
        QCOMPARE(m_monitor->enabledProviderIDs(), AccountSet{ProviderID::framer});
    }

    void anExistingClaudeSignInIsUsed()
    {
        start({ProviderID::claudeCode, ProviderID::codex}, {ProviderID::claudeCode});
        // Claude comes after ChatGPT in display order.
        flow().advance();
        QCOMPARE(page()->titleText(), QStringLiteral("Claude Code sign-in found"));
        QCOMPARE(page()->primaryButton()->text(), QStringLiteral("Use This Account"));
        page()->primaryButton()->click();
        QCOMPARE(flow().connectionState(), State::connected);
        m_fixture->clock.advance(849ms);
        QCOMPARE(flow().phase(), OnboardingFlow::Phase::connection);
        m_fixture->clock.advance(1ms);
        QCOMPARE(flow().phase(), OnboardingFlow::Phase::complete);
        QVERIFY(m_signIns.isEmpty());
    }

    void failedChatGptSignIn_data()
    {
        QTest::addColumn<bool>("installed");
        QTest::addColumn<QString>("message");
        QTest::newRow("Codex installed") << true << QStringLiteral("Something interrupted the connection.\nTry again when you’re ready.");
        QTest::newRow("no Codex") << false << QStringLiteral("Install Codex from %1, then try again.").arg(serviceAddresses::codexDownloadSite());
    }

    void failedChatGptSignIn()
    {
        QFETCH(bool, installed);
        QFETCH(QString, message);
        m_toolInstalled = installed;
        m_signInFailure = ProviderConnectorError::Kind::processFailed;
        needsConnection(ProviderID::codex);
        start({ProviderID::codex});
        page()->primaryButton()->click();
        QTRY_COMPARE(flow().connectionState(), State::failed);
        QCOMPARE(page()->titleText(), QStringLiteral("Couldn’t connect ChatGPT"));
        QCOMPARE(page()->primaryButton()->text(), QStringLiteral("Try again"));
        QCOMPARE(page()->messageText(), message);
        // Centred in a wider column, the wrapped message still gets all the height it needs.
        const QLabel *label = page()->messageLabel();
        const QRect needed = QFontMetrics(label->font()).boundingRect(QRect(0, 0, label->width(), 1000), Qt::TextWordWrap, message);
        QVERIFY2(label->height() >= needed.height(), qPrintable(QStringLiteral("%1 of %2 px").arg(label->height()).arg(needed.height())));
        QCOMPARE(m_monitor->connectionAttemptState(ProviderID::codex), ProviderConnectionAttemptState::failed);
    }

    void aFreeClaudeAccountIsUnsupported()
    {
        m_signInFailure = ProviderConnectorError::Kind::unsupportedPlan;
        needsConnection(ProviderID::claudeCode);
        start({ProviderID::claudeCode});
        page()->primaryButton()->click();
        QTRY_COMPARE(flow().connectionState(), State::unsupported);
        QCOMPARE(page()->titleText(), QStringLiteral("Claude Code isn’t included"));
        QCOMPARE(page()->primaryButton()->text(), QStringLiteral("Continue"));
        QVERIFY(page()->laterButton()->isHidden());
    }

    void framerWindowClosedWithoutSigningIn()
    {
        needsConnection(ProviderID::framer);
        start({ProviderID::framer});
        QCOMPARE(page()->stepText(), QStringLiteral("Step 1 of 1"));
        page()->primaryButton()->click();
        QTRY_COMPARE(flow().connectionState(), State::failed);
        QCOMPARE(page()->titleText(), QStringLiteral("Couldn’t connect Framer"));
        QCOMPARE(page()->primaryButton()->text(), QStringLiteral("Try again"));
        // Leaving the window reads Framer again, as leaving it from the popover does.
        QTRY_COMPARE(m_loads->calls, QList<AccountID>{ProviderID::framer});
    }

    // Another account found is offered beside the cards, off; turned on, it is tracked with the
    // sign-in its folder holds, and asks for no connection page of its own.
    void otherAccountsAreOfferedOff()
    {
        const AccountID work(ProviderID::claudeCode, QStringLiteral("work"));
        m_accounts.append(work);
        open({ProviderID::codex});
        flow().getStarted();
        auto *providers = qobject_cast<ProvidersPage *>(m_window->page());
        QCOMPARE(providers->accountChips().size(), 1);
        AccountChip *chip = providers->accountChips().constFirst();
        QCOMPARE(chip->accessibleName(), QStringLiteral("Claude · work"));
        QVERIFY(!chip->isSelected());
        chip->click();
        QVERIFY(chip->isSelected());
        QVERIFY(m_monitor->enabledProviderIDs().contains(work) && m_monitor->authorizedProviderIDs().contains(work));
        flow().continueFromProviders();
        QCOMPARE(flow().selectedProviders(), QList<ProviderID>{ProviderID::codex});
    }

    // The cards say "checked" as the monitor does, whatever is pressed; Tab takes them before
    // "Continue", as the eye does.
    void cardsAreCheckedAsTheMonitorSays()
    {
        open({ProviderID::codex});
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        flow().getStarted();
        auto *providers = qobject_cast<ProvidersPage *>(m_window->page());
        QVERIFY(providers);
        const QList<ProviderCard *> cards = providers->cards();
        const auto checked = [&cards] {
            QList<bool> states;
            for (ProviderCard *card : cards)
                states.append(card->isCheckable() && card->isChecked());
            return states;
        };
        QCOMPARE(checked(), (QList<bool>{false, true, false}));
        cards[1]->click(); // the only one chosen stays chosen
        QCOMPARE(checked(), (QList<bool>{false, true, false}));
        cards[0]->click();
        QCOMPARE(checked(), (QList<bool>{true, true, false}));

        QList<QWidget *> visited;
        for (int step = 0; step < 4; ++step) {
            visited.append(QApplication::focusWidget());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(visited, (QList<QWidget *>{cards[0], cards[1], cards[2], providers->continueButton()}));
    }

    void theWaitingIndicatorTurnsUnlessMotionIsReduced_data()
    {
        QTest::addColumn<bool>("reduceMotion");
        QTest::newRow("motion") << false;
        QTest::newRow("reduced motion") << true;
    }

    void theWaitingIndicatorTurnsUnlessMotionIsReduced()
    {
        QFETCH(bool, reduceMotion);
        m_signInWaits = true;
        needsConnection(ProviderID::codex);
        open({ProviderID::codex}, {}, reduceMotion);
        flow().getStarted();
        flow().continueFromProviders();
        QTRY_VERIFY(!m_window->isChangingPage());
        page()->primaryButton()->click();
        QTRY_COMPARE(m_signIns.size(), 1);
        QCOMPARE(page()->primaryButton()->text(), QStringLiteral("Waiting for Codex…"));
        QVERIFY(page()->primaryButton()->spinner()->isVisible());
        QCOMPARE(page()->primaryButton()->spinner()->isTurning(), !reduceMotion);
        m_loads->answers.insert(ProviderID::codex, [] { return test::connectedAllowance(ProviderID::codex, 50); });
        m_loads->release();
        QTRY_COMPARE(flow().connectionState(), State::connected);
        QVERIFY(!page()->primaryButton()->spinner()->isVisible());
    }

    void setUpLaterOnTheLastProviderCompletes()
    {
        start({ProviderID::framer, ProviderID::codex});
        QCOMPARE(page()->stepText(), QStringLiteral("Step 1 of 2"));
        page()->laterButton()->click();
        QCOMPARE(page()->stepText(), QStringLiteral("Step 2 of 2"));
        page()->laterButton()->click();
        QCOMPARE(flow().phase(), OnboardingFlow::Phase::complete);
        QSignalSpy completed(m_window.get(), &OnboardingWindow::completed);
        QVERIFY(qobject_cast<CompletePage *>(m_window->page()));
        qobject_cast<CompletePage *>(m_window->page())->openButton()->click();
        QCOMPARE(completed.size(), 1);
    }
};

QTEST_MAIN(OnboardingTest)
#include "OnboardingTest.moc"
