#pragma once

#include "core/AccountID.h"
#include "core/ProviderAllowance.h"
#include "history/UsageSparkline.h"

#include <QTimer>
#include <QWidget>

class QVBoxLayout;

namespace quelta {

class AllowanceMonitor;
class AnalyticsManager;
class FooterButton;
class GroupDivider;
class HistoryRecorder;
class ProviderRow;
class RowScrollArea;

// The popover's content: a row per tracked account, grouped by provider, then the refresh
// button carrying the status line and the settings button. A pure view of the monitor; it reports
// its size, taller where a subtitle wraps and wider where an account's name is long, so that its
// owner can size the popover to fit; held below that height, the rows scroll. Tab and screen readers take the rows first, then the footer.
class ContentView final : public QWidget
{
    Q_OBJECT
public:
    static constexpr int width = 312;
    // As wide as a long account name needs, up to this.
    static constexpr int widestWidth = 420;

    // `analytics` may be absent (nothing is tracked then); so may `history` (no sparklines then).
    ContentView(AllowanceMonitor &monitor, AnalyticsManager *analytics, HistoryRecorder *history = nullptr, QWidget *parent = nullptr);

    QList<ProviderRow *> rows() const;
    // What Tab reaches, in reading order: the rows with a sparkline and the rows' Connect
    // buttons, Refresh, then Settings.
    QList<QWidget *> controls() const;
    // The width the rows need: the design's, or more for a long account name.
    int neededWidth() const;
    // The height everything needs at that width.
    int neededHeight() const;
    // The most the content may take (the screen's height); the rows scroll within it.
    void setHeightLimit(int limit);
    RowScrollArea *rowArea() const { return m_rowArea; }
    FooterButton *refreshButton() const { return m_refresh; }
    FooterButton *settingsButton() const { return m_settings; }

    // The refresh button's action: the analytics event, then a manual refresh.
    void refreshAllowances();

Q_SIGNALS:
    void openSettingsRequested();
    void connectRequested(const AccountID &id);
    void contentHeightChanged(qreal height);

protected:
    bool event(QEvent *event) override;
    // Tab goes through `controls()`, whatever order the widgets were made in.
    bool focusNextPrevChild(bool next) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void sync();
    void syncRows();
    void syncRow(const AccountID &id);
    void syncStatus();
    void reportHeight();
    std::optional<UsageSparkline> sparklineOf(const ProviderAllowance &provider) const;

    AllowanceMonitor &m_monitor;
    AnalyticsManager *m_analytics;
    HistoryRecorder *m_history;
    QWidget *m_rows;
    QVBoxLayout *m_rowList;
    RowScrollArea *m_rowArea;
    QList<GroupDivider *> m_dividers;
    FooterButton *m_refresh;
    FooterButton *m_settings;
    // Ages such as "Updated 5m ago" move on while the popover is open; nothing runs while closed.
    QTimer m_statusClock;
    int m_reportedHeight = 0;
    int m_heightLimit = QWIDGETSIZE_MAX;
};

} // namespace quelta
