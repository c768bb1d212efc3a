#include "TrayFigureArt.h"

#include "artwork/PixelDigits.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace quelta {

namespace {

// Where the parts go, in device pixels.
struct FigureLayout {
    QRect number;
    QSize cell;
    QRect bar;
};

int barThickness(int side)
{
    return std::max(2, int(std::lround(side / 8.0)));
}

FigureLayout layoutFor(int side, int digits, int margin)
{
    const int bar = barThickness(side);
    // Columns of the digits plus one blank column between two digits.
    const int columns = digits * pixelDigitColumns + (digits - 1);
    const int width = side - 2 * margin;
    const int height = side - 3 * margin - bar;
    const int cellWidth = std::max(1, width / columns);
    // Cells may be taller than wide, up to half as much again: digits stay digits, and grow.
    const int cellHeight = std::clamp(height / pixelDigitRows, 1, cellWidth + (cellWidth + 1) / 2);
    const QSize number(columns * cellWidth, pixelDigitRows * cellHeight);
    const int left = (side - number.width()) / 2;
    const int top = margin + (height - number.height()) / 2;
    return {QRect(QPoint(left, top), number), QSize(cellWidth, cellHeight), QRect(margin, side - margin - bar, side - 2 * margin, bar)};
}

void paintDigits(QPainter &painter, const QString &digits, const FigureLayout &layout, const QColor &color)
{
    int left = layout.number.left();
    for (const QChar character : digits) {
        const int digit = character.digitValue();
        for (int row = 0; row < pixelDigitRows; ++row) {
            for (int column = 0; column < pixelDigitColumns; ++column) {
                if (isPixelDigitInked(digit, column, row))
                    painter.fillRect(QRect(QPoint(left + column * layout.cell.width(), layout.number.top() + row * layout.cell.height()), layout.cell), color);
            }
        }
        left += (pixelDigitColumns + 1) * layout.cell.width();
    }
}

void paintBar(QPainter &painter, const QRect &bar, double fraction, const TrayFigureInks &inks)
{
    const int filled = int(std::lround(bar.width() * fraction));
    painter.fillRect(bar.adjusted(filled, 0, 0, 0), inks.track);
    painter.fillRect(QRect(bar.topLeft(), QSize(filled, bar.height())), inks.tone);
}

} // namespace

void paintTrayFigure(QPainter &painter, int side, int margin, const TrayFigure &figure, const TrayFigureInks &inks)
{
    const int percent = std::clamp(figure.percent, 0, 100);
    const QString digits = QString::number(percent);
    const FigureLayout layout = layoutFor(side, int(digits.size()), margin);
    paintDigits(painter, digits, layout, inks.tone);
    paintBar(painter, layout.bar, barFillFraction(percent), inks);
}

} // namespace quelta
