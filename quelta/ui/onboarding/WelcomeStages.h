#pragma once

#include <QEasingCurve>

#include <chrono>
#include <optional>

namespace quelta {

// The welcome page's 3.2 s entrance: overall progress p, and the six stage values drawn from it
// (a icon fades in, b icon sharpens, c icon settles, d title, e subtitle, f "Get started").
struct WelcomeStages {
    double a = 0, b = 0, c = 0, d = 0, e = 0, f = 0;
};

// p: 1 with reduce motion, 0 before the animation starts, else the elapsed share of 3.2 s.
double welcomeProgress(std::optional<std::chrono::milliseconds> sinceStart, bool reduceMotion);
WelcomeStages welcomeStages(double progress);
// "Get started" takes clicks only once its own stage is past 85 %.
bool welcomeButtonAcceptsClicks(const WelcomeStages &stages);

// The page transitions' timing curves.
QEasingCurve pageInsertionCurve(); // cubic (0.22, 0.61, 0.36, 1.0)
QEasingCurve pageRemovalCurve();   // cubic (0.4, 0.0, 1.0, 1.0)

} // namespace quelta
