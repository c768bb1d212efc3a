// The welcome page's 3.2 s entrance, drawn offscreen at the display's pace: the CPU time it takes
// from its start to its last frame, the frames drawn, and the frames drawn in the 5 s after it
// (there should be none), against the CPU time of the same wall time spent idle.
#include "platform/Clock.h"
#include "ui/FontRegistry.h"
#include "ui/onboarding/OnboardingPages.h"

#include <QApplication>
#include <QTest>

#include <cstdio>

#include <sys/resource.h>

namespace {

double cpuMilliseconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1000.0 + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1000.0;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    quelta::registerFonts(QString::fromUtf8(QUELTA_FONT_DIRECTORY));

    const double idleStart = cpuMilliseconds();
    QTest::qWait(3320);
    const double idle = cpuMilliseconds() - idleStart;

    quelta::WelcomePage page(quelta::Clock::system(), false);
    page.resize(500, 410);
    const double start = cpuMilliseconds();
    page.show();
    while (page.stages().f < 1 || page.framesPainted() == 0)
        QTest::qWait(5);
    QTest::qWait(40); // the last frame
    const double animation = cpuMilliseconds() - start;
    const int frames = page.framesPainted();
    QTest::qWait(5000);
    std::printf("welcome entrance: %.0f ms of CPU time for %d frames (idle for as long: %.0f ms)\n", animation, frames, idle);
    std::printf("frames drawn in the 5 s after it: %d\n", page.framesPainted() - frames);
    return 0;
}
