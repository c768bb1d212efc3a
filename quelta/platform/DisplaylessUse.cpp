#include "DisplaylessUse.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QDir>
#include <QLibraryInfo>
#include <QtGlobal>

#include <algorithm>

#include <unistd.h>

namespace quelta {

namespace {

// A variable set but empty names no display: Qt would abort trying to connect to it.
bool hasX11Display()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY");
}

bool hasWaylandDisplay()
{
    return !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

bool hasDisplay()
{
    return hasX11Display() || hasWaylandDisplay();
}

} // namespace

void prepareForDisplaylessUse()
{
    if (!hasDisplay() && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (::geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}

PlatformChoice platformChoiceFor(const QProcessEnvironment &environment, bool waylandPluginInstalled)
{
    if (environment.contains(QStringLiteral("QT_QPA_PLATFORM")))
        return PlatformChoice::asItIs;
    const bool x11 = !environment.value(QStringLiteral("DISPLAY")).isEmpty();
    const bool wayland = !environment.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty();
    if (x11 && (wayland || !waylandPluginInstalled))
        return PlatformChoice::x11;
    if (wayland && !waylandPluginInstalled)
        return PlatformChoice::waylandPluginMissing;
    return PlatformChoice::asItIs;
}

bool waylandPluginInstalled()
{
    const QDir platforms(QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms"));
    // Matched by hand: a name filter would compile a pattern, and load the pattern engine, in
    // every start.
    const QStringList files = platforms.entryList(QDir::Files);
    return std::any_of(files.cbegin(), files.cend(), [](const QString &file) {
        return file.startsWith(QLatin1String("libqwayland")) && file.endsWith(QLatin1String(".so"));
    });
}

PlatformChoice preferX11WhereAvailable()
{
    const PlatformChoice choice = platformChoiceFor(QProcessEnvironment::systemEnvironment(), waylandPluginInstalled());
    if (choice == PlatformChoice::x11)
        qputenv("QT_QPA_PLATFORM", "xcb");
    return choice;
}

bool runsUnderXWayland(const QProcessEnvironment &environment, const QString &platformName)
{
    if (platformName != QLatin1String("xcb"))
        return false;
    return !environment.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty()
        || environment.value(QStringLiteral("XDG_SESSION_TYPE")) == QLatin1String("wayland");
}

bool windowsCanBeShown()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty())
        return hasDisplay();
    // "offscreen:size=…": the options follow the name.
    const QByteArray name = platform.split(':').constFirst();
    return name != "offscreen" && name != "minimal";
}

} // namespace quelta
