#include "ShellServices.h"
#include "TestFixture.h"

#include "app/AppObjects.h"
#include "app/StatusItem.h"
#include "app/TrayPresence.h"
#include "app/TrayShell.h"
#include "app/XEmbedTrayWatcher.h"
#include "core/AllowanceStore.h"

#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QProcess>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

using namespace quelta;
using namespace std::chrono_literals;

namespace {

constexpr auto grace = 300ms;
// Noticed by event: a tray's departure is seen well within a poll interval.
constexpr int departureMs = 500;

// The mark's colour against the panel's: how far apart in perceived lightness.
qreal lightnessGap(const QColor &mark, const QColor &panel)
{
    const auto luminance = [](const QColor &colour) {
        return 0.2126 * colour.redF() + 0.7152 * colour.greenF() + 0.0722 * colour.blueF();
    };
    return std::abs(luminance(mark) - luminance(panel));
}

} // namespace

// A real XEmbed tray (trayer) on the test's own X server.
class XEmbedTrayTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<test::Fixture> m_fixture;
    std::unique_ptr<XEmbedTrayWatcher> m_trayWatcher;
    QProcess m_tray;

    std::unique_ptr<AppObjects> services() { return test::shellServices(*m_fixture); }

    TrayShell::Options options() const
    {
        TrayShell::Options options;
        options.trayGrace = grace;
        return options;
    }

    void startTray(const QString &tint)
    {
        m_tray.start(QStringLiteral("trayer"), {QStringLiteral("--edge"), QStringLiteral("top"), QStringLiteral("--align"),
                                                QStringLiteral("right"), QStringLiteral("--widthtype"), QStringLiteral("request"),
                                                QStringLiteral("--height"), QStringLiteral("32"), QStringLiteral("--transparent"),
                                                QStringLiteral("true"), QStringLiteral("--alpha"), QStringLiteral("0"),
                                                QStringLiteral("--tint"), tint});
        QVERIFY(m_tray.waitForStarted());
        QTRY_VERIFY(m_trayWatcher->isTrayPresent());
    }

    void stopTray()
    {
        m_tray.terminate();
        m_tray.waitForFinished();
        QTRY_VERIFY_WITH_TIMEOUT(!m_trayWatcher->isTrayPresent(), departureMs);
    }

    // Where the icon sits once the panel, which grows to fit it, stopped moving.
    static QRect settledIcon(const StatusItem &item)
    {
        QRect seen;
        for (int look = 0; look < 25 && (seen.isEmpty() || seen != item.geometry()); ++look) {
            seen = item.geometry();
            QTest::qWait(200);
        }
        return seen;
    }

