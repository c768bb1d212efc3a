#include "TrayIconScreenshots.h"

#include "app/TrayIcon.h"

#include <QImage>
#include <QPainter>

#include <optional>

using namespace quelta;

namespace {

// Device pixels of the sheet per device pixel of the icon at scale 1; half as many at scale 2,
// so that both sheets show an icon at the same size.
constexpr int magnification = 12;

QImage cell(const QIcon &icon, int size, int scale, const QColor &bar)
{
    const int pixels = size * scale;
    // The icon in a slot of the bar twice its size, as a panel would show it.
    QImage slot(pixels * 2, pixels * 2, QImage::Format_ARGB32);
    slot.fill(bar);
    QPainter painter(&slot);
    painter.drawImage(pixels / 2, pixels / 2, icon.pixmap(QSize(size, size), scale).toImage());
    painter.end();
    const int factor = magnification / scale;
    return slot.scaled(slot.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

void renderSheet(const QString &path, int size, int scale, const QColor &bar)
{
    const QList<std::optional<TrayFigure>> figures{std::nullopt, TrayFigure{72, BarTone::primary}, TrayFigure{100, BarTone::primary},
                                                   TrayFigure{18, BarTone::orange}, TrayFigure{7, BarTone::red}};
    // The first row for a panel of unknown colour, the second for one whose colour the tray shows.
    const QList<std::optional<QColor>> panels{std::nullopt, bar};
    const int side = size * 2 * magnification;
    QImage sheet(side * int(figures.size()), side * int(panels.size()), QImage::Format_ARGB32);
    sheet.fill(bar);
    QPainter painter(&sheet);
    for (int row = 0; row < panels.size(); ++row) {
        for (int column = 0; column < figures.size(); ++column)
            painter.drawImage(column * side, row * side, cell(trayIconFor(panels.at(row), figures.at(column)), size, scale, bar));
    }
    painter.end();
    sheet.save(path);
}

} // namespace

void renderTrayIcons(const QString &folder)
{
    const QList<std::pair<QString, QColor>> bars{{QStringLiteral("dark"), QColor(0x1e, 0x1e, 0x2e)}, {QStringLiteral("light"), QColor(0xf6, 0xf5, 0xf4)}};
    for (const auto &[barName, bar] : bars) {
        for (int size : {16, 22}) {
            for (int scale : {1, 2})
                renderSheet(QStringLiteral("%1/tray-icon-%2px-%3-bar-%4x.png").arg(folder).arg(size).arg(barName).arg(scale), size, scale, bar);
        }
    }
}
