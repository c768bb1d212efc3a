#pragma once

namespace quelta {

// Lets a Qt program run in a terminal without a desktop: the offscreen platform when there is no
// display, and the web engine's sandbox off for root, which Chromium refuses to sandbox. Call
// before the application object exists; the user's own settings win.
void prepareForDisplaylessUse();

} // namespace quelta
