#include "OnboardingStyle.h"

#include "artwork/PixelFont.h"
#include "ui/widgets/Spinner.h"

#include "artwork/Symbols.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace quelta {

namespace {

QColor white(qreal opacity)
{
    QColor colour(Qt::white);
    colour.setAlphaF(opacity);
    return colour;
}

QColor tileColour(ProviderID id)
{
    switch (id) {
    case ProviderID::codex:
        return QColor(0x1f, 0x8a, 0x70);
    case ProviderID::claudeCode:
        return QColor(0xc8, 0x6a, 0x3e);
    case ProviderID::framer:
        break;
    }
    return QColor(0x4b, 0x4f, 0xd8);
}

} // namespace

QFont geist(int pixelSize, QFont::Weight weight, qreal tracking)
{
    QFont font = pixelFont(QFont(QStringLiteral("Geist")), pixelSize, weight);
    font.setLetterSpacing(QFont::AbsoluteSpacing, tracking);
    return font;
}

QPixmap softened(const QPixmap &pixmap, qreal radius)
{
    if (radius < 0.5 || pixmap.isNull())
        return pixmap;
    const qreal factor = 1.0 / (1.0 + radius / 1.5);
    const QSize small = (QSizeF(pixmap.size()) * factor).toSize().expandedTo(QSize(1, 1));
    QPixmap result = pixmap.scaled(small, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                         .scaled(pixmap.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    result.setDevicePixelRatio(pixmap.devicePixelRatio());
    return result;
}

QPixmap providerAppIcon(ProviderID id, int size, qreal devicePixelRatio)
{
    QPixmap pixmap(QSize(size, size) * devicePixelRatio);
    pixmap.fill(Qt::transparent);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath tile;
    tile.addRoundedRect(QRectF(0, 0, size, size), size * 0.23, size * 0.23);
    painter.fillPath(tile, tileColour(id));
    const qreal mark = size * 0.56;
    const QPixmap glyph = symbolPixmap(QStringLiteral("asset.") + assetName(id), Qt::white, mark, devicePixelRatio);
    painter.drawPixmap(QRectF((size - mark) / 2, (size - mark) / 2, mark, mark), glyph, glyph.rect());
    return pixmap;
}

QPixmap queltaAppIcon(int size, qreal devicePixelRatio)
{
    QPixmap pixmap = applicationIcon().pixmap(QSize(size, size), devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

namespace {
constexpr int padding = 22;
constexpr int markSize = 11;
}

WelcomeButton::WelcomeButton(const QString &text, QWidget *parent)
    : StyledButton(parent)
    , m_spinner(new Spinner(markSize, this))
{
    setText(text);
    setFont(geist(14, QFont::Medium, -0.28));
    setFixedHeight(40);
    m_spinner->setColor(Qt::black);
    m_spinner->move(padding, (40 - markSize) / 2);
    m_spinner->hide();
}

void WelcomeButton::setBusy(bool busy)
{
    m_busy = busy;
    m_spinner->setVisible(busy);
    updateGeometry();
    update();
}

void WelcomeButton::setSpinnerTurns(bool turns)
{
    m_spinner->setTurning(turns);
}

void WelcomeButton::setDone(bool done)
{
    m_done = done;
    updateGeometry();
    update();
}

QSize WelcomeButton::sizeHint() const
{
    const int mark = (m_busy || m_done) ? markSize + 7 : 0;
    return {int(std::ceil(QFontMetricsF(font()).horizontalAdvance(text()))) + mark + 2 * padding + 1, 40};
}

void WelcomeButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    applyPressScale(painter, 0.975);
    const qreal opacity = (1.0 - 0.12 * hoverAmount()) * (1 - pressAmount()) + 0.72 * pressAmount();
    painter.setOpacity(isEnabled() ? 1.0 : 0.5);
    QPainterPath capsule;
    capsule.addRoundedRect(QRectF(rect()), height() / 2.0, height() / 2.0);
    painter.fillPath(capsule, white(opacity));
    painter.setPen(Qt::black);
    QRectF label = QRectF(rect()).adjusted(padding, 0, -padding, 0);
    if (m_busy || m_done) {
        // The spinner, a widget of its own, sits in the same place as the check mark.
        if (m_done) {
            const QPixmap check = symbolPixmap(QStringLiteral("checkmark"), Qt::black, markSize, devicePixelRatioF());
            painter.drawPixmap(QRectF(label.left(), (height() - markSize) / 2.0, markSize, markSize), check, check.rect());
        }
        label.setLeft(label.left() + markSize + 7);
    }
    painter.setPen(Qt::black);
    painter.drawText(label, Qt::AlignCenter, text());
    paintFocusRing(painter, capsule);
}

QuietButton::QuietButton(const QString &text, QWidget *parent)
    : StyledButton(parent)
{
    setText(text);
    setFont(geist(13, QFont::Normal, -0.13));
    setFixedHeight(28);
}

QSize QuietButton::sizeHint() const
{
    return {int(std::ceil(QFontMetricsF(font()).horizontalAdvance(text()))) + 21, 28};
}

void QuietButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const qreal opacity = (0.46 + (0.68 - 0.46) * hoverAmount()) * (1 - pressAmount()) + 0.42 * pressAmount();
    painter.setOpacity(isEnabled() ? 1.0 : 0.5);
    painter.setPen(white(opacity));
    painter.drawText(rect(), Qt::AlignCenter, text());
    QPainterPath outline;
    outline.addRoundedRect(QRectF(rect()), 8, 8);
    paintFocusRing(painter, outline);
}

ProviderCard::ProviderCard(ProviderID id, QWidget *parent)
    : StyledButton(parent)
    , m_provider(id)
{
    setFixedSize(132, 132);
    setCheckable(true);
    setAccessibleName(displayName(id));
}

void ProviderCard::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    applyPressScale(painter, 0.975);
    const qreal hover = hoverAmount();
    const qreal press = pressAmount();
    const qreal rest = isChecked() ? 0.1 : 0.045;
    const qreal hovered = isChecked() ? 0.12 : 0.07;
    const qreal pressed = isChecked() ? 0.14 : 0.09;
    const qreal fill = (rest + (hovered - rest) * hover) * (1 - press) + pressed * press;
    const qreal stroke = isChecked() ? 0.24 + 0.06 * hover : 0.08 + 0.08 * hover;
    QPainterPath card;
    card.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 16, 16);
    painter.fillPath(card, white(fill));
    painter.setPen(QPen(white(stroke), 1));
    painter.drawPath(card);

    const QPixmap icon = providerAppIcon(m_provider, 50, devicePixelRatioF());
    const QFont name = geist(15, QFont::Medium, -0.3);
    const qreal textHeight = QFontMetricsF(name).height();
    const qreal top = (height() - (50 + 10 + textHeight)) / 2;
    painter.setOpacity(isChecked() ? 1.0 : 0.56);
    painter.drawPixmap(QRectF((width() - 50) / 2.0, top, 50, 50), icon, icon.rect());
    painter.setOpacity(1.0);
    painter.setFont(name);
    painter.setPen(white(isChecked() ? 1.0 : 0.68));
    painter.drawText(QRectF(0, top + 60, width(), textHeight), Qt::AlignHCenter | Qt::AlignTop, displayName(m_provider));

    const QRectF mark(width() - 12 - 18, 12, 18, 18);
    if (isChecked()) {
        painter.setBrush(Qt::white);
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(mark);
        const QPixmap check = symbolPixmap(QStringLiteral("checkmark"), Qt::black, 9, devicePixelRatioF());
        painter.drawPixmap(QRectF(mark.center() - QPointF(4.5, 4.5), QSizeF(9, 9)), check, check.rect());
    } else {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(white(0.18), 1));
        painter.drawEllipse(mark.adjusted(0.5, 0.5, -0.5, -0.5));
    }
    paintFocusRing(painter, card);
}

} // namespace quelta
