#pragma once

#include "core/AccountID.h"
#include "history/HistorySample.h"

#include <QTimeZone>
#include <QWidget>

#include <array>

class QComboBox;
class QLabel;
class QVBoxLayout;

namespace quelta {

class AllowanceMonitor;
class HistoryRecorder;
class LimitChart;
class UsageHeatmap;

// The "Quelta History" window: for one account and the last 7, 30 or 90 days, each limit as a
// chart, a calendar of daily peaks and the windows that ran out. Made when opened and deleted
// when closed, so that an idle tray holds none of it; it follows the record and the accounts
// while open.
class HistoryWindow final : public QWidget
{
    Q_OBJECT
public:
    static constexpr std::array periodDays{7, 30, 90};

    HistoryWindow(AllowanceMonitor &monitor, HistoryRecorder &history, QTimeZone zone = QTimeZone::systemTimeZone(), QWidget *parent = nullptr);

    QComboBox *accountPicker() const { return m_accounts; }
    QComboBox *periodPicker() const { return m_period; }
    QList<LimitChart *> charts() const;
    UsageHeatmap *heatmap() const { return m_heatmap; }
    QStringList ranOutTexts() const;
    void showAccount(const AccountID &account);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void listAccounts();
    void reload();
    AccountID account() const;
    QWidget *makeLimits(const QList<HistorySample> &samples, const QDateTime &from, const QDateTime &now);
    QWidget *makeRanOut(const QList<HistorySample> &samples, const QDateTime &from, const QDateTime &now);

    AllowanceMonitor &m_monitor;
    HistoryRecorder &m_history;
    QTimeZone m_zone;
    QComboBox *m_accounts;
    QComboBox *m_period;
    QVBoxLayout *m_sections;
    QWidget *m_body = nullptr;
    UsageHeatmap *m_heatmap = nullptr;
};

} // namespace quelta
