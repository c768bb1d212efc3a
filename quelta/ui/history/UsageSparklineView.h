#pragma once

#include "core/AllowancePercentageStyle.h"
#include "history/UsageSparkline.h"

#include <QWidget>

namespace quelta {

// A limit's current window in a row's bar slot: the window before it faint behind, the line so
// far, and a tick where the window resets. It shows the share the row's bar shows, used or
// remaining, and is named for screen readers with the same in words.
class UsageSparklineView final : public QWidget
{
    Q_OBJECT
public:
    explicit UsageSparklineView(QWidget *parent = nullptr);

    void setSparkline(const UsageSparkline &sparkline, AllowancePercentageStyle style);
    const UsageSparkline &sparkline() const { return m_sparkline; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    UsageSparkline m_sparkline;
    AllowancePercentageStyle m_style = AllowancePercentageStyle::used;
};

} // namespace quelta
