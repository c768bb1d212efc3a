#include "WelcomeStages.h"

#include <QPointF>

#include <algorithm>
#include <cmath>

namespace quelta {

namespace {

constexpr double duration = 3200;

double local(double progress, double start, double length)
{
    return std::clamp((progress - start) / length, 0.0, 1.0);
}

double easeOutCubic(double t)
{
    return 1 - std::pow(1 - t, 3);
}

double easeOutQuart(double t)
{
    return 1 - std::pow(1 - t, 4);
}

double smootherStep(double t)
{
    return t * t * t * (t * (6 * t - 15) + 10);
}

QEasingCurve cubic(QPointF first, QPointF second)
{
    QEasingCurve curve(QEasingCurve::BezierSpline);
    curve.addCubicBezierSegment(first, second, QPointF(1, 1));
    return curve;
}

} // namespace

double welcomeProgress(std::optional<std::chrono::milliseconds> sinceStart, bool reduceMotion)
{
    if (reduceMotion)
        return 1;
    if (!sinceStart)
        return 0;
    return std::clamp(double(sinceStart->count()) / duration, 0.0, 1.0);
}

WelcomeStages welcomeStages(double p)
{
    return WelcomeStages{
        easeOutCubic(local(p, 0.03, 0.19)), smootherStep(local(p, 0.04, 0.28)), smootherStep(local(p, 0.40, 0.23)),
        easeOutQuart(local(p, 0.50, 0.21)), easeOutCubic(local(p, 0.60, 0.19)), easeOutCubic(local(p, 0.69, 0.20)),
    };
}

bool welcomeButtonAcceptsClicks(const WelcomeStages &stages)
{
    return stages.f > 0.85;
}

QEasingCurve pageInsertionCurve()
{
    return cubic(QPointF(0.22, 0.61), QPointF(0.36, 1.0));
}

QEasingCurve pageRemovalCurve()
{
    return cubic(QPointF(0.4, 0.0), QPointF(1.0, 1.0));
}

} // namespace quelta
