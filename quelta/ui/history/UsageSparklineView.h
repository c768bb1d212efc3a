#pragma once

#include "history/UsageSparkline.h"

#include <QWidget>

namespace quelta {

// A limit's current window in a row's bar slot: the window before it faint behind, the line so
// far in the bar's colour, and a tick where the window resets. Hidden from screen readers: the
// row describes it in words.
class UsageSparklineView final : public QWidget
{
    Q_OBJECT
public:
    explicit UsageSparklineView(QWidget *parent = nullptr);

    void setSparkline(const UsageSparkline &sparkline);
    const UsageSparkline &sparkline() const { return m_sparkline; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    UsageSparkline m_sparkline;
};

} // namespace quelta
