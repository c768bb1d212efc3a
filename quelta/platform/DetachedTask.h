#pragma once

#include <QCoroTask>
#include <QLoggingCategory>

namespace quelta {

using LoggingCategory = const QLoggingCategory &(*)();

// Starts a task that nobody awaits. Whatever escapes it, but cancellation, is logged under
// `category` as a failure of `what`, rather than vanishing with the task. The task itself must
// follow the ownership rule written down in AppObjects.h.
void startDetached(QCoro::Task<void> task, LoggingCategory category, const char *what);

} // namespace quelta
