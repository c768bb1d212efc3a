#pragma once

#include "core/AllowancePercentageStyle.h"

#include <QWidget>

#include <optional>

namespace quelta {

// A capsule track across the width, with a capsule fill from the leading edge for the share
// shown, coloured by how much remains. Screen readers see a progress bar from 0 to 100 whose
// value is the share shown.
class AllowanceBar final : public QWidget
{
    Q_OBJECT
public:
    explicit AllowanceBar(int barHeight, QWidget *parent = nullptr);

    void setValue(std::optional<int> value, AllowancePercentageStyle style);
    std::optional<int> value() const { return m_value; }
    // The percentage the fill shows, 0 to 100; 0 when there is none.
    int shownPercentage() const;
    // The fill's width and colour as last painted.
    qreal fillWidth() const;
    QColor fillColor() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::optional<int> m_value;
    AllowancePercentageStyle m_style = AllowancePercentageStyle::remaining;
};

} // namespace quelta
