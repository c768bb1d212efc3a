#pragma once

namespace quelta {

// Lets a Qt program run in a terminal without a desktop: the offscreen platform when there is no
// display, and the web engine's sandbox off for root, which Chromium refuses to sandbox. Call
// before the application object exists; the user's own settings win.
void prepareForDisplaylessUse();

// A Wayland client cannot place its own windows, and the popover must sit under its icon: where
// XWayland is there beside Wayland, the X11 platform, unless the user chose one.
void preferX11WhereAvailable();

// Whether a window this program or its helpers open would be seen, decided from the environment
// alone, so that a command needs no connection to the display: a display named, or a platform
// chosen that shows windows.
bool windowsCanBeShown();

} // namespace quelta
