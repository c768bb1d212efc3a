// Time from process start to a monitor holding the persisted figures (three snapshots, a
// 2,000-sample alert history), against a bare Qt application started the same way.
#include "alerts/UsageNotificationManager.h"
#include "core/AllowanceMonitor.h"
#include "core/AllowanceStore.h"
#include "platform/Clock.h"
#include "platform/NotificationCenter.h"
#include "platform/SettingsStore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int runs = 30;

// Notifications are not what is measured; this center answers nothing.
class SilentCenter final : public quelta::NotificationCenter
{
public:
    QCoro::Task<Settings> notificationSettings() override { co_return Settings{}; }
    QCoro::Task<bool> requestAuthorization() override { co_return false; }
    void setCategory(const QString &, const QList<Action> &) override {}
    QCoro::Task<void> add(Request) override { co_return; }
    void openSettings() override {}
};

quelta::ProviderAllowance connected(quelta::ProviderID id)
{
    quelta::ProviderLimit limit;
    limit.id = QStringLiteral("weekly-all-models");
    limit.name = QStringLiteral("Weekly · all models");
    limit.value = QStringLiteral("60%");
    limit.percentage = 60;
    quelta::ProviderAllowance allowance;
    allowance.id = id;
    allowance.name = quelta::displayName(id);
    allowance.detail = QStringLiteral("Resets in 2h 0m");
    allowance.remaining = 60;
    allowance.limits = {limit};
    allowance.connectionState = quelta::ConnectionState::connected;
    return allowance;
}

void prepareStore(const QString &directory)
{
    quelta::SettingsStore store(directory);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    quelta::AccountSnapshots snapshots;
    quelta::AccountSet all;
    for (quelta::ProviderID id : quelta::displayOrder) {
        snapshots.insert(id, quelta::allowanceStore::makeSnapshot(connected(id), now));
        all.insert(id);
    }
    quelta::allowanceStore::persistSnapshots(store, snapshots);
    quelta::allowanceStore::saveAuthorizedProviders(store, all);
    QList<quelta::UsageSample> samples;
    for (int i = 0; i < 2000; ++i)
        samples.append({QStringLiteral("codex:main"), 50, now.addSecs(-i)});
    store.setData(QLatin1String(quelta::UsageNotificationManager::samplesKey), quelta::encodeSamples(samples));
}

int loadAndExit(const QString &directory)
{
    quelta::SettingsStore store(directory);
    SilentCenter center;
    quelta::UsageNotificationManager alerts(store, quelta::Clock::system(), center);
    quelta::AllowanceMonitor monitor(store, quelta::Clock::system(), quelta::AllowanceMonitor::Dependencies{.isSubstituteLoader = true, .alerts = &alerts});
    return monitor.providers().size() == 3 && alerts.samples().size() == 2000 ? 0 : 1;
}

double startMilliseconds(const QStringList &arguments)
{
    QElapsedTimer timer;
    timer.start();
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), arguments);
    child.waitForFinished(30'000);
    if (child.exitCode() != 0)
        std::fprintf(stderr, "run failed: %s\n", qPrintable(arguments.join(QLatin1Char(' '))));
    return double(timer.nsecsElapsed()) / 1e6;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.value(1) == QLatin1String("bare"))
        return 0;
    if (arguments.value(1) == QLatin1String("load"))
        return loadAndExit(arguments.value(2));

    QTemporaryDir directory;
    prepareStore(directory.path());
    // Interleaved, so that both see the same machine load.
    std::vector<double> bareTimes;
    std::vector<double> loadedTimes;
    for (int i = 0; i < runs; ++i) {
        bareTimes.push_back(startMilliseconds({QStringLiteral("bare")}));
        loadedTimes.push_back(startMilliseconds({QStringLiteral("load"), directory.path()}));
    }
    const double bare = median(bareTimes);
    const double loaded = median(loadedTimes);
    std::printf("median start of a bare Qt application:        %.2f ms\n", bare);
    std::printf("median start to persisted figures in memory:  %.2f ms\n", loaded);
    std::printf("difference: %.2f ms (goal: under 20 ms), ratio %.2f\n", loaded - bare, loaded / bare);
    return 0;
}
