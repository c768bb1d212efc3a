#pragma once

#include <QMargins>
#include <QWidget>

class QVBoxLayout;

namespace quelta {

// Rows on a faint tint of the primary colour, rounded: a section of settings or of the history.
class TintedCard final : public QWidget
{
    Q_OBJECT
public:
    explicit TintedCard(QWidget *parent, QMargins margins = {}, int spacing = 0);

    QVBoxLayout *rows() const;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace quelta
