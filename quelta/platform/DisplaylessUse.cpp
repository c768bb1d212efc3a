#include "DisplaylessUse.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QtGlobal>

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

void preferX11WhereAvailable()
{
    if (hasWaylandDisplay() && hasX11Display() && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");
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
