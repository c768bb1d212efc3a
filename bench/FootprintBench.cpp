// What a status bar that polls pays: whole-process wall time and peak resident memory of
// `quelta status --cached --format waybar` with three providers' figures stored, against a bare
// Qt Widgets program showing one 312 × 232 window, interleaved in one run (medians of 15).
// Goal: at most 0.7 × the wall time and no more peak memory.
#include "core/AllowanceStore.h"
#include "platform/SettingsStore.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char **environ;

namespace {

constexpr int runs = 15;

struct Sample {
    double milliseconds = 0;
    double peakMiB = 0;
};

Sample measure(const std::vector<std::string> &command)
{
    std::vector<char *> argv;
    for (const std::string &part : command)
        argv.push_back(const_cast<char *>(part.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0)
        return {};
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();
    posix_spawn_file_actions_destroy(&actions);
    return {std::chrono::duration<double, std::milli>(end - start).count(), double(usage.ru_maxrss) / 1024.0};
}

void storeFigures(const QString &configDirectory)
{
    quelta::SettingsStore store(configDirectory + QStringLiteral("/quelta"));
    const QDateTime now = QDateTime::currentDateTimeUtc();
    quelta::AccountSnapshots snapshots;
    quelta::AccountSet all;
    for (quelta::ProviderID id : quelta::displayOrder) {
        quelta::ProviderLimit limit;
        limit.id = QStringLiteral("weekly");
        limit.name = QStringLiteral("Weekly limit");
        limit.value = QStringLiteral("60%");
        limit.percentage = 60;
        limit.resetsAt = now.addDays(3);
        limit.windowDuration = 604800;
        quelta::ProviderAllowance allowance;
        allowance.id = id;
        allowance.name = quelta::displayName(id);
        allowance.detail = QStringLiteral("Resets in 3d");
        allowance.remaining = 60;
        allowance.limits = {limit};
        allowance.connectionState = quelta::ConnectionState::connected;
        snapshots.insert(id, quelta::allowanceStore::makeSnapshot(allowance, now));
        all.insert(id);
    }
    quelta::allowanceStore::persistSnapshots(store, snapshots);
    quelta::allowanceStore::saveAuthorizedProviders(store, all);
    quelta::allowanceStore::saveEnabledProviders(store, all);
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
    QTemporaryDir home;
    setenv("HOME", home.path().toLocal8Bit().constData(), 1);
    setenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/config")).toLocal8Bit().constData(), 1);
    storeFigures(home.path() + QStringLiteral("/config"));
    setenv("XDG_RUNTIME_DIR", home.path().toLocal8Bit().constData(), 1);
    if (!getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);

    std::vector<double> quelta_ms, quelta_mib, bare_ms, bare_mib;
    for (int i = 0; i < runs; ++i) {
        const Sample quelta = measure({QUELTA_PROGRAM, "status", "--cached", "--format", "waybar"});
        const Sample bare = measure({BARE_WINDOW_PROGRAM});
        quelta_ms.push_back(quelta.milliseconds);
        quelta_mib.push_back(quelta.peakMiB);
        bare_ms.push_back(bare.milliseconds);
        bare_mib.push_back(bare.peakMiB);
    }
    const double qt = median(quelta_ms), bt = median(bare_ms), qm = median(quelta_mib), bm = median(bare_mib);
    std::printf("quelta status --cached --format waybar: %.1f ms, peak %.1f MiB\n", qt, qm);
    std::printf("bare 312 x 232 window:                  %.1f ms, peak %.1f MiB\n", bt, bm);
    std::printf("wall time ratio %.2f (goal: at most 0.70), peak memory difference %+.1f MiB (goal: at most 0)\n", qt / bt, qm - bm);
    return 0;
}
