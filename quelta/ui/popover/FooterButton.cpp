#include "FooterButton.h"

#include "ui/widgets/Spinner.h"

#include "artwork/DesignColors.h"
#include "artwork/PixelFont.h"
#include "artwork/Symbols.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace quelta {

namespace {
constexpr int buttonHeight = 28;
constexpr int padding = 6;
constexpr int iconFrame = 12;
constexpr int spacing = 6;

// The text, painted in the button's label colour of the moment.
class ButtonLabel final : public QLabel
{
public:
    explicit ButtonLabel(FooterButton *button)
        : QLabel(button)
        , m_button(button)
    {
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setPen(m_button->labelColor());
        painter.drawText(rect(), Qt::AlignVCenter | Qt::AlignLeft, text());
    }

private:
    FooterButton *m_button;
};
}

FooterButton::FooterButton(const QString &symbol, qreal symbolSize, QWidget *parent)
    : StyledButton(parent)
    , m_symbol(symbol)
    , m_symbolSize(symbolSize)
    , m_spinner(new Spinner(10, this))
    , m_label(new ButtonLabel(this))
{
    setFont(pixelFont(font(), 11));
    m_spinner->hide();
    m_label->setFont(font());
    m_label->setTextFormat(Qt::PlainText);
    m_label->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_label->hide();
}

void FooterButton::setLabel(const QString &text)
{
    if (text == this->text())
        return;
    setText(text);
    m_label->setText(text);
    m_label->setVisible(!text.isEmpty());
    updateGeometry();
    placeLabel();
}

void FooterButton::placeLabel()
{
    m_label->setGeometry(padding + iconFrame + spacing, 0, std::max(0, width() - padding - iconFrame - spacing - padding), buttonHeight);
}

void FooterButton::setBusy(bool busy)
{
    if (m_busy == busy)
        return;
    m_busy = busy;
    m_spinner->setVisible(busy);
    update();
}

QSize FooterButton::sizeHint() const
{
    if (text().isEmpty())
        return {buttonHeight, buttonHeight};
    // Rounded up, so that the text never needs eliding at its own size.
    const int textWidth = int(std::ceil(QFontMetricsF(font()).horizontalAdvance(text()))) + 1;
    return {padding + iconFrame + spacing + textWidth + padding, buttonHeight};
}

void FooterButton::resizeEvent(QResizeEvent *event)
{
    StyledButton::resizeEvent(event);
    placeLabel();
    const int x = text().isEmpty() ? (width() - m_spinner->width()) / 2 : padding + (iconFrame - m_spinner->width()) / 2;
    m_spinner->move(x, (buttonHeight - m_spinner->height()) / 2);
}

QColor FooterButton::labelColor() const
{
    const double opacity = 0.55 + (0.82 - 0.55) * hoverAmount();
    return designColors::withOpacity(designColors::primary(palette()), opacity);
}

void FooterButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    applyPressScale(painter, 0.96);

    QPainterPath shape;
    shape.addRoundedRect(QRectF(rect()), 7, 7);
    const double backgroundOpacity = std::max(0.1 * hoverAmount(), 0.18 * pressAmount());
    if (backgroundOpacity > 0)
        painter.fillPath(shape, designColors::withOpacity(designColors::primary(palette()), backgroundOpacity));
    paintFocusRing(painter, shape);

    const QColor colour = labelColor();
    m_spinner->setColor(colour);
    const bool iconOnly = text().isEmpty();
    const QRectF iconRect = iconOnly ? QRectF(0, 0, width(), buttonHeight) : QRectF(padding, (buttonHeight - iconFrame) / 2.0, iconFrame, iconFrame);
    if (!m_busy) {
        const QPixmap icon = symbolPixmap(m_symbol, colour, m_symbolSize, devicePixelRatioF());
        const QSizeF size(m_symbolSize, m_symbolSize);
        painter.drawPixmap(QRectF(iconRect.center() - QPointF(size.width() / 2, size.height() / 2), size), icon, icon.rect());
    }
}

} // namespace quelta
