#pragma once

#include <QProcessEnvironment>

namespace quelta {

// Lets a Qt program run in a terminal without a desktop: the offscreen platform when there is no
// display, and the web engine's sandbox off for root, which Chromium refuses to sandbox. Call
// before the application object exists; the user's own settings win.
void prepareForDisplaylessUse();

enum class PlatformChoice {
    // Qt's own choice, or the user's.
    asItIs,
    x11,
    // A Wayland session alone, and Qt has no Wayland plugin: nothing can show the windows.
    waylandPluginMissing,
};

// A Wayland client cannot place its own windows, and the popover must sit under its icon: where
// XWayland is there beside Wayland, the X11 platform, unless the user chose one. Without the
// Wayland plugin, X11 wherever an X display is named.
PlatformChoice platformChoiceFor(const QProcessEnvironment &environment, bool waylandPluginInstalled);

// Whether Qt's plugin path holds the Wayland platform.
bool waylandPluginInstalled();

// Applies platformChoiceFor to this process's environment.
PlatformChoice preferX11WhereAvailable();

// An X11 client of a Wayland session: the pointer's position is only known while it is over an
// X11 window, so it says nothing about where the tray was clicked.
bool runsUnderXWayland(const QProcessEnvironment &environment, const QString &platformName);

// Whether a window this program or its helpers open would be seen, decided from the environment
// alone, so that a command needs no connection to the display: a display named, or a platform
// chosen that shows windows.
bool windowsCanBeShown();

} // namespace quelta
