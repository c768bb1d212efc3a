#include "ProviderIconTile.h"

#include "artwork/DesignColors.h"
#include "artwork/Symbols.h"

#include <QPainter>
#include <QPainterPath>

namespace quelta {

void paintProviderIconTile(QPainter &painter, const QRectF &tile, ProviderID id, const QString &assetName, const QPalette &palette,
                           qreal devicePixelRatio)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    shape.addRoundedRect(tile, 8, 8);
    const QColor primary = designColors::primary(palette);
    painter.fillPath(shape, designColors::withOpacity(primary, 0.08));
    const QString asset = QStringLiteral("asset.") + assetName;
    if (hasSymbol(asset)) {
        // Framer's mark sits a little smaller in its tile.
        const qreal markSize = id == ProviderID::framer ? 15.04 : 16.0;
        const QPixmap mark = symbolPixmap(asset, designColors::withOpacity(primary, 0.72), markSize, devicePixelRatio);
        const QSizeF size(markSize, markSize);
        painter.drawPixmap(QRectF(tile.center() - QPointF(markSize / 2, markSize / 2), size), mark, mark.rect());
    }
    painter.restore();
}

ProviderIconTile::ProviderIconTile(QWidget *parent)
    : QWidget(parent)
{
    setFixedSize(28, 28);
}

void ProviderIconTile::setProvider(ProviderID id, const QString &assetName)
{
    m_id = id;
    m_assetName = assetName;
    update();
}

void ProviderIconTile::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintProviderIconTile(painter, QRectF(rect()), m_id, m_assetName, palette(), devicePixelRatioF());
}

} // namespace quelta
