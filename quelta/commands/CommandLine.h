#pragma once

#include "CommandTarget.h"

#include "history/HistoryFile.h"
#include "platform/Clock.h"

#include <QStringList>
#include <QTextStream>

#include <optional>

namespace quelta {

class AccountBook;
class PipeReaderWatch;

// What the commands need beyond their target.
struct CommandLineEnvironment {
    // A desktop is there to show the Framer window on.
    bool showsWindows = false;
    // What forecasts are told against.
    Clock *clock = &Clock::system();
    // The record `history` reads and adds to.
    QString historyFile = historyFilePath();
    // Watches the output that `status --watch` writes to: the watch ends when its reader goes.
    PipeReaderWatch *output = nullptr;
    // The accounts `accounts` lists and changes.
    AccountBook *accounts = nullptr;
};

QString commandLineUsage();

// Whether running `arguments` loads allowances or signs in; otherwise the stored figures answer it.
bool commandLoadsAllowances(const QStringList &arguments);

// Runs `quelta <arguments>` (without the program name) and returns the exit status:
// 0 done, 1 the command did not achieve its aim, 2 a usage error. `status --watch` runs until
// the reader of its output goes (status 0), nothing is left to watch (status 1, said on `err`),
// a line cannot be written (status 1), or the process is ended. The caller tells a failed write
// with writeFailure(), which also flushes what is still buffered.
QCoro::Task<int> runCommandLine(QStringList arguments, CommandTarget &target, CommandLineEnvironment environment,
                                QTextStream &out, QTextStream &err);

// Flushes `out`; why not all that was written to it arrived, if it did not.
std::optional<QString> writeFailure(QTextStream &out);

} // namespace quelta
