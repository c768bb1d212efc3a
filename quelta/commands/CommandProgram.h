#pragma once

#include "OwnMonitor.h"

class QCoreApplication;

namespace quelta {

// Runs the command in the application's arguments against the running Quelta, or against this
// process's own monitor when none answers, and returns its exit status.
int runCommandProgram(QCoreApplication &app, const NoAnswerFallback &noAnswerFallback);

} // namespace quelta
