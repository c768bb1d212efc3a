#pragma once

#include <QDate>
#include <QList>
#include <QPointF>
#include <QWidget>

namespace quelta {

// One limit over the chosen period: its use as a stepped line ending in a dot at the latest
// figure, over faint gridlines at 0, 50 and 100 %, the period's first day under its left end and
// "Today" under its right.
class LimitChart final : public QWidget
{
    Q_OBJECT
public:
    LimitChart(QList<QList<QPointF>> lines, QDate firstDay, QWidget *parent = nullptr);

    const QList<QList<QPointF>> &lines() const { return m_lines; }
    QSize sizeHint() const override { return {480, 112}; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<QList<QPointF>> m_lines;
    QDate m_firstDay;
};

} // namespace quelta
