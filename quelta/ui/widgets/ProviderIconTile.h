#pragma once

#include "core/ProviderAllowance.h"

#include <QWidget>

namespace quelta {

// The provider's mark, tinted, on a faint rounded 28 × 28 tile.
class ProviderIconTile final : public QWidget
{
public:
    explicit ProviderIconTile(QWidget *parent);
    void setProvider(ProviderID id, const QString &assetName);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_asset;
    qreal m_markSize = 16;
};

} // namespace quelta
