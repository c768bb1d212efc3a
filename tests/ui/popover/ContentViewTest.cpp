#include "HostileTexts.h"
#include "MonitorTestSupport.h"
#include "TestFixture.h"

#include "artwork/DesignColors.h"
#include "core/AllowanceStore.h"
#include "ui/popover/AllowanceBar.h"
#include "ui/popover/ConnectButton.h"
#include "ui/popover/ContentView.h"
#include "ui/popover/FooterButton.h"
#include "ui/popover/PopoverWindow.h"
#include "ui/popover/ProviderRow.h"
#include "ui/popover/RowScrollArea.h"
#include "ui/widgets/FadingLabel.h"

#include <QApplication>
#include <QFontDatabase>
#include <QLabel>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTextDocument>

using namespace quelta;

Q_DECLARE_METATYPE(AllowancePercentageStyle)
Q_DECLARE_METATYPE(PopoverWindow::Mode)

// The popover's content, offscreen, against a monitor in chosen states.
class ContentViewTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::Fixture> m_fixture;
    std::unique_ptr<test::ScriptedLoads> m_loads;
    std::unique_ptr<AllowanceMonitor> m_monitor;
    std::unique_ptr<ContentView> m_view;
    QFont m_defaultFont;

    void start(const AccountSet &connected)
    {
        allowanceStore::saveAuthorizedProviders(m_fixture->store, connected);
        m_monitor = std::make_unique<AllowanceMonitor>(m_fixture->store, m_fixture->clock,
                                                       AllowanceMonitor::Dependencies{.connectors = m_loads->loader(), .isSubstituteLoader = true});
        m_view = std::make_unique<ContentView>(*m_monitor, nullptr);
        m_view->show();
    }

    void answer(ProviderID id, const ProviderAllowance &allowance)
    {
        m_loads->answers.insert(id, [allowance] { return allowance; });
    }

    void refreshed()
    {
        m_monitor->refresh(false);
        QTRY_VERIFY(!m_monitor->isRefreshing());
    }

    ProviderRow *row(ProviderID id, const ContentView *view = nullptr) const
    {
        for (ProviderRow *candidate : (view ? view : m_view.get())->rows()) {
            if (candidate->account() == AccountID(id))
                return candidate;
        }
        return nullptr;
    }

    static ProviderAllowance limited(ProviderID id, int value, AllowancePercentageStyle style)
    {
        ProviderAllowance allowance = test::connectedAllowance(id, value);
        allowance.percentageStyle = style;
        return allowance;
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_defaultFont = QApplication::font();
    }

    void init()
    {
        m_fixture = std::make_unique<test::Fixture>();
        m_loads = std::make_unique<test::ScriptedLoads>();
    }

    void cleanup()
    {
        m_view.reset();
        m_monitor.reset();
        QApplication::setFont(m_defaultFont);
    }

    // A provider's name, detail and limit name show as written: no label or tooltip reads them
    // as rich text.
    void outsideTextShowsAsWritten_data() { test::addHostileTextRows(); }

    void outsideTextShowsAsWritten()
    {
        QFETCH(QString, hostile);
        start({ProviderID::codex});
        ProviderAllowance allowance = test::connectedAllowance(ProviderID::codex, 60);
        allowance.name = hostile;
        allowance.detail = hostile;
        allowance.limits[0].name = hostile;
        answer(ProviderID::codex, allowance);
        refreshed();
        const ProviderRow *providerRow = row(ProviderID::codex);
        QCOMPARE(providerRow->subtitleText(), hostile);
        for (const QLabel *label : providerRow->findChildren<QLabel *>())
            QCOMPARE(label->textFormat(), Qt::PlainText);
        // As QToolTip shows it: rich text when it looks like rich text.
        QTextDocument tooltip;
        const QString tip = providerRow->toolTip();
        Qt::mightBeRichText(tip) ? tooltip.setHtml(tip) : tooltip.setPlainText(tip);
        QCOMPARE(tooltip.toPlainText().simplified(), hostile.simplified());
    }

    void loadingKeepsTheOldBar()
    {
        start({ProviderID::codex});
        answer(ProviderID::codex, test::connectedAllowance(ProviderID::codex, 40));
        refreshed();
        QCOMPARE(row(ProviderID::codex)->percentageText(), QStringLiteral("40%"));
        ProviderAllowance loading = test::connectedAllowance(ProviderID::codex, 40);
        loading.connectionState = ConnectionState::loading;
        answer(ProviderID::codex, loading);
        refreshed();
        QCOMPARE(row(ProviderID::codex)->percentageText(), QStringLiteral("…"));
        QCOMPARE(row(ProviderID::codex)->bar()->value(), 40);
    }

    void noFigureShowsAnEmptyTrack()
    {
        start({ProviderID::codex});
        ProviderAllowance bare = test::connectedAllowance(ProviderID::codex, 0);
        bare.remaining.reset();
        answer(ProviderID::codex, bare);
        refreshed();
        const AllowanceBar *bar = row(ProviderID::codex)->bar();
        QCOMPARE(row(ProviderID::codex)->percentageText(), QStringLiteral("—"));
        QCOMPARE(bar->fillWidth(), 0.0);
        QCOMPARE(bar->accessibleName(), QStringLiteral("Allowance not available"));
    }

    void barWidthAndColour_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<AllowancePercentageStyle>("style");
        QTest::addColumn<double>("fill");
        QTest::addColumn<QString>("tone");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("used 95") << 95 << AllowancePercentageStyle::used << 53.2 << "red" << "95 percent used";
        QTest::newRow("used 80") << 80 << AllowancePercentageStyle::used << 44.8 << "orange" << "80 percent used";
        QTest::newRow("remaining 26") << 26 << AllowancePercentageStyle::remaining << 14.56 << "primary" << "26 percent remaining";
        QTest::newRow("remaining -5") << -5 << AllowancePercentageStyle::remaining << 0.0 << "red" << "0 percent remaining";
        QTest::newRow("remaining 140") << 140 << AllowancePercentageStyle::remaining << 56.0 << "primary" << "100 percent remaining";
    }

    void barWidthAndColour()
    {
        QFETCH(int, value);
        QFETCH(AllowancePercentageStyle, style);
        QFETCH(double, fill);
        QFETCH(QString, tone);
        QFETCH(QString, spoken);
        start({ProviderID::codex});
        answer(ProviderID::codex, limited(ProviderID::codex, value, style));
        refreshed();
        const AllowanceBar *bar = row(ProviderID::codex)->bar();
        QCOMPARE(bar->width(), 56);
        QVERIFY2(qAbs(bar->fillWidth() - fill) < 0.01, qPrintable(QString::number(bar->fillWidth())));
        const QPalette palette = bar->palette();
        const QColor expected = tone == QLatin1String("red")      ? designColors::systemRed(palette)
                              : tone == QLatin1String("orange") ? designColors::systemOrange(palette)
                                                                : designColors::withOpacity(designColors::primary(palette), 0.82);
        QCOMPARE(bar->fillColor(), expected);
        QCOMPARE(bar->accessibleName(), spoken);
    }

    void hoverCaptions_data()
    {
        QTest::addColumn<ProviderID>("id");
        QTest::addColumn<QString>("limitName");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("caption");
        QTest::newRow("five hours") << ProviderID::codex << "5-hour limit" << "60%" << "5-hour limit";
        QTest::newRow("weekly") << ProviderID::claudeCode << "Weekly limit (all models)" << "60%" << "Weekly limit";
        QTest::newRow("daily") << ProviderID::codex << "Daily limit" << "60%" << "Daily limit";
        QTest::newRow("credits 12,500") << ProviderID::framer << "Credits left" << "12,500" << "12.5k credits left";
        QTest::newRow("credits 850") << ProviderID::framer << "Credits left" << "850" << "850 credits left";
        QTest::newRow("credits 3,000") << ProviderID::framer << "Credits left" << "3,000" << "3k credits left";
    }

    void hoverCaptions()
    {
        QFETCH(ProviderID, id);
        QFETCH(QString, limitName);
        QFETCH(QString, value);
        QFETCH(QString, caption);
        start({id});
        ProviderAllowance allowance = test::connectedAllowance(id, 60);
        allowance.limits[0].name = limitName;
        allowance.limits[0].value = value;
        if (id == ProviderID::framer)
            allowance.limits[0].id = QStringLiteral("credits-left");
        answer(id, allowance);
        refreshed();
        ProviderRow *providerRow = row(id);
        const QString detail = providerRow->subtitleText();
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QApplication::sendEvent(providerRow, &enter);
        QCOMPARE(providerRow->subtitleText(), caption);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(providerRow, &leave);
        QCOMPARE(providerRow->subtitleText(), detail);
        QCOMPARE(providerRow->toolTip(), caption);
    }

    void aLimitAtRiskAddsItsForecastToTheCaption()
    {
        start({ProviderID::codex});
        ProviderAllowance allowance = test::connectedAllowance(ProviderID::codex, 90);
        allowance.limits[0].name = QStringLiteral("5-hour limit");
        allowance.limits[0].resetsAt = m_fixture->clock.now().addSecs(9000);
        allowance.limits[0].windowDuration = 18000;
        ProviderLimit weekly = allowance.limits[0];
        weekly.id = QStringLiteral("weekly");
        weekly.name = QStringLiteral("Weekly limit");
        weekly.percentage = 40;
        // Half the week gone and 60 % used: empty in 2d 8h, 1d 4h before the reset.
        weekly.resetsAt = m_fixture->clock.now().addSecs(302400);
        weekly.windowDuration = 604800;
        allowance.limits.append(weekly);
        answer(ProviderID::codex, allowance);
        refreshed();

        ProviderRow *providerRow = row(ProviderID::codex);
        const QString caption = QStringLiteral("Weekly limit · At this pace it runs out in 2d 8h, 1d 4h before it resets.");
        QCOMPARE(providerRow->subtitleText(), QStringLiteral("Resets in 2h 0m"));
        QCOMPARE(providerRow->toolTip(), caption);
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QApplication::sendEvent(providerRow, &enter);
        QCOMPARE(providerRow->subtitleText(), caption);

        // Back on pace, the caption names the displayed limit again.
        allowance.limits[1].percentage = 80;
        answer(ProviderID::codex, allowance);
        refreshed();
        QCOMPARE(providerRow->subtitleText(), QStringLiteral("5-hour limit"));
    }

    void connectButtonFollowsTheAttempt()
    {
        start({ProviderID::claudeCode});
        answer(ProviderID::claudeCode, test::connectedAllowance(ProviderID::claudeCode, 60));
        refreshed();
        ProviderRow *codex = row(ProviderID::codex);
        QVERIFY(codex->showsConnectButton());
        QSignalSpy asked(m_view.get(), &ContentView::connectRequested);
        codex->connectButton()->click();
        QCOMPARE(asked.size(), 1);
        QCOMPARE(asked.at(0).at(0).value<ProviderID>(), ProviderID::codex);

        m_monitor->beginConnecting(ProviderID::codex);
        QCOMPARE(codex->connectButton()->text(), QStringLiteral("Connecting"));
        QVERIFY(!codex->connectButton()->isEnabled());
        QCOMPARE(codex->subtitleText(), QStringLiteral("Complete sign-in in your browser"));

        // A failed attempt keeps the button, even for a connected provider.
        m_monitor->beginConnecting(ProviderID::claudeCode);
        m_monitor->finishConnecting(ProviderID::claudeCode, false);
        ProviderRow *claude = row(ProviderID::claudeCode);
        QVERIFY(claude->showsConnectButton());
        QCOMPARE(claude->connectButton()->text(), QStringLiteral("Connect"));
        QVERIFY(claude->connectButton()->isEnabled());
        QCOMPARE(claude->subtitleText(), QStringLiteral("Couldn’t connect · Try again"));
    }

    void rowsChangeTheReportedHeight()
    {
        start({});
        PopoverWindow popover(m_view.release(), PopoverWindow::Mode::popup);
        popover.show();
        QTRY_VERIFY(popover.height() > 0);
        const int threeRows = popover.height();
        QSignalSpy reported(popover.content(), &ContentView::contentHeightChanged);
        m_monitor->setProvider(ProviderID::framer, false);
        QTRY_VERIFY(!reported.isEmpty());
        QTRY_VERIFY(popover.height() < threeRows);
        m_monitor->setProvider(ProviderID::framer, true);
        QTRY_COMPARE(popover.height(), threeRows);
    }

    void controlRRefreshesLikeTheButton()
    {
        start({ProviderID::codex});
        answer(ProviderID::codex, test::connectedAllowance(ProviderID::codex, 60));
        m_loads->holds = true;
        m_view->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_view.get()));
        QTest::keyClick(m_view.get(), Qt::Key_R, Qt::ControlModifier);
        QVERIFY(m_monitor->isShowingManualRefresh());
        QVERIFY(m_view->refreshButton()->isBusy());
        QCOMPARE(m_loads->calls, QList<AccountID>{ProviderID::codex});
        m_loads->release();
        QTRY_VERIFY(!m_monitor->isRefreshing());
        m_loads->holds = false;
        m_fixture->clock.advance(std::chrono::minutes(1));
        m_view->refreshButton()->click();
        QTRY_VERIFY(!m_monitor->isRefreshing());
        QCOMPARE(m_loads->calls.size(), 2);
        QCOMPARE(m_view->refreshButton()->text(), QStringLiteral("Updated just now"));
    }

    void closing_data()
    {
        QTest::addColumn<PopoverWindow::Mode>("mode");
        QTest::addColumn<bool>("byEscape");
        QTest::addColumn<bool>("closes");
        QTest::newRow("popup, Escape") << PopoverWindow::Mode::popup << true << true;
        QTest::newRow("popup, another window takes the focus") << PopoverWindow::Mode::popup << false << true;
        QTest::newRow("window, another window takes the focus") << PopoverWindow::Mode::window << false << false;
    }

    // The popover takes the focus when it opens, and a popup closes on Escape and when the focus
    // leaves it, as where it cannot grab the pointer no outside click would close it.
    void closing()
    {
        QFETCH(PopoverWindow::Mode, mode);
        QFETCH(bool, byEscape);
        QFETCH(bool, closes);
        start({});
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        PopoverWindow popover(m_view.release(), mode);
        popover.showAt({}, {});
        QTRY_COMPARE(QGuiApplication::focusWindow(), popover.windowHandle());
        QVERIFY(popover.isAncestorOf(QApplication::focusWidget()));
        if (byEscape) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        } else {
            other.activateWindow();
            QTRY_COMPARE(QGuiApplication::focusWindow(), other.windowHandle());
        }
        QCOMPARE(popover.isVisible(), !closes);
    }

    void pressesOutsideAreReported_data()
    {
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<QPoint>("offset");
        QTest::addColumn<bool>("outside");
        QTest::newRow("right click outside") << Qt::RightButton << QPoint(-20, 5) << true;
        QTest::newRow("left click outside") << Qt::LeftButton << QPoint(-20, 5) << true;
        QTest::newRow("right click inside") << Qt::RightButton << QPoint(2, 2) << false;
    }

    // The press that closes the popup reaches nothing else: whoever owns the spot must hear of it.
    void pressesOutsideAreReported()
    {
        QFETCH(Qt::MouseButton, button);
        QFETCH(QPoint, offset);
        QFETCH(bool, outside);
        start({});
        PopoverWindow popover(m_view.release(), PopoverWindow::Mode::popup);
        popover.showAt({}, {});
        QVERIFY(QTest::qWaitForWindowExposed(&popover));
        QSignalSpy pressed(&popover, &PopoverWindow::pressedOutside);
        QTest::mousePress(popover.windowHandle(), button, {}, offset);
        QCOMPARE(popover.isVisible(), !outside);
        QCOMPARE(pressed.size(), outside ? 1 : 0);
        if (outside) {
            QCOMPARE(pressed.first().at(0).toPoint(), popover.mapToGlobal(offset));
            QCOMPARE(pressed.first().at(1).value<Qt::MouseButton>(), button);
        }
    }

    void tabTakesTheRowsThenTheFooter_data()
    {
        QTest::addColumn<AccountSet>("connected");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("two to connect") << AccountSet{ProviderID::claudeCode}
                                        << QStringList{"Connect Framer", "Connect ChatGPT", "Refresh allowances", "Settings"};
        QTest::newRow("all connected") << AccountSet{ProviderID::framer, ProviderID::codex, ProviderID::claudeCode}
                                       << QStringList{"Refresh allowances", "Settings"};
    }

    // Opening puts focus on the first control; Tab then visits every action once, in reading order.
    void tabTakesTheRowsThenTheFooter()
    {
        QFETCH(AccountSet, connected);
        QFETCH(QStringList, order);
        for (const AccountID &id : connected)
            answer(id.provider, test::connectedAllowance(id.provider, 60));
        start(connected);
        refreshed();
        PopoverWindow popover(m_view.release(), PopoverWindow::Mode::window);
        popover.showAt({}, {});
        QVERIFY(QTest::qWaitForWindowActive(&popover));
        QStringList visited;
        for (int step = 0; step < order.size(); ++step) {
            QWidget *focused = QApplication::focusWidget();
            QVERIFY(focused);
            visited.append(focused->accessibleName());
            QTest::keyClick(focused, Qt::Key_Tab);
        }
        QCOMPARE(visited, order);
        QCOMPARE(QApplication::focusWidget()->accessibleName(), order.first());
    }

    void stateTextsWrapAndThePopoverFollows_data()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("state");
        for (const char *family : {"DejaVu Sans", "Cantarell", "Noto Sans"}) {
            for (const char *state : {"connecting", "failed", "stale", "unavailable"})
                QTest::addRow("%s, %s", family, state) << QString::fromLatin1(family) << QString::fromLatin1(state);
        }
    }

    // The desktop's own sans is wider than the design's: a state text that does not fit wraps,
    // and the row and the popover grow to show all of it.
    void stateTextsWrapAndThePopoverFollows()
    {
        QFETCH(QString, family);
        QFETCH(QString, state);
        if (!QFontDatabase::families().contains(family))
            QSKIP("font not installed; scripts/bootstrap installs it");
        QApplication::setFont(QFont(family));
        if (state == QLatin1String("stale")) {
            AccountSnapshots snapshots;
            snapshots.insert(ProviderID::codex, allowanceStore::makeSnapshot(test::connectedAllowance(ProviderID::codex, 47),
                                                                             m_fixture->clock.now().addSecs(-3600)));
            allowanceStore::persistSnapshots(m_fixture->store, snapshots);
        }
        answer(ProviderID::codex, state == QLatin1String("unavailable")
                   ? ProviderAllowance::failure(ProviderID::codex, QStringLiteral("Allowance unavailable"), ConnectionState::unavailable)
                   : test::connectedAllowance(ProviderID::codex, 47));
        start({ProviderID::codex});
        if (state == QLatin1String("connecting"))
            m_monitor->beginConnecting(ProviderID::codex);
        if (state == QLatin1String("failed")) {
            m_monitor->beginConnecting(ProviderID::codex);
            m_monitor->finishConnecting(ProviderID::codex, false);
        }
        if (state == QLatin1String("unavailable"))
            refreshed();
        PopoverWindow popover(m_view.release(), PopoverWindow::Mode::popup);
        popover.show();
        QVERIFY(QTest::qWaitForWindowExposed(&popover));

        const FadingLabel *subtitle = row(ProviderID::codex, popover.content())->subtitleLabel();
        const QString text = subtitle->text();
        QVERIFY2(text != QLatin1String("Requires connection"), qPrintable(text));
        const QFontMetrics metrics(subtitle->font());
        const int needed = metrics.boundingRect(QRect(0, 0, subtitle->width(), 1000), Qt::TextWordWrap, text).height();
        QTRY_VERIFY2(subtitle->height() >= needed, qPrintable(QStringLiteral("%1: %2 of %3 px").arg(text).arg(subtitle->height()).arg(needed)));
        const QRect shown(subtitle->mapTo(&popover, QPoint(0, 0)), subtitle->size());
        QVERIFY(popover.rect().contains(shown));
        QTRY_COMPARE(popover.height(), popover.content()->neededHeight());
        QCOMPARE(popover.content()->height(), popover.height());
    }

    void severalAccountsGroupAndScroll_data()
    {
        QTest::addColumn<int>("screenHeight");
        QTest::addColumn<bool>("scrolls");
        QTest::newRow("tall screen") << 1200 << false;
        QTest::newRow("short screen") << 220 << true;
    }

    // One row per tracked account, grouped by provider; held to a short screen, the rows scroll
    // and the footer stays.
    void severalAccountsGroupAndScroll()
    {
        QFETCH(int, screenHeight);
        QFETCH(bool, scrolls);
        const QList<AccountID> accounts{ProviderID::framer, ProviderID::codex, AccountID(ProviderID::codex, QStringLiteral("weekend-side-projects")),
                                        ProviderID::claudeCode, AccountID(ProviderID::claudeCode, QStringLiteral("work"))};
        allowanceStore::saveEnabledProviders(m_fixture->store, AccountSet(accounts.begin(), accounts.end()));
        m_monitor = std::make_unique<AllowanceMonitor>(
            m_fixture->store, m_fixture->clock,
            AllowanceMonitor::Dependencies{.connectors = m_loads->loader(), .isSubstituteLoader = true, .accounts = {accounts.crbegin(), accounts.crend()}});
        PopoverWindow popover(new ContentView(*m_monitor, nullptr), PopoverWindow::Mode::popup);
        popover.showAt({}, QPoint(400, 10));
        QVERIFY(QTest::qWaitForWindowExposed(&popover));

        popover.content()->setHeightLimit(popoverHeightLimit(QRect(0, 0, 800, screenHeight)));
        const int needed = popover.content()->neededHeight();
        QTRY_COMPARE(popover.height(), scrolls ? screenHeight - 8 : needed);
        const QScrollBar *bar = popover.content()->rowArea()->verticalScrollBar();
        QTRY_COMPARE(bar->maximum() > 0 && bar->isVisible(), scrolls);

        QStringList names;
        for (const ProviderRow *row : popover.content()->rows()) {
            names << displayName(row->account());
            // The popover widens for a long name rather than cut it short, scroll bar or not.
            const QList<QLabel *> labels = row->findChildren<QLabel *>();
            const auto name = std::ranges::find(labels, names.last(), &QLabel::text);
            QVERIFY(name != labels.end());
            QTRY_VERIFY2((*name)->width() >= (*name)->sizeHint().width(), qPrintable(names.last()));
            QVERIFY(row->width() <= popover.content()->rowArea()->viewport()->width());
        }
        QCOMPARE(names, (QStringList{QStringLiteral("Framer"), QStringLiteral("ChatGPT"), QStringLiteral("ChatGPT · weekend-side-projects"),
                                     QStringLiteral("Claude"), QStringLiteral("Claude · work")}));
        const QWidget *refresh = popover.content()->refreshButton();
        QVERIFY(popover.rect().contains(QRect(refresh->mapTo(&popover, QPoint(0, 0)), refresh->size())));
    }

    void heightRule_data()
    {
        QTest::addColumn<qreal>("reported");
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("next");
        QTest::newRow("no height") << 0.0 << 200 << -1;
        QTest::newRow("rounded up") << 231.2 << 200 << 232;
        QTest::newRow("already there") << 231.9 << 232 << -1;
    }

    void heightRule()
    {
        QFETCH(qreal, reported);
        QFETCH(int, current);
        QFETCH(int, next);
        QCOMPARE(popoverHeightFor(reported, current).value_or(-1), next);
    }
};

QTEST_MAIN(ContentViewTest)
#include "ContentViewTest.moc"
