#include "AccountChip.h"

#include "OnboardingStyle.h"

#include "artwork/Symbols.h"

#include <QPainter>
#include <QPainterPath>

namespace quelta {

namespace {

constexpr int chipHeight = 32;
constexpr int markSize = 16;
constexpr int padding = 12;

QColor white(qreal opacity)
{
    QColor colour(Qt::white);
    colour.setAlphaF(opacity);
    return colour;
}

QFont chipFont()
{
    return geist(13, QFont::Medium, -0.13);
}

} // namespace

AccountChip::AccountChip(const AccountID &account, QWidget *parent)
    : StyledButton(parent)
    , m_account(account)
{
    setCheckable(true);
    setAccessibleName(displayName(account));
    setFixedSize(sizeHint());
}

QSize AccountChip::sizeHint() const
{
    const int text = QFontMetrics(chipFont()).horizontalAdvance(displayName(m_account));
    return {padding + markSize + 8 + text + padding + 2, chipHeight};
}

void AccountChip::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    applyPressScale(painter, 0.975);
    const qreal hover = hoverAmount();
    const qreal rest = isChecked() ? 0.1 : 0.045;
    const qreal hovered = isChecked() ? 0.12 : 0.07;
    QPainterPath capsule;
    const QRectF shape = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    capsule.addRoundedRect(shape, shape.height() / 2, shape.height() / 2);
    painter.fillPath(capsule, white(rest + (hovered - rest) * hover));
    painter.setPen(QPen(white(isChecked() ? 0.24 + 0.06 * hover : 0.08 + 0.08 * hover), 1));
    painter.drawPath(capsule);

    const QRectF mark(padding, (height() - markSize) / 2.0, markSize, markSize);
    if (isChecked()) {
        painter.setBrush(Qt::white);
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(mark);
        const QPixmap check = symbolPixmap(QStringLiteral("checkmark"), Qt::black, 8, devicePixelRatioF());
        painter.drawPixmap(QRectF(mark.center() - QPointF(4, 4), QSizeF(8, 8)), check, check.rect());
    } else {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(white(0.18), 1));
        painter.drawEllipse(mark.adjusted(0.5, 0.5, -0.5, -0.5));
    }
    painter.setFont(chipFont());
    painter.setPen(white(isChecked() ? 1.0 : 0.68));
    painter.drawText(QRectF(mark.right() + 8, 0, width() - mark.right() - 8, height()), Qt::AlignLeft | Qt::AlignVCenter,
                     displayName(m_account));
    paintFocusRing(painter, capsule);
}

} // namespace quelta
