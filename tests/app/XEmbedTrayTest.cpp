#include "ShellServices.h"
#include "TestFixture.h"

#include "app/AppObjects.h"
#include "app/StatusItem.h"
#include "app/TrayPresence.h"
#include "app/TrayShell.h"
#include "core/AllowanceStore.h"

#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QScreen>
#include <QTest>

using namespace quelta;
using namespace std::chrono_literals;

namespace {

constexpr auto grace = 300ms;
constexpr auto poll = 500ms;

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
    QProcess m_tray;

    std::unique_ptr<AppObjects> services() { return test::shellServices(*m_fixture); }

    TrayShell::Options options() const
    {
        TrayShell::Options options;
        options.trayGrace = grace;
        options.trayPoll = poll;
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
        QTRY_VERIFY(xembedTrayRunning());
    }

    void stopTray()
    {
        m_tray.terminate();
        m_tray.waitForFinished();
        QTRY_VERIFY(!xembedTrayRunning());
    }

    // Moves the manual clock on in poll steps until `condition` holds, as the real clock would.
    template <typename Condition>
    bool advanceUntil(Condition condition)
    {
        for (int step = 0; step < 40 && !condition(); ++step) {
            m_fixture->clock.advance(poll);
            QTest::qWait(50);
        }
        return condition();
    }

private Q_SLOTS:
    void init()
    {
        m_fixture = std::make_unique<test::Fixture>();
        m_fixture->store.setBool(QLatin1String(allowanceStore::hasCompletedOnboardingKey), true);
    }

    void cleanup()
    {
        if (m_tray.state() != QProcess::NotRunning)
            stopTray();
    }

    void aTrayStartingLateTakesOverFromTheWindow()
    {
        QVERIFY(!xembedTrayRunning());
        auto app = services();
        TrayShell shell(*app, options());
        shell.start();
        m_fixture->clock.advance(grace);
        QTRY_VERIFY(shell.popover() && shell.popover()->isVisible());
        QCOMPARE(shell.popover()->mode(), PopoverWindow::Mode::window);
        QCOMPARE(shell.popover()->windowTitle(), QStringLiteral("Quelta"));
        QVERIFY(!shell.statusItem()->trayIcon());

        startTray(QStringLiteral("0x202020"));
        QVERIFY(advanceUntil([&] { return shell.statusItem()->geometry().isValid() && !shell.statusItem()->geometry().isEmpty(); }));
        QTRY_VERIFY(!shell.popover()->isVisible());

        // A click on the embedded icon opens the popover right under it, inside the screen.
        const QRect icon = shell.statusItem()->geometry();
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
        shell.popover()->hide();

        // The tray going away gives the window back.
        stopTray();
        QVERIFY(advanceUntil([&] { return shell.popover()->isVisible(); }));
        QCOMPARE(shell.popover()->mode(), PopoverWindow::Mode::window);
        QVERIFY(!shell.statusItem()->trayIcon());
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
        QVERIFY(advanceUntil([&] { return shell.statusItem() && !shell.statusItem()->geometry().isEmpty(); }));
        // Drawn again for the panel once the tray says where the icon sits.
        m_fixture->clock.advance(1s);
        QTest::qWait(300);

        const QRect icon = shell.statusItem()->geometry();
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
