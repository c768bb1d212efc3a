#include "TrayIcon.h"

#include "artwork/Symbols.h"

#include <QIconEngine>
#include <QPainter>

namespace quelta {

namespace {

const QString markSymbol = QStringLiteral("quelta.mark");

class TrayIconEngine final : public QIconEngine
{
public:
    TrayIconEngine(QColor color, QString themeName)
        : m_color(std::move(color))
        , m_themeName(std::move(themeName))
    {
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode, QIcon::State) override { return draw(size, 1.0); }

    QPixmap scaledPixmap(const QSize &size, QIcon::Mode, QIcon::State, qreal scale) override { return draw(size, scale); }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode, QIcon::State) override
    {
        // Square and centred: trays hand out slots that are not always square.
        const qreal scale = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        const int side = std::min(rect.width(), rect.height());
        QRect square(0, 0, side, side);
        square.moveCenter(rect.center());
        painter->drawPixmap(square, draw(square.size(), scale));
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        return {QSize(16, 16), QSize(22, 22), QSize(24, 24), QSize(32, 32), QSize(48, 48), QSize(64, 64)};
    }

    QString iconName() override { return m_themeName; }
    QString key() const override { return QStringLiteral("quelta.tray"); }
    QIconEngine *clone() const override { return new TrayIconEngine(m_color, m_themeName); }

private:
    QPixmap draw(const QSize &size, qreal scale) const
    {
        // Square and whole pixels at the scale drawn, so that strokes land on the pixel grid.
        const int side = std::min(size.width(), size.height());
        return symbolPixmap(markSymbol, m_color, side, scale);
    }

    QColor m_color;
    QString m_themeName;
};

} // namespace

QColor trayMarkColor(const QColor &panel)
{
    // Perceived lightness (Rec. 709 weights) rather than HSL lightness: a saturated blue panel is dark.
    const qreal luminance = 0.2126 * panel.redF() + 0.7152 * panel.greenF() + 0.0722 * panel.blueF();
    return luminance > 0.5 ? QColor(0x1d, 0x1d, 0x1f) : QColor(0xf5, 0xf5, 0xf7);
}

QIcon trayIconFor(const QColor &panel)
{
    const QString name = QLatin1String(symbolicIconName);
    return QIcon(new TrayIconEngine(trayMarkColor(panel), QIcon::hasThemeIcon(name) ? name : QString()));
}

} // namespace quelta
