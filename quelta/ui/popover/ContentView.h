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
class HistoryRecorder;
class ProviderRow;

// The popover's content: a row per visible provider, then the refresh button carrying the
// status line and the settings button. A pure view of the monitor; it reports its height, taller
// where a subtitle wraps, so that its owner can size the popover to fit. Tab and screen readers
// take the rows first, then the footer.
class ContentView final : public QWidget
{
    Q_OBJECT
public:
    static constexpr int width = 312;

    // `analytics` may be absent (nothing is tracked then); so may `history` (no sparklines then).
    ContentView(AllowanceMonitor &monitor, AnalyticsManager *analytics, HistoryRecorder *history = nullptr, QWidget *parent = nullptr);

    QList<ProviderRow *> rows() const;
    // What Tab reaches, in reading order: the rows with a sparkline and the rows' Connect
    // buttons, Refresh, then Settings.
    QList<QWidget *> controls() const;
    // The height everything needs at the fixed width.
    int neededHeight() const;
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
    FooterButton *m_refresh;
    FooterButton *m_settings;
    // Ages such as "Updated 5m ago" move on while the popover is open; nothing runs while closed.
    QTimer m_statusClock;
    int m_reportedHeight = 0;
};

} // namespace quelta
