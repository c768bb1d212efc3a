#include "MonitorTestSupport.h"
#include "TestFixture.h"

#include "core/AllowanceStore.h"
#include "history/HistoryRecorder.h"
#include "ui/history/HistoryWindow.h"
#include "ui/history/LimitChart.h"
#include "ui/history/UsageHeatmap.h"
#include "ui/popover/AllowanceBar.h"
#include "ui/popover/ContentView.h"
#include "ui/popover/ProviderRow.h"

#include <QApplication>
#include <QComboBox>
#include <QPointer>
#include <QTest>
#include <QTranslator>

using namespace quelta;

namespace {

constexpr qint64 hour = 3600;
constexpr qint64 day = 24 * hour;

} // namespace

// The popover rows' sparklines and the history window, offscreen, over a record kept in the fixture.
class HistoryViewsTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::Fixture> m_fixture;
    std::unique_ptr<test::ScriptedLoads> m_loads;
    std::unique_ptr<AllowanceMonitor> m_monitor;
    std::unique_ptr<HistoryRecorder> m_history;

    QDateTime now() const { return m_fixture->clock.now(); }

    HistorySample sample(const QString &provider, const QString &limit, qint64 fromNow, int used, qint64 resetFromNow, qint64 window) const
    {
        static const QHash<QString, QString> names{{QStringLiteral("five_hour"), QStringLiteral("5-hour limit")},
                                                   {QStringLiteral("weekly-all-models"), QStringLiteral("Weekly · all models")},
                                                   {QStringLiteral("main"), QStringLiteral("Weekly limit")}};
        return {now().addSecs(fromNow), {provider, QString(), limit}, names.value(limit), used, now().addSecs(resetFromNow), window};
    }

    // Claude, the one provider shown, is three days into its weekly window, 62 % used; ChatGPT
    // has a record from three weeks ago.
    void start()
    {
        ProviderAllowance claude = test::connectedAllowance(ProviderID::claudeCode, 38);
        claude.limits[0].resetsAt = now().addSecs(4 * day);
        claude.limits[0].windowDuration = 7 * day;
        m_loads->answers.insert(ProviderID::claudeCode, [claude] { return claude; });
        allowanceStore::saveEnabledProviders(m_fixture->store, {ProviderID::claudeCode});
        allowanceStore::saveAuthorizedProviders(m_fixture->store, {ProviderID::claudeCode});
        m_monitor = std::make_unique<AllowanceMonitor>(m_fixture->store, m_fixture->clock,
                                                       AllowanceMonitor::Dependencies{.connectors = m_loads->loader(), .isSubstituteLoader = true});
        m_history = std::make_unique<HistoryRecorder>(*m_monitor, m_fixture->store, m_fixture->home(QStringLiteral("history.sqlite")));
        QVERIFY(m_history->store().import({sample(QStringLiteral("claudeCode"), QStringLiteral("weekly-all-models"), -7 * day, 48, -3 * day, 7 * day),
                                           sample(QStringLiteral("codex"), QStringLiteral("main"), -20 * day, 40, -19 * day, 7 * day)}));
        // A five-hour window used up yesterday, reset an hour later.
        const qint64 reset = -day + hour;
        const QString provider = QStringLiteral("claudeCode");
        const QString fiveHour = QStringLiteral("five_hour");
        for (const HistorySample &recorded :
             {sample(provider, fiveHour, -day - 2 * hour, 90, reset, 5 * hour), sample(provider, fiveHour, -day, 100, reset, 5 * hour),
              sample(provider, fiveHour, -day + 2 * hour, 3, reset + 5 * hour, 5 * hour)})
            QVERIFY(m_history->store().record({recorded}));
        m_monitor->refresh(false);
        QTRY_VERIFY(!m_monitor->isRefreshing());
    }

    static ProviderRow *claudeRow(const ContentView &view)
    {
        for (ProviderRow *row : view.rows()) {
            if (row->account() == AccountID(ProviderID::claudeCode))
                return row;
        }
        return nullptr;
    }

    // English's plural forms, as the program speaks it.
    QTranslator m_english;

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_english.load(QStringLiteral(":/i18n/quelta_en.qm")));
        QVERIFY(QCoreApplication::installTranslator(&m_english));
    }

    void init()
    {
        m_fixture = std::make_unique<test::Fixture>();
        m_loads = std::make_unique<test::ScriptedLoads>();
    }

    void cleanup()
    {
        m_history.reset();
        m_monitor.reset();
    }

    void aRowShowsItsSparklineOnHoverOrKeyboardFocus_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("shown");
        QTest::newRow("hovered") << QStringLiteral("hover") << true;
        QTest::newRow("reached by Tab") << QStringLiteral("tab") << true;
        QTest::newRow("left alone") << QStringLiteral("none") << false;
    }
    void aRowShowsItsSparklineOnHoverOrKeyboardFocus()
    {
        QFETCH(QString, how);
        QFETCH(bool, shown);
        start();
        ContentView view(*m_monitor, nullptr, m_history.get());
        ProviderRow *row = claudeRow(view);
        QVERIFY(row);
        // The record is read when the popover shows, not while the tray is idle.
        QVERIFY(row->accessibleDescription().isEmpty());
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QCOMPARE(row->accessibleDescription(), QStringLiteral("Used 62 % in 3 days; last week 48 % at this point"));
        // A row with a sparkline is reached by Tab, before the footer.
        QCOMPARE(view.controls().constFirst(), row);
        QCOMPARE(view.controls().size(), 3);
        if (how == QLatin1String("hover")) {
            QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), row->mapToGlobal(QPointF(5, 5)));
            QApplication::sendEvent(row, &enter);
        } else if (how == QLatin1String("tab")) {
            view.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&view));
            view.controls().constLast()->setFocus(Qt::OtherFocusReason);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), row);
        }
        QCOMPARE(row->showsSparkline(), shown);
        QCOMPARE(row->bar()->isVisible(), !shown);
    }

    void aRowWithoutHistoryKeepsItsBar()
    {
        start();
        ContentView view(*m_monitor, nullptr);
        view.show();
        ProviderRow *row = claudeRow(view);
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), row->mapToGlobal(QPointF(5, 5)));
        QApplication::sendEvent(row, &enter);
        QVERIFY(!row->showsSparkline());
        QVERIFY(row->accessibleDescription().isEmpty());
        QVERIFY(!view.controls().contains(row));
    }

    void theWindowShowsTheChosenAccountAndPeriod_data()
    {
        QTest::addColumn<ProviderID>("provider");
        QTest::addColumn<int>("days");
        QTest::addColumn<QStringList>("charts");
        QTest::addColumn<QStringList>("ranOut");
        QTest::addColumn<QString>("calendar");
        QTest::newRow("Claude, a week")
            << ProviderID::claudeCode << 7 << QStringList{QStringLiteral("Weekly · all models"), QStringLiteral("5-hour limit")}
            << QStringList{QStringLiteral("Ran out Sat 28 Feb, 12:00 · reset 1 hour later")} << QStringLiteral("Highest on Sat 28 Feb: peak 100 %");
        QTest::newRow("ChatGPT, a week") << ProviderID::codex << 7 << QStringList{} << QStringList{} << QStringLiteral("No record in this period");
        QTest::newRow("ChatGPT, a month") << ProviderID::codex << 30 << QStringList{QStringLiteral("Weekly limit")} << QStringList{}
                                          << QStringLiteral("Highest on Mon 9 Feb: peak 40 %");
    }
    void theWindowShowsTheChosenAccountAndPeriod()
    {
        QFETCH(ProviderID, provider);
        QFETCH(int, days);
        QFETCH(QStringList, charts);
        QFETCH(QStringList, ranOut);
        QFETCH(QString, calendar);
        start();
        HistoryWindow window(*m_monitor, *m_history, QTimeZone(0));
        window.showAccount(provider);
        window.periodPicker()->setCurrentIndex(window.periodPicker()->findData(days));
        QStringList names;
        for (const LimitChart *chart : window.charts()) {
            names.append(chart->accessibleName());
            QVERIFY(!chart->lines().isEmpty());
        }
        QCOMPARE(names, charts);
        QCOMPARE(window.ranOutTexts(), ranOut);
        QCOMPARE(window.heatmap()->accessibleDescription(), calendar);
    }

    void theWindowFollowsTheRecord()
    {
        start();
        HistoryWindow window(*m_monitor, *m_history, QTimeZone(0));
        window.showAccount(ProviderID::codex);
        QVERIFY(window.charts().isEmpty());
        QVERIFY(m_history->clear());
        window.showAccount(ProviderID::claudeCode);
        QVERIFY(window.charts().isEmpty());
        m_fixture->clock.advance(std::chrono::hours(2));
        m_monitor->refresh(false);
        QTRY_COMPARE(window.charts().size(), 1);
    }

    // An account found while the window is open is offered; the one shown stays chosen until it is gone.
    void theWindowFollowsTheAccounts()
    {
        start();
        HistoryWindow window(*m_monitor, *m_history, QTimeZone(0));
        window.showAccount(ProviderID::codex);
        const AccountID work(ProviderID::codex, QStringLiteral("work"));
        m_monitor->setAccounts(defaultAccounts() << work);
        QVERIFY(window.accountPicker()->findText(QStringLiteral("ChatGPT · work")) >= 0);
        QCOMPARE(window.accountPicker()->currentText(), QStringLiteral("ChatGPT"));
        m_monitor->setAccounts({ProviderID::claudeCode, work});
        QCOMPARE(window.accountPicker()->currentText(), QStringLiteral("Claude"));
        QCOMPARE(window.charts().size(), 2);
    }

    // Tab goes between the two choices, each named for screen readers; Escape closes the window,
    // which deletes it.
    void keyboardAndScreenReaders()
    {
        start();
        QPointer<HistoryWindow> window = new HistoryWindow(*m_monitor, *m_history, QTimeZone(0));
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.data()));
        QStringList visited;
        for (int step = 0; step < 3; ++step) {
            visited.append(QApplication::focusWidget()->accessibleName());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(visited, (QStringList{QStringLiteral("Account"), QStringLiteral("Period"), QStringLiteral("Account")}));
        QCOMPARE(window->heatmap()->accessibleName(), QStringLiteral("Daily peak use"));
        QCOMPARE(window->charts().constFirst()->accessibleName(), QStringLiteral("Weekly · all models"));
        QCOMPARE(window->charts().constFirst()->accessibleDescription(), QStringLiteral("Peak 62 % in the last 7 days · now 62 %"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QTRY_VERIFY(!window);
    }
};

QTEST_MAIN(HistoryViewsTest)
#include "HistoryViewsTest.moc"
