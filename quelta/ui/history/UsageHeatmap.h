#pragma once

#include <QDate>
#include <QMap>
#include <QWidget>

namespace quelta {

// A calendar of the period's days, a week to a column and Monday at the top, each day tinted by
// the highest share any limit reached on it; a used-up day is red. Pointing at a day tells its peak.
class UsageHeatmap final : public QWidget
{
    Q_OBJECT
public:
    UsageHeatmap(QMap<QDate, int> peaks, QDate firstDay, QDate lastDay, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    // The day under `position`, if any of the period's.
    std::optional<QDate> dayAt(const QPoint &position) const;
    // "Tue 10 Nov: peak 80 %", or "… no record".
    QString dayText(QDate day) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool event(QEvent *event) override;

private:
    QRectF cell(QDate day) const;
    QDate firstMonday() const;

    QMap<QDate, int> m_peaks;
    QDate m_firstDay;
    QDate m_lastDay;
};

} // namespace quelta
