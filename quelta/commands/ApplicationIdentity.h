#pragma once

namespace quelta {

// Names the application as desktops show it ("Quelta": the tray item's title comes from it),
// with its version, for every program of Quelta's; the tray adds its desktop entry and icon.
// The folders do not follow the name.
void applyApplicationIdentity();

} // namespace quelta
