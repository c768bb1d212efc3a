#pragma once

#include "core/ProviderAllowance.h"

#include <QWidget>

class QPainter;

namespace quelta {

// Paints the provider's mark, tinted, on a faint rounded tile filling `tile` (28 × 28 in the
// design). Views that keep the tile out of the accessibility tree paint it themselves.
void paintProviderIconTile(QPainter &painter, const QRectF &tile, ProviderID id, const QString &assetName, const QPalette &palette,
                           qreal devicePixelRatio);

// The tile as a widget of its own, 28 × 28.
class ProviderIconTile final : public QWidget
{
public:
    explicit ProviderIconTile(QWidget *parent);
    void setProvider(ProviderID id, const QString &assetName);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ProviderID m_id = ProviderID::framer;
    QString m_assetName;
};

} // namespace quelta
