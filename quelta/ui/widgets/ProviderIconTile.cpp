#include "ProviderIconTile.h"

#include "artwork/DesignColors.h"
#include "artwork/Symbols.h"

#include <QPainter>
#include <QPainterPath>

namespace quelta {

ProviderIconTile::ProviderIconTile(QWidget *parent)
    : QWidget(parent)
{
    setFixedSize(28, 28);
}

void ProviderIconTile::setProvider(ProviderID id, const QString &assetName)
{
    m_asset = QStringLiteral("asset.") + assetName;
    // Framer's mark sits a little smaller in its tile.
    m_markSize = id == ProviderID::framer ? 15.04 : 16.0;
    update();
}

void ProviderIconTile::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath tile;
    tile.addRoundedRect(QRectF(rect()), 8, 8);
    const QColor primary = designColors::primary(palette());
    painter.fillPath(tile, designColors::withOpacity(primary, 0.08));
    if (!hasSymbol(m_asset))
        return;
    const QPixmap mark = symbolPixmap(m_asset, designColors::withOpacity(primary, 0.72), m_markSize, devicePixelRatioF());
    const QSizeF size(m_markSize, m_markSize);
    painter.drawPixmap(QRectF(QRectF(rect()).center() - QPointF(m_markSize / 2, m_markSize / 2), size), mark, mark.rect());
}

} // namespace quelta
