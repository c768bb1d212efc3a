#include "HistoryScreenshots.h"

#include "MonitorTestSupport.h"
#include "TestFixture.h"

#include "core/AllowanceStore.h"
#include "history/HistoryRecorder.h"
#include "ui/history/HistoryWindow.h"
#include "ui/popover/ContentView.h"
#include "ui/popover/PopoverWindow.h"
#include "ui/popover/ProviderRow.h"

#include <QApplication>
#include <QComboBox>
#include <QEnterEvent>
#include <QScrollArea>
#include <QTest>

#include <cmath>
#include <cstdio>

using namespace quelta;

namespace {

constexpr qint64 hour = 3600;
constexpr qint64 day = 24 * hour;
constexpr qint64 week = 7 * day;

// Five weeks of a working person's use of Claude: weekdays from 9 to 19, a weekly window that
// resets every seven days (the current one three days in), and 5-hour windows from the first use
// after the last one ended. Answers the weekly figure now.
int recordMadeUpUse(HistoryStore &store, const QDateTime &now)
{
    const QDateTime weeklyReset = now.addSecs(4 * day);
    QDateTime currentWeek;
    double weekly = 0;
    std::optional<QDateTime> fiveHourReset;
    double fiveHour = 0;
    for (QDateTime t = now.addSecs(-5 * week); t <= now; t = t.addSecs(hour / 2)) {
        const QDateTime reset = weeklyReset.addSecs(-week * ((t.secsTo(weeklyReset) - 1) / week));
        if (reset != currentWeek) {
            currentWeek = reset;
            weekly = 0;
        }
        if (fiveHourReset && t >= *fiveHourReset)
            fiveHourReset.reset();
        const int dayIndex = int(now.addSecs(-5 * week).daysTo(t));
        const bool working = t.date().dayOfWeek() <= 5 && t.time().hour() >= 9 && t.time().hour() < 19;
        if (working) {
            const double rate = 0.8 + 0.55 * std::sin(dayIndex * 1.7);
            if (!fiveHourReset) {
                fiveHourReset = t.addSecs(5 * hour);
                fiveHour = 0;
            }
            weekly = std::min(100.0, weekly + rate);
            fiveHour = std::min(100.0, fiveHour + rate * 9);
        }
        QList<HistorySample> samples{{t, {QStringLiteral("claudeCode"), QString(), QStringLiteral("weekly-all-models")},
                                      QStringLiteral("Weekly · all models"), int(weekly), reset, week}};
        if (fiveHourReset)
            samples.append({t, {QStringLiteral("claudeCode"), QString(), QStringLiteral("five_hour")}, QStringLiteral("5-hour limit"),
                            int(fiveHour), *fiveHourReset, 5 * hour});
        store.record(samples);
    }
    return int(weekly);
}

void save(QWidget &widget, const QString &path)
{
    widget.grab().save(path);
    std::printf("%s\n", qPrintable(path));
}

} // namespace

void renderHistory(const QString &folder, const QString &scheme)
{
    test::Fixture fixture;
    test::ScriptedLoads loads;
    const AccountSet all{ProviderID::framer, ProviderID::codex, ProviderID::claudeCode};
    allowanceStore::saveAuthorizedProviders(fixture.store, all);
    for (const AccountID &id : all)
        loads.answers.insert(id, [id] { return test::connectedAllowance(id.provider, 64); });
    AllowanceMonitor monitor(fixture.store, fixture.clock, AllowanceMonitor::Dependencies{.connectors = loads.loader(), .isSubstituteLoader = true});
    HistoryRecorder history(monitor, fixture.store, fixture.home(QStringLiteral("history.sqlite")));
    const QDateTime now = fixture.clock.now();
    const int weekly = recordMadeUpUse(history.store(), now.addSecs(-60));
    ProviderAllowance claude = test::connectedAllowance(ProviderID::claudeCode, 100 - weekly);
    claude.limits[0].resetsAt = now.addSecs(4 * day - 60);
    claude.limits[0].windowDuration = week;
    claude.detail = QStringLiteral("Resets in 3d 23h");
    claude.limits[0].detail = claude.detail;
    loads.answers.insert(ProviderID::claudeCode, [claude] { return claude; });
    monitor.refresh(false);
    QTest::qWait(100);

    {
        auto *content = new ContentView(monitor, nullptr, &history);
        PopoverWindow popover(content, PopoverWindow::Mode::popup);
        popover.show();
        QTest::qWait(200);
        ProviderRow *row = content->rows().constLast();
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), row->mapToGlobal(QPointF(5, 5)));
        QApplication::sendEvent(row, &enter);
        // The subtitle's cross-fade runs its course.
        QTest::qWait(300);
        save(popover, QStringLiteral("%1/popover-sparkline-%2.png").arg(folder, scheme));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(row, &leave);
        popover.activateWindow();
        static_cast<void>(QTest::qWaitForWindowActive(&popover));
        row->setFocus(Qt::TabFocusReason);
        QTest::qWait(300);
        save(popover, QStringLiteral("%1/popover-sparkline-keyboard-focus-%2.png").arg(folder, scheme));
        std::printf("  %s\n", qPrintable(row->accessibleDescription()));
    }

    HistoryWindow window(monitor, history, QTimeZone(0));
    window.showAccount(ProviderID::claudeCode);
    window.show();
    QTest::qWait(200);
    save(window, QStringLiteral("%1/history-window-%2.png").arg(folder, scheme));
    QWidget *content = window.findChild<QScrollArea *>()->widget();
    for (const int days : HistoryWindow::periodDays) {
        window.periodPicker()->setCurrentIndex(window.periodPicker()->findData(days));
        QTest::qWait(50);
        content->resize(content->width(), content->sizeHint().height());
        save(*content, QStringLiteral("%1/history-window-%2-days-%3-whole.png").arg(folder).arg(days).arg(scheme));
    }
    // ChatGPT's record is the one refresh just now.
    window.showAccount(ProviderID::codex);
    QTest::qWait(50);
    save(window, QStringLiteral("%1/history-window-just-begun-%2.png").arg(folder, scheme));
    loads.release();
}
