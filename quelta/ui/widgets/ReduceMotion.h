#pragma once

namespace quelta {

// The desktop asked for less motion (GTK_ENABLE_ANIMATIONS=0, GNOME's enable-animations off, or
// KDE's AnimationDurationFactor 0); read once, then kept.
bool reduceMotion();

} // namespace quelta
