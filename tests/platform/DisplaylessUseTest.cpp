#include "platform/DisplaylessUse.h"

#include <QTest>

using namespace quelta;

// Whether windows would be seen, told from the environment alone: `connect framer` refuses to
// open a window nobody sees.
class DisplaylessUseTest : public QObject
{
    Q_OBJECT

    // Sets or, when null, unsets each variable.
    static void setEnvironment(const char *name, const QString &value)
    {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value.toUtf8());
    }

private Q_SLOTS:
    void windowsCanBeShown_data()
    {
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("waylandDisplay");
        QTest::addColumn<QString>("platform");
        QTest::addColumn<bool>("shown");
        const QString none;
        QTest::newRow("X11") << QStringLiteral(":0") << none << none << true;
        QTest::newRow("Wayland") << none << QStringLiteral("wayland-0") << none << true;
        QTest::newRow("no display") << none << none << none << false;
        QTest::newRow("offscreen beside a display") << QStringLiteral(":0") << none << QStringLiteral("offscreen") << false;
        QTest::newRow("offscreen with options") << QStringLiteral(":0") << none << QStringLiteral("offscreen:size=800x600") << false;
        QTest::newRow("minimal") << QStringLiteral(":0") << none << QStringLiteral("minimal") << false;
        QTest::newRow("a chosen platform") << none << none << QStringLiteral("vnc") << true;
        QTest::newRow("xcb chosen") << QStringLiteral(":1") << none << QStringLiteral("xcb") << true;
        QTest::newRow("empty DISPLAY") << QStringLiteral("") << none << none << false;
    }

    void windowsCanBeShown()
    {
        QFETCH(QString, display);
        QFETCH(QString, waylandDisplay);
        QFETCH(QString, platform);
        QFETCH(bool, shown);
        setEnvironment("DISPLAY", display);
        setEnvironment("WAYLAND_DISPLAY", waylandDisplay);
        setEnvironment("QT_QPA_PLATFORM", platform);
        QCOMPARE(quelta::windowsCanBeShown(), shown);
    }

    // The tray asks for X11 only where an X display is really named beside Wayland.
    void x11IsPreferred_data()
    {
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("waylandDisplay");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("platform");
        const QString none;
        const QString empty = QStringLiteral("");
        QTest::newRow("XWayland") << QStringLiteral(":0") << QStringLiteral("wayland-0") << none << QStringLiteral("xcb");
        QTest::newRow("empty DISPLAY beside Wayland") << empty << QStringLiteral("wayland-0") << none << empty;
        QTest::newRow("empty WAYLAND_DISPLAY") << QStringLiteral(":0") << empty << none << empty;
        QTest::newRow("X11 only") << QStringLiteral(":0") << none << none << empty;
        QTest::newRow("the user's choice") << QStringLiteral(":0") << QStringLiteral("wayland-0") << QStringLiteral("wayland")
                                           << QStringLiteral("wayland");
    }

    void x11IsPreferred()
    {
        QFETCH(QString, display);
        QFETCH(QString, waylandDisplay);
        QFETCH(QString, chosen);
        QFETCH(QString, platform);
        setEnvironment("DISPLAY", display);
        setEnvironment("WAYLAND_DISPLAY", waylandDisplay);
        setEnvironment("QT_QPA_PLATFORM", chosen);
        quelta::preferX11WhereAvailable();
        QCOMPARE(qEnvironmentVariable("QT_QPA_PLATFORM"), platform);
    }
};

QTEST_GUILESS_MAIN(DisplaylessUseTest)
#include "DisplaylessUseTest.moc"
