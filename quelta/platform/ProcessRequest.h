#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>
#include <optional>

namespace quelta {

// One child-process run.
struct ProcessRequest {
    QString executable;
    QStringList arguments;
    // Absent: the child inherits this process's environment unchanged.
    std::optional<QMap<QString, QString>> environment;
    std::optional<QString> workingDirectory;
    // Absent: the run lasts as long as the child does (a window the user holds open).
    std::optional<std::chrono::milliseconds> timeout;
    std::optional<QByteArray> standardInput;
    // How long after launch the child's standard input is closed; absent, it stays open for the
    // whole run, so that the child sees end-of-file when this process goes away.
    std::optional<std::chrono::milliseconds> closeInputDelay{std::chrono::milliseconds(0)};
    // Closes the input earlier, as soon as it holds for the output read so far.
    std::function<bool(const QByteArray &output)> closeInputWhen;
    // Told of the output read so far whenever more arrives, for children that report as they go.
    std::function<void(const QByteArray &output)> onOutput;
};

// How one run ended, in the runner's own terms; each caller decides what an ending means.
struct ProcessResult {
    enum class Ending { exited, timedOut, launchFailed, outputOverLimit };

    Ending ending = Ending::exited;
    // The child's exit status, when it exited.
    qint32 status = 0;
    // Standard output and standard error, interleaved as written.
    QByteArray output;
    // The operating system's reason, when the launch failed.
    QString launchError;

    bool operator==(const ProcessResult &) const = default;
};

} // namespace quelta
