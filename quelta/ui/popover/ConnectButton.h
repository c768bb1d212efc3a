#pragma once

#include "ui/widgets/StyledButton.h"

namespace quelta {

class Spinner;

// A row's Connect button: "Connect", or a spinner and "Connecting" while the attempt runs (and
// then disabled), in the window-background colour on a primary-coloured rounded rectangle.
class ConnectButton final : public StyledButton
{
    Q_OBJECT
public:
    explicit ConnectButton(QWidget *parent = nullptr);

    void setConnecting(bool connecting);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QRectF labelRect() const;

    Spinner *m_spinner;
    bool m_connecting = false;
};

} // namespace quelta
