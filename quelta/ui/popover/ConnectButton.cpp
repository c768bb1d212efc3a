#include "ConnectButton.h"

#include "ui/widgets/Spinner.h"

#include "artwork/DesignColors.h"
#include "artwork/PixelFont.h"
#include "platform/Quelta.h"

#include <QPainter>
#include <QPainterPath>

namespace quelta {

namespace {
constexpr int minimumButtonWidth = 58;
constexpr int buttonHeight = 28;
constexpr int padding = 6;
constexpr int spinnerSize = 10;
constexpr int spacing = 5;
}

ConnectButton::ConnectButton(QWidget *parent)
    : StyledButton(parent)
    , m_spinner(new Spinner(spinnerSize, this))
{
    setFont(pixelFont(font(), 12, QFont::DemiBold));
    setText(Quelta::tr("Connect"));
    m_spinner->hide();
}

void ConnectButton::setConnecting(bool connecting)
{
    m_connecting = connecting;
    setText(connecting ? Quelta::tr("Connecting") : Quelta::tr("Connect"));
    setEnabled(!connecting);
    m_spinner->setVisible(connecting);
    updateGeometry();
    update();
}

QSize ConnectButton::sizeHint() const
{
    const int label = fontMetrics().horizontalAdvance(text()) + (m_connecting ? spinnerSize + spacing : 0);
    return {std::max(minimumButtonWidth, label + 2 * padding), buttonHeight};
}

QRectF ConnectButton::labelRect() const
{
    const qreal label = fontMetrics().horizontalAdvance(text()) + (m_connecting ? spinnerSize + spacing : 0);
    return QRectF((width() - label) / 2.0, 0, label, buttonHeight);
}

void ConnectButton::resizeEvent(QResizeEvent *event)
{
    StyledButton::resizeEvent(event);
    m_spinner->move(int(labelRect().left()), (buttonHeight - spinnerSize) / 2);
}

void ConnectButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    applyPressScale(painter, 0.97);

    // 0.9 at rest, 1.0 hovered, 0.72 pressed.
    const double opacity = (0.9 + 0.1 * hoverAmount()) * (1 - pressAmount()) + 0.72 * pressAmount();
    QPainterPath shape;
    shape.addRoundedRect(QRectF(rect()), 8, 8);
    painter.fillPath(shape, designColors::withOpacity(designColors::primary(palette()), opacity));

    const QColor labelColour = designColors::windowBackground(palette());
    m_spinner->setColor(labelColour);
    painter.setPen(labelColour);
    QRectF textRect = labelRect();
    if (m_connecting)
        textRect.setLeft(textRect.left() + spinnerSize + spacing);
    painter.drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft, text());
    paintFocusRing(painter, shape);
}

} // namespace quelta
