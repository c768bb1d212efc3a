// The tray app at rest, measured in one run: (1) its resident memory one minute after start with
// ChatGPT and Claude connected through stand-ins (Claude's usage endpoint on loopback), against
// a bare Qt Widgets program showing one 312 × 232 window; (2) the time from the status item's
// activation to the popover's first painted frame, median of 50; (3) the timers that fire in
// that idle minute with the popover closed.
#include "SignedInHome.h"

#include "app/AppObjects.h"
#include "app/TrayShell.h"
#include "core/AllowanceStore.h"
#include "ui/popover/PopoverWindow.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QHttpServer>
#include <QHttpServerResponse>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

#include <sys/resource.h>
#include <sys/wait.h>

namespace {


// The bare program's resident memory after a minute, read from its /proc entry while it runs.
double bareWindowMiB()
{
    QProcess bare;
    bare.start(QStringLiteral(BARE_WINDOW_PROGRAM), {QStringLiteral("--stay")});
    bare.waitForStarted();
    QTest::qWait(3000);
    const double mib = bench::residentMiB(QString::number(bare.processId()));
    bare.kill();
    bare.waitForFinished();
    return mib;
}

QElapsedTimer elapsedSinceStart;

// Counts the timers that fire anywhere in the application.
class TimerCounter final : public QObject
{
public:
    int fired = 0;
    QStringList receivers;

protected:
    bool eventFilter(QObject *receiver, QEvent *event) override
    {
        if (event->type() == QEvent::Timer) {
            ++fired;
            receivers << QString::fromLatin1(receiver->metaObject()->className()) + QLatin1Char('/') + (receiver->parent() ? QString::fromLatin1(receiver->parent()->metaObject()->className()) : QStringLiteral("-")) + QLatin1Char('@') + QString::number(double(elapsedSinceStart.elapsed()) / 1000, 'f', 1);
        }
        return false;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const bench::SignedInHome home;

    quelta::AppObjects::Configuration configuration = quelta::AppObjects::Configuration::standard();
    configuration.settingsDirectory = home.filePath(QStringLiteral("config"));
    configuration.executableSearch = quelta::ExecutableSearch{home.path(), {}};
    configuration.claudeApiHost = home.usageHost();
    configuration.telemetry = {};
    {
        quelta::SettingsStore store(configuration.settingsDirectory);
        quelta::allowanceStore::saveAuthorizedProviders(store, {quelta::ProviderID::codex, quelta::ProviderID::claudeCode});
        quelta::allowanceStore::saveEnabledProviders(store, {quelta::ProviderID::codex, quelta::ProviderID::claudeCode});
    }
    quelta::AppObjects services(configuration);
    quelta::TrayShell shell(services, {});
    elapsedSinceStart.start();
    shell.start();
    QTest::qWait(6000); // the first refresh, and the moment a desktop has to show its tray
    TimerCounter timers;
    app.installEventFilter(&timers);
    QTest::qWait(60'000);
    app.removeEventFilter(&timers);
    const double trayMiB = bench::residentMiB();
    const int idleTimers = timers.fired;

    std::vector<double> firstFrames;
    for (int i = 0; i < 50; ++i) {
        QElapsedTimer timer;
        bool painted = false;
        timer.start();
        shell.togglePopover();
        QObject::connect(shell.popover(), &quelta::PopoverWindow::painted, &app, [&] {
            if (!painted)
                firstFrames.push_back(double(timer.nsecsElapsed()) / 1e6);
            painted = true;
        });
        for (int spin = 0; spin < 400 && !painted; ++spin)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QObject::disconnect(shell.popover(), &quelta::PopoverWindow::painted, &app, nullptr);
        shell.togglePopover();
        QTest::qWait(20);
    }
    std::sort(firstFrames.begin(), firstFrames.end());
    const double bareMiB = bareWindowMiB();

    std::printf("tray app one minute after start: %.1f MiB; bare 312 x 232 window: %.1f MiB; ratio %.2f\n", trayMiB, bareMiB,
                trayMiB / bareMiB);
    std::printf("activation to the popover's first frame, median of %zu: %.2f ms\n", firstFrames.size(),
                firstFrames.empty() ? 0.0 : firstFrames[firstFrames.size() / 2]);
    std::printf("timers fired in the idle minute, popover closed: %d (%s)\n", idleTimers, qPrintable(timers.receivers.join(QStringLiteral(", "))));
    return 0;
}
