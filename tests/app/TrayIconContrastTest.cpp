#include "app/TrayIcon.h"

#include "artwork/Contrast.h"
#include "artwork/DesignColorValues.h"

#include <QPainter>
#include <QSvgRenderer>
#include <QTest>

#include <algorithm>

using namespace quelta;

namespace {

// The mark counts as legible when a quarter of its area reaches the contrast: a colour of the
// mark, not a stray antialiased pixel, has to stand out from the bar.
constexpr qreal legibleShare = 0.25;

QImage onBar(const QImage &icon, const QColor &bar)
{
    QImage composed(icon.size(), QImage::Format_ARGB32);
    composed.fill(bar);
    QPainter painter(&composed);
    painter.drawImage(0, 0, icon);
    return composed;
}

// The contrast with the bar that the best-contrasting quarter of the mark's area reaches.
qreal markContrast(const QImage &icon, const QColor &bar)
{
    const QImage source = icon.convertToFormat(QImage::Format_ARGB32);
    const QImage composed = onBar(source, bar);
    QList<qreal> contrasts;
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            if (qAlpha(source.pixel(x, y)) >= 128)
                contrasts.append(contrastRatio(composed.pixelColor(x, y), bar));
        }
    }
    if (contrasts.isEmpty())
        return 1.0;
    std::sort(contrasts.begin(), contrasts.end(), std::greater<>());
    return contrasts.at(int(contrasts.size() * legibleShare));
}

QImage symbolicImage(int pixels)
{
    QSvgRenderer renderer(QStringLiteral(SYMBOLIC_ICON));
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    return image;
}

QImage pixmapImage(const QIcon &icon, int size, qreal scale)
{
    QImage image = icon.pixmap(QSize(size, size), scale).toImage();
    // Measured pixel for pixel, as a host composites it.
    image.setDevicePixelRatio(1.0);
    return image;
}

const QList<std::pair<const char *, QColor>> bars{
    {"dark", QColor(0x1e, 0x1e, 0x2e)}, {"black", Qt::black}, {"light", QColor(0xf6, 0xf5, 0xf4)}, {"white", Qt::white}};

} // namespace

class TrayIconContrastTest : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void legibleOnEveryBar_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<bool>("panelKnown");
        QTest::addColumn<std::optional<TrayFigure>>("figure");
        QTest::addColumn<QColor>("bar");
        QTest::addColumn<int>("size");
        QTest::addColumn<qreal>("scale");
        const QList<std::pair<const char *, std::optional<TrayFigure>>> figures{
            {"mark", std::nullopt}, {"72", TrayFigure{72, BarTone::primary}}, {"100", TrayFigure{100, BarTone::primary}},
            {"18 orange", TrayFigure{18, BarTone::orange}}, {"7 red", TrayFigure{7, BarTone::red}}};
        for (const auto &[barName, bar] : bars) {
            for (int size : {16, 22, 32}) {
                for (qreal scale : {1.0, 2.0}) {
                    const QString where = QStringLiteral("%1 bar, %2 px at %3x").arg(QLatin1String(barName)).arg(size).arg(scale);
                    QTest::addRow("symbolic file, %s", qPrintable(where)) << QStringLiteral("svg") << false << std::optional<TrayFigure>() << bar << size << scale;
                    for (const auto &[figureName, figure] : figures) {
                        for (bool known : {false, true})
                            QTest::addRow("%s, panel %s, %s", figureName, known ? "known" : "unknown", qPrintable(where))
                                << QStringLiteral("pixmap") << known << figure << bar << size << scale;
                    }
                }
            }
        }
    }

    void legibleOnEveryBar()
    {
        QFETCH(QString, source);
        QFETCH(bool, panelKnown);
        QFETCH(std::optional<TrayFigure>, figure);
        QFETCH(QColor, bar);
        QFETCH(int, size);
        QFETCH(qreal, scale);
        const QImage icon = source == QLatin1String("svg") ? symbolicImage(qRound(size * scale))
                                                           : pixmapImage(trayIconFor(panelKnown ? std::optional(bar) : std::nullopt, figure), size, scale);
        QCOMPARE(icon.size(), QSize(qRound(size * scale), qRound(size * scale)));
        const qreal contrast = markContrast(icon, bar);
        QVERIFY2(contrast >= legibleMarkContrast, qPrintable(QStringLiteral("contrast %1:1").arg(contrast, 0, 'f', 2)));
    }

    // The tone shows in the design's own colour, whatever the bar.
    void toneInTheDesignsColour_data()
    {
        QTest::addColumn<std::optional<QColor>>("panel");
        QTest::addColumn<BarTone>("tone");
        QTest::addColumn<QColor>("expected");
        using namespace designColors;
        const QColor orange(QRgb(systemOrangeValue(Scheme::light)));
        QTest::newRow("orange, unknown panel") << std::optional<QColor>() << BarTone::orange << orange;
        QTest::newRow("orange, light panel") << std::optional(QColor(Qt::white)) << BarTone::orange << orange;
        QTest::newRow("red, unknown panel") << std::optional<QColor>() << BarTone::red << QColor(QRgb(systemRedValue(Scheme::dark)));
        QTest::newRow("red, dark panel") << std::optional(QColor(0x1e, 0x1e, 0x2e)) << BarTone::red << QColor(QRgb(systemRedValue(Scheme::dark)));
        QTest::newRow("red, light panel") << std::optional(QColor(0xf6, 0xf5, 0xf4)) << BarTone::red << QColor(QRgb(systemRedValue(Scheme::light)));
    }

    void toneInTheDesignsColour()
    {
        QFETCH(std::optional<QColor>, panel);
        QFETCH(BarTone, tone);
        QFETCH(QColor, expected);
        const QImage icon = pixmapImage(trayIconFor(panel, TrayFigure{9, tone}), 22, 1.0).convertToFormat(QImage::Format_ARGB32);
        int inTone = 0;
        int opaque = 0;
        for (int y = 0; y < icon.height(); ++y) {
            for (int x = 0; x < icon.width(); ++x) {
                opaque += qAlpha(icon.pixel(x, y)) == 255;
                inTone += icon.pixel(x, y) == expected.rgba();
            }
        }
        QVERIFY2(inTone >= opaque / 5, qPrintable(QStringLiteral("%1 of %2 pixels in the tone").arg(inTone).arg(opaque)));
    }
};

QTEST_MAIN(TrayIconContrastTest)
#include "TrayIconContrastTest.moc"
