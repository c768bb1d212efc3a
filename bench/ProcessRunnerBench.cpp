// Per-run cost of runProcess against a bare posix_spawn + waitpid of the same program.
#include "platform/ProcessRunner.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include <spawn.h>
#include <sys/wait.h>

extern char **environ;

namespace {

using Clock = std::chrono::steady_clock;
constexpr int runs = 200;
constexpr const char *program = "/bin/true";

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double spawnDirectly()
{
    const auto start = Clock::now();
    pid_t pid = 0;
    char *argv[] = {const_cast<char *>(program), nullptr};
    if (posix_spawn(&pid, program, nullptr, nullptr, argv, environ) != 0)
        return -1;
    int status = 0;
    waitpid(pid, &status, 0);
    return millisecondsSince(start);
}

double spawnThroughRunner()
{
    quelta::ProcessRequest request;
    request.executable = QString::fromLatin1(program);
    request.timeout = std::chrono::seconds(10);

    QEventLoop loop;
    const auto start = Clock::now();
    double elapsed = -1;
    auto run = [&]() -> QCoro::Task<void> {
        co_await quelta::runProcess(request);
        elapsed = millisecondsSince(start);
        loop.quit();
    };
    auto task = run();
    if (elapsed < 0)
        loop.exec();
    return elapsed;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    std::vector<double> direct;
    std::vector<double> runner;
    // Interleaved, so that both see the same machine load.
    for (int i = 0; i < runs; ++i) {
        direct.push_back(spawnDirectly());
        runner.push_back(spawnThroughRunner());
    }
    const double directMedian = median(direct);
    const double runnerMedian = median(runner);
    std::printf("%d runs of %s\n", runs, program);
    std::printf("median posix_spawn + waitpid: %.3f ms\n", directMedian);
    std::printf("median runProcess:            %.3f ms\n", runnerMedian);
    std::printf("median overhead per run:      %.3f ms (goal: under 5 ms)\n", runnerMedian - directMedian);
    std::printf("ratio runProcess / direct:    %.2f\n", runnerMedian / directMedian);
    return 0;
}
