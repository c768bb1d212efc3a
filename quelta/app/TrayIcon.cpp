#include "TrayIcon.h"

#include "TrayFigureArt.h"

#include "artwork/Contrast.h"
#include "artwork/DesignColorValues.h"
#include "artwork/Symbols.h"

#include <QIconEngine>
#include <QPainter>

#include <algorithm>

namespace quelta {

namespace {

const QString markSymbol = QStringLiteral("quelta.mark");
const QColor lightInk(0xf5, 0xf5, 0xf7);
const QColor darkInk(0x1d, 0x1d, 0x1f);

// The colours of one icon; the outline, where there is one, surrounds everything drawn. The
// ground is what the figure's bar shows through its track: the panel, or the outline on one unknown.
struct TrayInks {
    QColor mark;
    QColor orange;
    QColor red;
    QColor ground;
    std::optional<QColor> outline;
};

QColor toneColor(BarTone tone, const TrayInks &inks)
{
    switch (tone) {
    case BarTone::red: return inks.red;
    case BarTone::orange: return inks.orange;
    case BarTone::primary: return inks.mark;
    }
    return inks.mark;
}

TrayInks inksFor(const std::optional<QColor> &panel, const std::optional<TrayFigure> &figure)
{
    using namespace designColors;
    const QColor orange(QRgb(systemOrangeValue(Scheme::dark)));
    // Unknown panels get a light mark in a dark outline: light on dark bars, outlined on light ones.
    if (!panel)
        return {lightInk, orange, QColor(QRgb(systemRedValue(Scheme::dark))), darkInk, darkInk};
    const QColor mark = trayMarkColor(*panel);
    const Scheme scheme = mark == lightInk ? Scheme::dark : Scheme::light;
    TrayInks inks{mark, orange, QColor(QRgb(systemRedValue(scheme))), *panel, std::nullopt};
    // A tone too close to the panel (orange on a light one) takes an outline in the mark's colour.
    if (figure && contrastRatio(toneColor(figure->tone, inks), *panel) < legibleMarkContrast)
        inks.outline = mark;
    return inks;
}

TrayFigureInks figureInks(BarTone tone, const TrayInks &inks)
{
    // The track is the mark at a third over the ground, opaque so that an outline surrounds it
    // rather than shows through.
    constexpr float trackOpacity = 0.35f;
    const auto mix = [&](float ground, float mark) { return ground + (mark - ground) * trackOpacity; };
    const QColor track = QColor::fromRgbF(mix(inks.ground.redF(), inks.mark.redF()), mix(inks.ground.greenF(), inks.mark.greenF()),
                                          mix(inks.ground.blueF(), inks.mark.blueF()));
    return {toneColor(tone, inks), track};
}

// `art` on an outline of `radius` pixels around its shape, in `color`.
QImage withOutline(const QImage &art, const QColor &color, int radius)
{
    const QImage source = art.convertToFormat(QImage::Format_ARGB32);
    QImage outlined(source.size(), QImage::Format_ARGB32_Premultiplied);
    outlined.fill(Qt::transparent);
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            // The shape widened by a disc: the highest coverage within `radius`.
            int alpha = 0;
            for (int dy = -radius; dy <= radius; ++dy) {
                for (int dx = -radius; dx <= radius; ++dx) {
                    const QPoint near(x + dx, y + dy);
                    if (dx * dx + dy * dy <= radius * radius + radius && source.valid(near))
                        alpha = std::max(alpha, qAlpha(source.pixel(near)));
                }
            }
            QColor pixel = color;
            pixel.setAlpha(alpha);
            outlined.setPixel(x, y, qPremultiply(pixel.rgba()));
        }
    }
    QPainter painter(&outlined);
    painter.drawImage(0, 0, source);
    return outlined;
}

QImage markImage(int pixels, qreal scale, const QColor &color)
{
    QImage image = symbolPixmap(markSymbol, color, pixels / scale, scale).toImage();
    // In device pixels from here on, as the figure is.
    image.setDevicePixelRatio(1.0);
    return image;
}

QImage figureImage(int pixels, int margin, const TrayFigure &figure, const TrayInks &inks)
{
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paintTrayFigure(painter, pixels, margin, figure, figureInks(figure.tone, inks));
    return image;
}

class TrayIconEngine final : public QIconEngine
{
public:
    TrayIconEngine(TrayInks inks, std::optional<TrayFigure> figure, QString themeName)
        : m_inks(std::move(inks))
        , m_figure(figure)
        , m_themeName(std::move(themeName))
    {
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode, QIcon::State) override { return draw(size, 1.0); }

    // QIcon asks in device pixels.
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode, QIcon::State, qreal scale) override { return draw(size, scale); }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode, QIcon::State) override
    {
        // Square and centred: trays hand out slots that are not always square.
        const qreal scale = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        const int side = std::min(rect.width(), rect.height());
        QRect square(0, 0, side, side);
        square.moveCenter(rect.center());
        painter->drawPixmap(square, draw(square.size() * scale, scale));
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        return {QSize(16, 16), QSize(22, 22), QSize(24, 24), QSize(32, 32), QSize(48, 48), QSize(64, 64)};
    }

    QString iconName() override { return m_themeName; }
    QString key() const override { return QStringLiteral("quelta.tray"); }
    QIconEngine *clone() const override { return new TrayIconEngine(m_inks, m_figure, m_themeName); }

private:
    // `size` in device pixels.
    QPixmap draw(const QSize &size, qreal scale) const
    {
        // Square and whole device pixels, so that strokes land on the pixel grid.
        const int pixels = std::min(size.width(), size.height());
        // One logical pixel of outline, and room for it around the figure.
        const int outline = m_inks.outline ? std::max(1, qRound(scale)) : 0;
        const QImage art = m_figure ? figureImage(pixels, outline, *m_figure, m_inks) : markImage(pixels, scale, m_inks.mark);
        QPixmap pixmap = QPixmap::fromImage(m_inks.outline ? withOutline(art, *m_inks.outline, outline) : art);
        pixmap.setDevicePixelRatio(scale);
        return pixmap;
    }

    TrayInks m_inks;
    std::optional<TrayFigure> m_figure;
    QString m_themeName;
};

} // namespace

QColor trayMarkColor(const QColor &panel)
{
    // Perceived lightness (Rec. 709 weights) rather than HSL lightness: a saturated blue panel is dark.
    const qreal luminance = 0.2126 * panel.redF() + 0.7152 * panel.greenF() + 0.0722 * panel.blueF();
    return luminance > 0.5 ? darkInk : lightInk;
}

QIcon trayIconFor(std::optional<QColor> panel, std::optional<TrayFigure> figure)
{
    const QString name = QLatin1String(symbolicIconName);
    const bool named = !figure && QIcon::hasThemeIcon(name);
    return QIcon(new TrayIconEngine(inksFor(panel, figure), figure, named ? name : QString()));
}

} // namespace quelta
