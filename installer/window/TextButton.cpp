#include "TextButton.h"

#include "InstallerStyle.h"

#include <QPainter>

namespace installer {

namespace {

constexpr int capsulePadding = 24;
constexpr int capsuleHeight = 36;

} // namespace

TextButton::TextButton(const QString &text, Kind kind, QWidget *parent)
    : QAbstractButton(parent)
    , m_kind(kind)
{
    setText(text);
    setAccessibleName(text);
    setCursor(Qt::PointingHandCursor);
    QFont font = m_kind == Kind::capsule ? style::textFont(14, true) : style::textFont(13);
    font.setUnderline(m_kind == Kind::link);
    setFont(font);
    setFixedSize(sizeHint());
}

QSize TextButton::sizeHint() const
{
    const QSize text = fontMetrics().size(Qt::TextSingleLine, this->text());
    if (m_kind == Kind::link)
        return text + QSize(8, 8);
    return {text.width() + 2 * capsulePadding, capsuleHeight};
}

void TextButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setOpacity(isDown() ? style::pressedOpacity : 1.0);
    if (m_kind == Kind::capsule) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        painter.drawRoundedRect(QRectF(rect()), height() / 2.0, height() / 2.0);
        painter.setPen(Qt::black);
    } else {
        painter.setPen(style::white(0.85));
    }
    painter.drawText(rect(), Qt::AlignCenter, text());
    if (hasFocus()) {
        painter.setPen(QPen(style::accentColor(), 2));
        painter.setBrush(Qt::NoBrush);
        const qreal radius = m_kind == Kind::capsule ? height() / 2.0 : 4.0;
        painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), radius, radius);
    }
}

} // namespace installer