private Q_SLOTS:
    void init()
    {
        m_fixture = std::make_unique<test::Fixture>();
        m_fixture->store.setBool(QLatin1String(allowanceStore::hasCompletedOnboardingKey), true);
        m_trayWatcher = std::make_unique<XEmbedTrayWatcher>();
    }

    void cleanup()
    {
        if (m_tray.state() != QProcess::NotRunning)
            stopTray();
    }

    // The manual clock stands still from here on: only the X server's events can tell.
    void aTrayStartingLateTakesOverFromTheWindow()
    {
        QVERIFY(!m_trayWatcher->isTrayPresent());
        auto app = services();
        TrayShell shell(*app, options());
        shell.start();
        m_fixture->clock.advance(grace);
        QTRY_VERIFY(shell.popover() && shell.popover()->isVisible());
        QCOMPARE(shell.popover()->mode(), PopoverWindow::Mode::window);
        QCOMPARE(shell.popover()->windowTitle(), QStringLiteral("Quelta"));
        QVERIFY(!shell.statusItem()->trayIcon());

        startTray(QStringLiteral("0x202020"));
        QTRY_VERIFY(shell.statusItem()->geometry().isValid() && !shell.statusItem()->geometry().isEmpty());
        QTRY_VERIFY(!shell.popover()->isVisible());

        // A click on the embedded icon opens the popover right under it, inside the screen.
        const QRect icon = settledIcon(*shell.statusItem());
        const QPoint centre = icon.center();
        // xdotool counts device pixels.
        const QPoint pixel = centre * QGuiApplication::primaryScreen()->devicePixelRatio();
        QCOMPARE(QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QString::number(pixel.x()),
                                                                QString::number(pixel.y()), QStringLiteral("click"), QStringLiteral("1")}),
                 0);
        QTRY_VERIFY(shell.popover()->isVisible());
        QCOMPARE(shell.popover()->mode(), PopoverWindow::Mode::popup);
        const QRect popover = shell.popover()->frameGeometry();
        QVERIFY2(popover.top() > icon.bottom() && popover.top() - icon.bottom() <= 8,
                 qPrintable(QStringLiteral("icon %1,%2 popover top %3").arg(icon.x()).arg(icon.bottom()).arg(popover.top())));
        QVERIFY(QGuiApplication::primaryScreen()->availableGeometry().contains(popover));
        QVERIFY(popover.left() <= centre.x() && centre.x() <= popover.right() + 1);

        // A right click on the icon while the popover is open opens the menu in its place.
        QCOMPARE(QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("click"), QStringLiteral("3")}), 0);
        QTRY_VERIFY(shell.statusItem()->menu()->isVisible());
        QVERIFY(!shell.popover()->isVisible());
        shell.statusItem()->menu()->hide();
        const QStringList toolTip = shell.statusItem()->trayIcon()->toolTip().split(QLatin1Char('\n'));
        QCOMPARE(toolTip.first(), QStringLiteral("Quelta"));
        QCOMPARE(toolTip.size(), 1 + app->monitor().visibleProviders().size());

        // The tray going away gives the window back.
        stopTray();
        QTRY_VERIFY_WITH_TIMEOUT(shell.popover()->isVisible(), departureMs);
        QCOMPARE(shell.popover()->mode(), PopoverWindow::Mode::window);
        QVERIFY(!shell.statusItem()->trayIcon());
    }

    void noDisplayMeansNoTray_data()
    {
        QTest::addColumn<QByteArray>("display");
        QTest::newRow("none") << QByteArray();
        QTest::newRow("unreachable") << QByteArrayLiteral(":4095");
    }

    // The tray runs on the test's own display, which this watcher is not told of.
    void noDisplayMeansNoTray()
    {
        QFETCH(QByteArray, display);
        startTray(QStringLiteral("0x202020"));
        const QByteArray ours = qgetenv("DISPLAY");
        display.isEmpty() ? qunsetenv("DISPLAY") : qputenv("DISPLAY", display);
        const XEmbedTrayWatcher watcher;
        qputenv("DISPLAY", ours);
        QVERIFY(!watcher.isTrayPresent());
    }

    void theMarkStandsOutOnThePanel_data()
    {
        QTest::addColumn<QString>("tint");
        QTest::addColumn<QColor>("panel");
        QTest::newRow("light") << QStringLiteral("0xf2f2f2") << QColor(0xf2, 0xf2, 0xf2);
        QTest::newRow("dark") << QStringLiteral("0x202020") << QColor(0x20, 0x20, 0x20);
    }

    void theMarkStandsOutOnThePanel()
    {
        QFETCH(QString, tint);
        QFETCH(QColor, panel);
        startTray(tint);
        auto app = services();
        TrayShell shell(*app, options());
        shell.start();
        QTRY_VERIFY(shell.statusItem() && !shell.statusItem()->geometry().isEmpty());
        const QRect icon = settledIcon(*shell.statusItem());
        // Drawn again for the panel once the tray says where the icon sits.
        m_fixture->clock.advance(1s);
        QTest::qWait(300);

        QScreen *screen = QGuiApplication::primaryScreen();
        const QRect around = icon.adjusted(-24, -4, 24, 4).intersected(screen->geometry());
        const QPixmap shot = screen->grabWindow(0, around.x(), around.y(), around.width(), around.height());
        const QString folder = QStringLiteral(SCREENSHOT_DIR);
        QDir().mkpath(folder);
        const QString scale = QString::number(qRound(shot.devicePixelRatio() * 10) / 10.0);
        QVERIFY(shot.save(QStringLiteral("%1/tray-%2-x%3.png").arg(folder, QLatin1String(QTest::currentDataTag()), scale)));

        // The mark's centre dot, in the middle of the icon, against the panel.
        const QImage image = screen->grabWindow(0, icon.x(), icon.y(), icon.width(), icon.height()).toImage();
        const QColor mark = image.pixelColor(image.width() / 2, image.height() / 2);
        QVERIFY2(lightnessGap(mark, panel) > 0.5, qPrintable(mark.name()));
    }
};

QTEST_MAIN(XEmbedTrayTest)
#include "XEmbedTrayTest.moc"
