#include "platform/DisplaylessUse.h"

#include <QTest>

using namespace quelta;

Q_DECLARE_METATYPE(PlatformChoice)

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

    // Holds each variable whose value is not null.
    static QProcessEnvironment environmentOf(std::initializer_list<std::pair<const char *, QString>> variables)
    {
        QProcessEnvironment environment;
        for (const auto &[name, value] : variables) {
            if (!value.isNull())
                environment.insert(QLatin1String(name), value);
        }
        return environment;
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

    // X11 where a display is really named beside Wayland or Wayland cannot be used; a Wayland
    // session alone without the plugin is told apart, so the program can say what to install.
    void platformChoice_data()
    {
        QTest::addColumn<QString>("display");
        QTest::addColumn<QString>("waylandDisplay");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<bool>("plugin");
        QTest::addColumn<PlatformChoice>("choice");
        const QString none;
        const QString empty = QStringLiteral("");
        const QString x11 = QStringLiteral(":0");
        const QString wayland = QStringLiteral("wayland-0");
        QTest::newRow("XWayland") << x11 << wayland << none << true << PlatformChoice::x11;
        QTest::newRow("XWayland without the plugin") << x11 << wayland << none << false << PlatformChoice::x11;
        QTest::newRow("empty DISPLAY beside Wayland") << empty << wayland << none << true << PlatformChoice::asItIs;
        QTest::newRow("empty WAYLAND_DISPLAY") << x11 << empty << none << true << PlatformChoice::asItIs;
        QTest::newRow("X11 only") << x11 << none << none << true << PlatformChoice::asItIs;
        QTest::newRow("X11 only without the plugin") << x11 << none << none << false << PlatformChoice::x11;
        QTest::newRow("Wayland alone") << none << wayland << none << true << PlatformChoice::asItIs;
        QTest::newRow("Wayland alone without the plugin") << none << wayland << none << false << PlatformChoice::waylandPluginMissing;
        QTest::newRow("empty DISPLAY, no plugin") << empty << wayland << none << false << PlatformChoice::waylandPluginMissing;
        QTest::newRow("no display without the plugin") << none << none << none << false << PlatformChoice::asItIs;
        QTest::newRow("the user's choice") << x11 << wayland << QStringLiteral("wayland") << true << PlatformChoice::asItIs;
        QTest::newRow("the user's choice, no plugin") << none << wayland << QStringLiteral("offscreen") << false << PlatformChoice::asItIs;
    }

    void platformChoice()
    {
        QFETCH(QString, display);
        QFETCH(QString, waylandDisplay);
        QFETCH(QString, chosen);
        QFETCH(bool, plugin);
        QFETCH(PlatformChoice, choice);
        const QProcessEnvironment environment = environmentOf({{"DISPLAY", display}, {"WAYLAND_DISPLAY", waylandDisplay}, {"QT_QPA_PLATFORM", chosen}});
        QCOMPARE(platformChoiceFor(environment, plugin), choice);
    }

    // The pointer is trusted except for an X11 client of a Wayland session.
    void xwayland_data()
    {
        QTest::addColumn<QString>("waylandDisplay");
        QTest::addColumn<QString>("sessionType");
        QTest::addColumn<QString>("platform");
        QTest::addColumn<bool>("xwayland");
        const QString none;
        QTest::newRow("xcb beside a Wayland display") << QStringLiteral("wayland-0") << none << QStringLiteral("xcb") << true;
        QTest::newRow("xcb in a Wayland session") << none << QStringLiteral("wayland") << QStringLiteral("xcb") << true;
        QTest::newRow("xcb in an X11 session") << none << QStringLiteral("x11") << QStringLiteral("xcb") << false;
        QTest::newRow("Wayland itself") << QStringLiteral("wayland-0") << QStringLiteral("wayland") << QStringLiteral("wayland") << false;
        QTest::newRow("offscreen") << QStringLiteral("wayland-0") << none << QStringLiteral("offscreen") << false;
    }

    void xwayland()
    {
        QFETCH(QString, waylandDisplay);
        QFETCH(QString, sessionType);
        QFETCH(QString, platform);
        QFETCH(bool, xwayland);
        const QProcessEnvironment environment = environmentOf({{"WAYLAND_DISPLAY", waylandDisplay}, {"XDG_SESSION_TYPE", sessionType}});
        QCOMPARE(runsUnderXWayland(environment, platform), xwayland);
    }
};

QTEST_GUILESS_MAIN(DisplaylessUseTest)
#include "DisplaylessUseTest.moc"
