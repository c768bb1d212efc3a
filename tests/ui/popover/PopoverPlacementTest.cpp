#include "ui/popover/PopoverWindow.h"

#include <QTest>

using namespace quelta;

// Where the popover opens on a 1280×800 screen whose panel takes the top 32 pixels.
class PopoverPlacementTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void placement_data()
    {
        QTest::addColumn<QRect>("anchor");
        QTest::addColumn<std::optional<QPoint>>("pointer");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QPoint>("expected");
        const QRect belowTopPanel(0, 32, 1280, 768);
        const QRect aboveBottomPanel(0, 0, 1280, 768);
        const std::optional<QPoint> anywhere = QPoint(5, 5);
        const std::optional<QPoint> unknown;
        QTest::newRow("under an icon, centred") << QRect(600, 4, 24, 24) << anywhere << belowTopPanel << QPoint(455, 36);
        QTest::newRow("under an icon at the right edge") << QRect(1250, 4, 24, 24) << anywhere << belowTopPanel << QPoint(964, 36);
        QTest::newRow("over an icon in a bottom panel") << QRect(600, 772, 24, 24) << anywhere << aboveBottomPanel << QPoint(455, 364);
        QTest::newRow("no geometry: under the pointer at the top") << QRect() << std::optional(QPoint(1000, 10)) << belowTopPanel << QPoint(844, 36);
        QTest::newRow("no geometry: over the pointer at the bottom") << QRect() << std::optional(QPoint(20, 790)) << aboveBottomPanel << QPoint(4, 364);
        QTest::newRow("no geometry, no pointer: top right under the panel") << QRect() << unknown << belowTopPanel << QPoint(964, 36);
        QTest::newRow("no geometry, no pointer, beside a left panel") << QRect() << unknown << QRect(48, 0, 1232, 800) << QPoint(964, 4);
        QTest::newRow("an icon wins over no pointer") << QRect(600, 4, 24, 24) << unknown << belowTopPanel << QPoint(455, 36);
    }

    void placement()
    {
        QFETCH(QRect, anchor);
        QFETCH(std::optional<QPoint>, pointer);
        QFETCH(QRect, available);
        QFETCH(QPoint, expected);
        const QSize size(312, 400);
        const QPoint position = popoverPosition(size, anchor, pointer, available);
        QCOMPARE(position, expected);
        QVERIFY(available.adjusted(4, 4, -4, -4).contains(QRect(position, size)));
    }
};

QTEST_GUILESS_MAIN(PopoverPlacementTest)
#include "PopoverPlacementTest.moc"
