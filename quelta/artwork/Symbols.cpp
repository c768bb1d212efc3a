#include "Symbols.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

namespace quelta {

namespace {

QString pathOf(const QString &name)
{
    return QStringLiteral(":/quelta/symbols/") + name + QStringLiteral(".svg");
}

} // namespace

bool hasSymbol(const QString &name)
{
    return QFile::exists(pathOf(name));
}

QIcon applicationIcon()
{
    // Drawn at the size asked for, when asked: an idle tray shows no window and holds no pixmaps.
    return QIcon(QStringLiteral(":/quelta/desktop/app.quelta.Quelta.svg"));
}

QPixmap symbolPixmap(const QString &name, const QColor &color, qreal size, qreal devicePixelRatio)
{
    const int pixels = qRound(size * devicePixelRatio);
    QPixmap pixmap(pixels, pixels);
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(pathOf(name));
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    // The artwork is drawn in black; its shape takes the colour asked for.
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(pixmap.rect(), color);
    painter.end();
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

} // namespace quelta
