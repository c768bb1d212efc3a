#pragma once

#include <QScrollArea>

namespace quelta {

// The popover's rows: as tall as they need, so that the popover grows with them, and scrolled
// once the popover is held to the screen's height.
class RowScrollArea final : public QScrollArea
{
    Q_OBJECT
public:
    explicit RowScrollArea(QWidget *rows, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace quelta
