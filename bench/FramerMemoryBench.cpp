// Resident memory of a process that has used the Framer connector once, against one that never
// touched it. Run with no argument; it starts itself twice.
#include "web/FramerWebSession.h"
#include "platform/Clock.h"
#include "platform/SettingsStore.h"
#include "web/WebPage.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QJsonArray>
#include <QProcess>
#include <QTemporaryDir>
#include <QWebEngineProfile>

#include <cstdio>

#include <unistd.h>

namespace {

qint64 residentKilobytes(int pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

// This process and every descendant of it.
qint64 residentKilobytesOfTree(int root)
{
    qint64 total = residentKilobytes(root);
    for (const QString &entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(entry));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray text = stat.readAll();
        const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
        if (fields.value(1).toInt() == root)
            total += residentKilobytesOfTree(entry.toInt());
    }
    return total;
}

int measure(bool useFramer)
{
    QTemporaryDir dir;
    if (useFramer) {
        quelta::FramerWebSession::Environment environment;
        environment.clock = &quelta::Clock::system();
        environment.openInBrowser = [](const QUrl &) {};
        environment.makeProfile = [] { return new QWebEngineProfile(); };
        auto *connector = new quelta::FramerWebSession(environment);
        QEventLoop loop;
        auto run = [&]() -> QCoro::Task<void> {
            // A blank page stands in for Framer (nothing leaves this machine); one script runs in it.
            co_await connector->load(QUrl(QStringLiteral("about:blank")));
            const QString script = QStringLiteral("return document.title;");
            const QJsonArray noArguments;
            co_await connector->page().runAsyncFunction(script, noArguments, std::chrono::seconds(10));
            loop.quit();
        };
        auto task = run();
        loop.exec();
    }
    std::printf("%lld\n", residentKilobytesOfTree(int(QCoreApplication::applicationPid())));
    return 0;
}

qint64 childMeasurement(const QString &mode)
{
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {mode});
    child.waitForFinished(120'000);
    return child.readAllStandardOutput().trimmed().toLongLong();
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (::getuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 1)
        return measure(arguments[1] == QLatin1String("framer"));

    const qint64 without = childMeasurement(QStringLiteral("plain"));
    const qint64 with = childMeasurement(QStringLiteral("framer"));
    std::printf("resident memory, never touched Framer:        %6.1f MiB\n", without / 1024.0);
    std::printf("resident memory, Framer page and one script:  %6.1f MiB (main process and web engine helpers)\n", with / 1024.0);
    std::printf("ratio: %.1f\n", double(with) / double(without));
    return 0;
}
