#include "DisplaylessUse.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QtGlobal>

#include <unistd.h>

namespace quelta {

namespace {

bool hasDisplay()
{
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

} // namespace

void prepareForDisplaylessUse()
{
    if (!hasDisplay() && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (::geteuid() == 0 && !qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
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
